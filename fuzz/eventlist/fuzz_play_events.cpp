// Any events and line records played through on the simulated desktop, in virtual time, in either mode and
// with any answers to the window search: the playback must end by itself or at the stop the harness asks for
// after a bounded number of sleeps, close its hint window, and never leave a button down (after a window's
// last press of a button comes a release of it, and every injected press has its release), nor a key the
// foreground pressed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "eventlist/KeyEvent.h"
#include "eventlist/player/EventPlayback.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/SimOverlayWindows.h"

namespace {

constexpr std::size_t kMaxEvents = 64;
constexpr int kMaxSleeps = 3000;

class NullView final : public xd::IEventPlayerView {
public:
    void SetPlayButton(xd::PlayButtonState) override {}
    void EnableEditing(bool) override {}
    void EnableSave(bool) override {}
    void CloseSelectionHint() override {}
    void ShowCaptionAsStatus() override {}
    void PostSelectLine(std::uint64_t, std::int32_t) override {}
    void PostPlayerFinished(std::uint64_t) override {}
    void PostEventWindow(std::uint64_t, std::int32_t, xd::WindowHandle) override {}
    void PostEnableMainWindow(bool) override {}
    void PostRepaintMainWindow() override {}
};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int32_t Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
        return static_cast<std::int32_t>(v);
    }
    std::int16_t Short() { return static_cast<std::int16_t>((Byte() << 8) | Byte()); }
    bool More() const { return at_ < size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

constexpr std::array<std::int32_t, 14> kMessages{0x200, 0x201, 0x202, 0x204, 0x205, 0x207, 0x208,
                                                0x20A, 0x20E, 0x10,  0x100, 0x101, 0x104, 0x105};

// Per button: the client and frame forms of its presses (double clicks too) and releases.
struct ButtonMessages {
    std::array<std::uint32_t, 4> downs;
    std::array<std::uint32_t, 2> ups;
};
constexpr std::array<ButtonMessages, 3> kButtons{{{{0x201, 0x203, 0xA1, 0xA3}, {0x202, 0xA2}},
                                                  {{0x204, 0x206, 0xA4, 0xA6}, {0x205, 0xA5}},
                                                  {{0x207, 0x209, 0xA7, 0xA9}, {0x208, 0xA8}}}};

bool IsOneOf(std::uint32_t m, const auto& set) {
    for (const std::uint32_t x : set)
        if (m == x) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    xd::sim::SimPlatform sim;
    sim.desktop.SetCurrentProcessId(7);
    const char* titles[] = {"记事本", "画图"};
    std::vector<xd::WindowHandle> tops;
    for (int i = 0; i < 2; ++i) {
        xd::sim::WindowSpec spec;
        spec.rect = xd::Rect{100 + 400 * i, 100, 500 + 400 * i, 400};
        spec.clientInsets = xd::sim::Insets{0, 30, 0, 0};
        spec.title = titles[i];
        spec.className = "Frame";
        tops.push_back(sim.desktop.AddWindow(spec));
        xd::sim::WindowSpec child;
        child.parent = tops.back();
        child.rect = xd::Rect{120 + 400 * i, 150, 200 + 400 * i, 250};
        sim.desktop.AddWindow(child);
    }
    sim.input.PlaceCursor(xd::Point{700, 600});

    xd::EventPlaybackState state;
    xd::LiveEventPlaySettings settings;
    const std::uint8_t options = in.Byte();
    settings.foreground = options & 1;
    settings.moveToCurrent = options & 2;
    settings.virtualPointer = options & 4;
    settings.moveToStart = options & 8;
    settings.clickEffect = options & 16;
    settings.repeatPosition = in.Byte() % 4;
    settings.speedPosition = in.Byte();
    const std::uint8_t answers = in.Byte();
    sim.boxes.SetResponder([&](const xd::sim::MessageBoxRecord&) -> std::optional<int> {
        static const int kAnswers[] = {xd::id::kAbort, xd::id::kRetry, xd::id::kIgnore, xd::id::kIgnore};
        return kAnswers[(answers + sim.boxes.Count()) % 4];
    });

    std::vector<xd::RecordedEvent> events;
    while (in.More() && events.size() < kMaxEvents) {
        xd::RecordedEvent e;
        const std::uint8_t kind = in.Byte();
        e.message = kMessages[kind % kMessages.size()];
        const std::uint8_t where = in.Byte();
        e.windowTitle = (where & 1 ? std::string("\xbb\xad\xcd\xbc") : std::string("\xbc\xc7\xca\xc2\xb1\xbe")) +
                        std::string(where & 2 ? 2 : 0, '\0');  // GBK 画图 / 记事本, or a third unknown form
        e.windowClass = where & 4 ? "Frame" : "Other";
        if (where & 8) e.childPath = std::string(1, static_cast<char>(in.Byte() % 3));
        e.offsetX = in.Int();
        e.offsetY = in.Int();
        e.x = in.Short();
        e.y = in.Short();
        e.keyFlags = in.Int();
        // Key events mostly name a few keys, so that presses meet their releases; any word still comes.
        if (xd::IsKeyMessage(e.message) && !(kind & 0x40)) e.keyFlags &= 0x01030007;
        e.delayMs = in.Byte() * (kind & 0x80 ? 1000 : 1);
        events.push_back(std::move(e));
    }
    std::vector<xd::EventLine> lines;
    for (std::size_t i = 0; i < events.size();) {
        xd::EventLine line;
        line.firstEvent = static_cast<std::int32_t>(i);
        line.eventCount = 1 + static_cast<std::int32_t>(events[i].delayMs % 3);
        lines.push_back(line);
        i += static_cast<std::size_t>(line.eventCount);
    }

    xd::sim::SimOverlayWindows overlays{sim.desktop};
    xd::ClickEffectSlots slots;
    std::mutex guard;
    NullView view;
    xd::EventPlayerServices services{state,     settings,  view,         sim.desktop, sim.input,
                                     sim.clock, sim.boxes, sim.codePage, overlays,    {slots, guard}};
    xd::CreateClickEffectWindows(services.effects, overlays);
    int sleeps = 0;
    sim.clock.SetSleepHook([&](const xd::sim::SleepRecord&) {
        if (++sleeps == kMaxSleeps) state.playing = false;
    });
    const xd::PlaybackToggle started =
        xd::ToggleEventPlayback(services, [](std::function<void()> work) {
            work();
            return true;
        }, xd::EventListFacts{events, lines, true});
    if (started != xd::PlaybackToggle::Started) __builtin_trap();
    if (sim.desktop.IsWindow(state.current->hintWindow.load())) __builtin_trap();

    // A recording may press on one window and release on another (a drag across windows): the button
    // counts as released by any release the player posts after its last press.
    const auto messages = sim.desktop.Messages();
    for (const ButtonMessages& button : kButtons) {
        bool down = false;
        for (const auto& m : messages) {
            if (m.sent) continue;
            if (IsOneOf(m.message, button.downs)) down = true;
            if (IsOneOf(m.message, button.ups)) down = false;
        }
        if (down) __builtin_trap();
    }
    // Injected presses reach the simulated system, which keeps the button state; what is still in its queue
    // is taken in the end.
    sim.input.DeliverHeldInput();
    for (int vk = 1; vk < 0xFF; ++vk)
        if (sim.desktop.KeyState(vk) & 0x8000) __builtin_trap();
    return 0;
}
