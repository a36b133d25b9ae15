// How long the mouse hook holds the system up per event (copy and enqueue
// while the worker drains), and whether a burst comes out whole and in order.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/sim/SimPlatform.h"
#include "recorder/capture/Recorder.h"
#include "tests/support/MemoryEditor.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBurst = 10000;
constexpr int kTimedEvents = 20000;
constexpr int kColumns = 100;  // burst positions: 10 pixels apart so no two notches merge

// Stands in for the main thread's message loop: applies writes when woken.
class MainThread {
public:
    void Wake() {
        {
            std::lock_guard lock(mutex_);
            woken_ = true;
        }
        cv_.notify_one();
    }
    // Waits for a wake-up or the end of the burst; false once it has ended.
    bool Wait(const bool& done) {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [&] { return woken_ || done; });
        woken_ = false;
        return !done;
    }
    void End(bool& done) {
        {
            std::lock_guard lock(mutex_);
            done = true;
        }
        cv_.notify_one();
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool woken_ = false;
};

xd::CapturedMouseEvent Notch(xd::WindowHandle window, int i) {
    xd::CapturedMouseEvent e;
    e.window = window;
    e.message = xd::msg::kMouseWheel;
    e.x = (i % kColumns) * 10;
    e.y = (i / kColumns) * 10;
    e.mouseData = 120u << 16;
    e.time = static_cast<std::uint32_t>(i);
    return e;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main() {
    xd::sim::SimPlatform sim;
    sim.desktop.SetCurrentProcessId(1);
    xd::sim::WindowSpec spec;
    spec.processId = 200;
    spec.rect = {0, 0, 1100, 1100};
    spec.title = "Target";
    spec.className = "Target";
    const xd::WindowHandle target = sim.desktop.AddWindow(spec);

    xd::MemoryEditor editor;
    MainThread mainThread;
    xd::EditorWriteQueue writes([&] { mainThread.Wake(); });
    const xd::EditorTarget editorTarget{editor, sim.desktop, xd::kNoWindow};
    xd::Recorder recorder(sim.desktop, writes);
    if (!recorder.StartWorker()) return 1;

    // 1. Hook-side hand-over, one event at a time while the worker drains.
    recorder.Reset(true);
    std::vector<double> micros;
    micros.reserve(kTimedEvents);
    for (int i = 0; i < kTimedEvents; ++i) {
        const xd::LowLevelMouseEvent raw{xd::msg::kMouseWheel, {i % 500, i % 300}, 120u << 16, 0,
                                         static_cast<std::uint32_t>(i)};
        const auto begin = Clock::now();
        const xd::CapturedMouseEvent copy{target, raw.message, raw.point.x, raw.point.y, raw.mouseData,
                                          raw.flags, raw.time, 0};
        const bool queued = recorder.HandOver(copy);
        const auto end = Clock::now();
        if (!queued) return 1;
        micros.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
        if (i % 64 == 0) writes.ApplyPending(editorTarget);
    }
    recorder.Stop(kTimedEvents);
    writes.ApplyPending(editorTarget);

    // 2. A burst as fast as the hook thread can hand it over.
    editor.SetEditorText("'burst");
    recorder.Reset(true);
    bool done = false;
    const auto burstBegin = Clock::now();
    std::thread hook([&] {
        for (int i = 0; i < kBurst; ++i) static_cast<void>(recorder.HandOver(Notch(target, i)));
    });
    std::thread ender([&] {
        hook.join();
        mainThread.End(done);
    });
    while (mainThread.Wait(done)) writes.ApplyPending(editorTarget);
    ender.join();
    recorder.Stop(kBurst);
    writes.ApplyPending(editorTarget);
    const double burstMs = std::chrono::duration<double, std::milli>(Clock::now() - burstBegin).count();
    recorder.StopWorker();

    // Line k + 2 must be notch k (line 0 the marker, line 1 the target window).
    int written = 0;
    int reordered = 0;
    for (int line = 2; line < editor.EditorLineCount(); ++line) {
        const std::string text = editor.GetEditorLine(line);
        int delta = 0, x = 0, y = 0, count = 0, wait = 0;
        if (std::sscanf(text.c_str(), "鼠标滚轮(%d,%d,%d,%d,%d)", &delta, &x, &y, &count, &wait) != 5) continue;
        if ((y / 10) * kColumns + x / 10 != written) ++reordered;
        ++written;
    }
    const long long lost = static_cast<long long>(kBurst - written) + static_cast<long long>(recorder.LostEvents());

    std::printf("hand-over of %d events, then a burst of %d\n", kTimedEvents, kBurst);
    std::printf("hook: p50=%.3f us p99=%.3f us | burst: %d events lost=%lld reordered=%d in %.1f ms\n",
                Percentile(micros, 0.50), Percentile(micros, 0.99), kBurst, lost, reordered, burstMs);
    return lost == 0 && reordered == 0 ? 0 : 1;
}
