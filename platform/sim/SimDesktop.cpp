#include "platform/sim/SimDesktop.h"

#include <algorithm>
#include <utility>

#include "platform/sim/SimKeyboardLayout.h"

namespace xd::sim {

namespace {

// Bounded so a runaway playback cannot exhaust memory; tests stay far below.
constexpr std::size_t kMaxMessages = 1'000'000;
constexpr int kSwHide = 0;

// Width times height of the overlap, 0 when there is none.
std::int64_t Overlap(const Rect& a, const Rect& b) {
    const std::int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance between the nearest points of two rectangles.
std::int64_t Gap(const Rect& a, const Rect& b) {
    const std::int64_t dx = std::max({0, a.left - b.right, b.left - a.right});
    const std::int64_t dy = std::max({0, a.top - b.bottom, b.top - a.bottom});
    return dx * dx + dy * dy;
}

Point PointFromLParam(std::intptr_t lParam) {
    auto bits = static_cast<std::uint32_t>(static_cast<std::uintptr_t>(lParam));
    return Point{static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>((bits >> 16) & 0xFFFF)};
}

}  // namespace

SimDesktop::SimDesktop(IClock& clock) : clock_(clock) {
    screenSize_ = Point{1920, 1080};
    workArea_ = Rect{0, 0, 1920, 1040};
    // Handles look like real ones: even, well above zero, never reused.
    desktop_ = 0x10010;
    nextHandle_ = 0x20020;
    Window desk;
    desk.parent = kNoWindow;
    desk.rect = Rect{0, 0, screenSize_.x, screenSize_.y};
    desk.className = "#32769";
    desk.processId = 0;
    desk.threadId = 0;
    windows_.emplace(desktop_, std::move(desk));
}

SimDesktop::Window* SimDesktop::Find(WindowHandle w) {
    auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimDesktop::Window* SimDesktop::Find(WindowHandle w) const {
    auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

std::size_t SimDesktop::BandStart(const Window& parent, bool topmost) const {
    if (topmost || &parent != Find(desktop_)) return 0;
    std::size_t i = 0;
    while (i < parent.children.size() && Find(parent.children[i])->topmost) ++i;
    return i;
}

std::size_t SimDesktop::BandEnd(const Window& parent, bool topmost) const {
    if (!topmost || &parent != Find(desktop_)) return parent.children.size();
    return BandStart(parent, false);
}

void SimDesktop::InsertChild(Window& parent, WindowHandle w, std::size_t index) {
    index = std::min(index, parent.children.size());
    parent.children.insert(parent.children.begin() + static_cast<std::ptrdiff_t>(index), w);
}

void SimDesktop::Unlink(WindowHandle w) {
    Window* self = Find(w);
    if (!self) return;
    if (Window* parent = Find(self->parent)) {
        auto& c = parent->children;
        c.erase(std::remove(c.begin(), c.end(), w), c.end());
    }
}

void SimDesktop::PlaceInBand(WindowHandle w, bool onTop) {
    Window* self = Find(w);
    Window* parent = self ? Find(self->parent) : nullptr;
    if (!parent) return;
    Unlink(w);
    InsertChild(*parent, w, onTop ? BandStart(*parent, self->topmost) : BandEnd(*parent, self->topmost));
}

WindowHandle SimDesktop::AddWindow(const WindowSpec& spec) {
    std::lock_guard lock(mutex_);
    WindowHandle parentHandle = spec.parent == kNoWindow ? desktop_ : spec.parent;
    if (!Find(parentHandle)) return kNoWindow;
    bool topLevel = parentHandle == desktop_;
    WindowHandle w = nextHandle_;
    nextHandle_ += 0x10;
    Window win;
    win.parent = parentHandle;
    win.owner = spec.owner;
    win.processId = spec.processId;
    win.threadId = spec.threadId;
    win.rect = spec.rect;
    win.insets = spec.clientInsets;
    win.title = spec.title;
    win.className = spec.className;
    win.visible = spec.visible;
    win.topmost = topLevel && spec.topmost;
    windows_.emplace(w, std::move(win));
    bool onTop = spec.place == ZPlace::Top || (spec.place == ZPlace::Default && topLevel);
    PlaceInBand(w, onTop);
    return w;
}

bool SimDesktop::DestroyWindow(WindowHandle w) {
    std::lock_guard lock(mutex_);
    if (w == desktop_ || !Find(w)) return false;
    Unlink(w);
    std::vector<WindowHandle> pending{w};
    while (!pending.empty()) {
        WindowHandle h = pending.back();
        pending.pop_back();
        if (Window* win = Find(h)) {
            pending.insert(pending.end(), win->children.begin(), win->children.end());
            windows_.erase(h);
        }
        if (foreground_ == h) foreground_ = kNoWindow;
    }
    return true;
}

bool SimDesktop::SetZIndex(WindowHandle w, std::size_t index) {
    std::lock_guard lock(mutex_);
    Window* self = Find(w);
    Window* parent = self ? Find(self->parent) : nullptr;
    if (!parent) return false;
    Unlink(w);
    std::size_t start = BandStart(*parent, self->topmost);
    std::size_t end = BandEnd(*parent, self->topmost);
    InsertChild(*parent, w, index >= end - start ? end : start + index);
    return true;
}

bool SimDesktop::SetWindowRect(WindowHandle w, const Rect& rect) {
    return Edit(w, [&](Window& win) { win.rect = rect; });
}
bool SimDesktop::SetClientInsets(WindowHandle w, const Insets& insets) {
    return Edit(w, [&](Window& win) { win.insets = insets; });
}
bool SimDesktop::SetTitle(WindowHandle w, const std::string& title) {
    return Edit(w, [&](Window& win) { win.title = title; });
}
bool SimDesktop::SetClassName(WindowHandle w, const std::string& className) {
    return Edit(w, [&](Window& win) { win.className = className; });
}
bool SimDesktop::SetVisible(WindowHandle w, bool visible) {
    return Edit(w, [&](Window& win) { win.visible = visible; });
}
bool SimDesktop::SetProcessAndThread(WindowHandle w, std::uint32_t processId, std::uint32_t threadId) {
    return Edit(w, [&](Window& win) {
        win.processId = processId;
        win.threadId = threadId;
    });
}
bool SimDesktop::SetHitTester(WindowHandle w, HitTester tester) {
    return Edit(w, [&](Window& win) { win.hitTester = std::move(tester); });
}
bool SimDesktop::SetMessageHandler(WindowHandle w, MessageHandler handler) {
    return Edit(w, [&](Window& win) { win.handler = std::move(handler); });
}

void SimDesktop::SetMessageObserver(MessageObserver observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void SimDesktop::SetForegroundWindow(WindowHandle w) {
    std::lock_guard lock(mutex_);
    foreground_ = Find(w) ? w : kNoWindow;
}

void SimDesktop::SetCurrentProcessId(std::uint32_t processId) {
    std::lock_guard lock(mutex_);
    currentProcessId_ = processId;
}

void SimDesktop::SetWorkArea(const Rect& area) {
    std::lock_guard lock(mutex_);
    workArea_ = area;
}

void SimDesktop::SetScreenSize(Point size) {
    std::lock_guard lock(mutex_);
    screenSize_ = size;
    Find(desktop_)->rect = Rect{0, 0, size.x, size.y};
}

void SimDesktop::SetVirtualScreen(const Rect& area) {
    std::lock_guard lock(mutex_);
    virtualScreen_ = area;
}

void SimDesktop::SetDpi(int dpiX, int dpiY) {
    std::lock_guard lock(mutex_);
    dpiX_ = dpiX;
    dpiY_ = dpiY;
}

std::size_t SimDesktop::AddMonitor(const MonitorSpec& monitor) {
    std::lock_guard lock(mutex_);
    monitors_.push_back(monitor);
    return monitors_.size() - 1;
}

bool SimDesktop::SetMonitorDpi(std::size_t index, int dpi) {
    std::lock_guard lock(mutex_);
    if (index >= monitors_.size()) return false;
    monitors_[index].dpi = dpi;
    return true;
}

void SimDesktop::SetKeyState(int virtualKey, std::int16_t state) {
    std::lock_guard lock(mutex_);
    keyStates_[virtualKey] = state;
}

void SimDesktop::SetKeyDown(int virtualKey, bool down) {
    constexpr std::uint16_t kDown = 0x8000;
    std::lock_guard lock(mutex_);
    auto set = [this](int key, bool isDown) {
        auto state = static_cast<std::uint16_t>(keyStates_[key]);
        if (isDown && !(state & kDown)) state ^= 1u;
        state = isDown ? static_cast<std::uint16_t>(state | kDown) : static_cast<std::uint16_t>(state & ~kDown);
        keyStates_[key] = static_cast<std::int16_t>(state);
    };
    set(virtualKey, down);
    if (virtualKey >= 0xA0 && virtualKey <= 0xA5) {
        const bool otherSide = static_cast<std::uint16_t>(keyStates_[virtualKey ^ 1]) & kDown;
        set(0x10 + (virtualKey - 0xA0) / 2, down || otherSide);
    }
}

void SimDesktop::SetFocus(WindowHandle w) {
    std::lock_guard lock(mutex_);
    if (const Window* win = Find(w)) focus_[win->threadId] = w;
}

WindowHandle SimDesktop::FocusedWindow(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    if (!win) return kNoWindow;
    const auto it = focus_.find(win->threadId);
    return it != focus_.end() && Find(it->second) ? it->second : kNoWindow;
}

std::uint32_t SimDesktop::ScanCode(WindowHandle, int virtualKey) { return SimScanCode(virtualKey); }

std::string SimDesktop::KeyText(WindowHandle, int virtualKey, std::uint32_t) {
    const auto down = [this](int key) { return (static_cast<std::uint16_t>(KeyState(key)) & 0x8000u) != 0; };
    const SimKeyModifiers modifiers{down(0x10), (KeyState(0x14) & 1) != 0, down(0x11), down(0x12)};
    return SimKeyText(virtualKey, modifiers);
}

bool SimDesktop::ReceiveKeyInput(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    WindowHandle target = ForegroundWindow();
    if (const WindowHandle focus = FocusedWindow(target); focus != kNoWindow) target = focus;
    if (target == kNoWindow) return false;
    MessageRecord r = Record(target, message, wParam, lParam, false, true);
    MessageObserver observer;
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
    }
    if (observer) observer(r);
    return r.delivered;
}

void SimDesktop::SetDoubleClick(std::uint32_t milliseconds, Point size) {
    std::lock_guard lock(mutex_);
    doubleClickTime_ = milliseconds;
    doubleClickSize_ = size;
}

std::vector<MessageRecord> SimDesktop::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<MessageRecord> SimDesktop::MessagesTo(WindowHandle w) const {
    std::lock_guard lock(mutex_);
    std::vector<MessageRecord> out;
    for (const auto& m : messages_)
        if (m.window == w && m.delivered) out.push_back(m);
    return out;
}

void SimDesktop::ClearMessages() {
    std::lock_guard lock(mutex_);
    messages_.clear();
}

std::vector<WindowHandle> SimDesktop::Children(WindowHandle w) const {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->children : std::vector<WindowHandle>{};
}

std::size_t SimDesktop::WindowCount() const {
    std::lock_guard lock(mutex_);
    return windows_.size() - 1;
}

// --- tree ------------------------------------------------------------------

WindowHandle SimDesktop::DesktopWindow() { return desktop_; }

WindowHandle SimDesktop::Parent(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->parent : kNoWindow;
}

WindowHandle SimDesktop::FirstChild(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win && !win->children.empty() ? win->children.front() : kNoWindow;
}

WindowHandle SimDesktop::NextSibling(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    const Window* parent = win ? Find(win->parent) : nullptr;
    if (!parent) return kNoWindow;
    auto it = std::find(parent->children.begin(), parent->children.end(), w);
    return it == parent->children.end() || it + 1 == parent->children.end() ? kNoWindow : *(it + 1);
}

WindowHandle SimDesktop::Owner(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->owner : kNoWindow;
}

WindowHandle SimDesktop::FindWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& title) {
    std::lock_guard lock(mutex_);
    for (WindowHandle h : Find(desktop_)->children) {
        const Window& win = *Find(h);
        if (className && win.className != *className) continue;
        if (title && win.title != *title) continue;
        return h;
    }
    return kNoWindow;
}

std::intptr_t SimDesktop::DefaultHitTest(const Rect& r, const Insets& in, Point p) {
    if (!r.Contains(p)) return hit::kNowhere;
    Rect client{r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
    return client.Contains(p) ? hit::kClient : hit::kCaption;
}

std::intptr_t SimDesktop::HitTest(WindowHandle w, Point screen) {
    const Window* win = Find(w);
    if (!win) return hit::kNowhere;
    if (win->hitTester) return win->hitTester(screen);
    return DefaultHitTest(win->rect, win->insets, screen);
}

WindowHandle SimDesktop::ChildAt(WindowHandle parentHandle, Point screen) {
    // Copy: a hit tester may read the desktop, though it must not reshape it.
    std::vector<WindowHandle> children = Find(parentHandle)->children;
    for (WindowHandle h : children) {
        const Window* win = Find(h);
        if (!win || !win->visible || !win->rect.Contains(screen)) continue;
        if (HitTest(h, screen) == hit::kTransparent) continue;
        Rect c = win->rect;
        Rect client{c.left + win->insets.left, c.top + win->insets.top, c.right - win->insets.right,
                    c.bottom - win->insets.bottom};
        if (client.Contains(screen)) {
            if (WindowHandle deeper = ChildAt(h, screen)) return deeper;
        }
        return h;
    }
    return kNoWindow;
}

WindowHandle SimDesktop::WindowFromPoint(Point screen) {
    std::lock_guard lock(mutex_);
    return ChildAt(desktop_, screen);
}

WindowHandle SimDesktop::ForegroundWindow() {
    std::lock_guard lock(mutex_);
    return foreground_;
}

// --- facts -----------------------------------------------------------------

bool SimDesktop::IsWindow(WindowHandle w) {
    std::lock_guard lock(mutex_);
    return Find(w) != nullptr;
}

bool SimDesktop::IsVisible(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    if (!win) return false;
    for (; win && win != Find(desktop_); win = Find(win->parent))
        if (!win->visible) return false;
    return true;
}

std::string SimDesktop::Title(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->title : std::string();
}

std::string SimDesktop::ClassName(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->className : std::string();
}

std::uint32_t SimDesktop::ProcessId(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->processId : 0;
}

std::uint32_t SimDesktop::ThreadId(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->threadId : 0;
}

std::uint32_t SimDesktop::CurrentProcessId() {
    std::lock_guard lock(mutex_);
    return currentProcessId_;
}

Rect SimDesktop::WindowRect(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win ? win->rect : Rect{};
}

Rect SimDesktop::ClientRect(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    if (!win) return Rect{};
    int width = std::max(0, win->rect.Width() - win->insets.left - win->insets.right);
    int height = std::max(0, win->rect.Height() - win->insets.top - win->insets.bottom);
    return Rect{0, 0, width, height};
}

Point SimDesktop::ClientToScreen(WindowHandle w, Point p) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    if (!win) return p;
    return Point{p.x + win->rect.left + win->insets.left, p.y + win->rect.top + win->insets.top};
}

Point SimDesktop::ScreenToClient(WindowHandle w, Point p) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    if (!win) return p;
    return Point{p.x - win->rect.left - win->insets.left, p.y - win->rect.top - win->insets.top};
}

// --- messages --------------------------------------------------------------

MessageRecord SimDesktop::Record(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam, bool sent, bool fromInput) {
    MessageRecord r;
    r.fromInput = fromInput;
    r.window = w;
    r.message = message;
    r.wParam = wParam;
    r.lParam = lParam;
    r.tick = clock_.TickCount();
    r.micros = clock_.MonotonicMicros();
    r.sent = sent;
    std::lock_guard lock(mutex_);
    r.delivered = Find(w) != nullptr;
    if (const auto refused = refusing_.find(w); !sent && !fromInput && refused != refusing_.end())
        if (!refused->second || *refused->second == message) r.delivered = false;
    if (messages_.size() < kMaxMessages) messages_.push_back(r);
    return r;
}

void SimDesktop::RefusePosts(WindowHandle w, std::optional<std::uint32_t> message) {
    std::lock_guard lock(mutex_);
    refusing_[w] = message;
}

void SimDesktop::AcceptPosts(WindowHandle w) {
    std::lock_guard lock(mutex_);
    refusing_.erase(w);
}

bool SimDesktop::PostMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    MessageRecord r = Record(w, message, wParam, lParam, false);
    MessageObserver observer;
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
    }
    if (observer) observer(r);
    return r.delivered;
}

std::intptr_t SimDesktop::SendMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
    MessageRecord r = Record(w, message, wParam, lParam, true);
    std::intptr_t answer = 0;
    MessageHandler handler;
    MessageObserver observer;
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
        if (r.delivered) {
            if (message == msg::kNcHitTest)
                answer = HitTest(w, PointFromLParam(lParam));
            else
                handler = Find(w)->handler;
        }
    }
    if (handler) answer = handler(message, wParam, lParam);
    if (observer) observer(r);
    if (IsHung(w)) clock_.Sleep(kHungSendMs);
    return answer;
}

// --- placement -------------------------------------------------------------

std::optional<WindowPlacement> SimDesktop::GetPlacement(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    if (!win || w == desktop_) return std::nullopt;
    WindowPlacement p;
    p.showCmd = win->showCmd;
    p.normalPosition = win->rect;
    return p;
}

bool SimDesktop::SetPlacement(WindowHandle w, const WindowPlacement& p) {
    std::lock_guard lock(mutex_);
    Window* win = Find(w);
    if (!win || w == desktop_) return false;
    win->rect = p.normalPosition;
    win->showCmd = p.showCmd;
    win->visible = p.showCmd != kSwHide;
    return true;
}

bool SimDesktop::IsTopmost(WindowHandle w) {
    std::lock_guard lock(mutex_);
    const Window* win = Find(w);
    return win && win->topmost;
}

void SimDesktop::SetTopmost(WindowHandle w, bool topmost) {
    std::lock_guard lock(mutex_);
    Window* win = Find(w);
    if (!win || win->parent != desktop_) return;
    win->topmost = topmost;
    PlaceInBand(w, true);
}

void SimDesktop::MoveTopmostNoActivate(WindowHandle w, Point topLeft) {
    std::lock_guard lock(mutex_);
    Window* win = Find(w);
    if (!win || w == desktop_) return;
    win->rect = Rect{topLeft.x, topLeft.y, topLeft.x + win->rect.Width(), topLeft.y + win->rect.Height()};
    if (win->parent == desktop_) {
        win->topmost = true;
        PlaceInBand(w, true);
    }
}

void SimDesktop::Show(WindowHandle w, int showCmd) {
    std::lock_guard lock(mutex_);
    Window* win = Find(w);
    if (!win || w == desktop_) return;
    win->visible = showCmd != kSwHide;
    if (showCmd != kSwHide) win->showCmd = static_cast<std::uint32_t>(showCmd);
}

Rect SimDesktop::WorkArea() {
    std::lock_guard lock(mutex_);
    return workArea_;
}

int SimDesktop::DpiX() {
    std::lock_guard lock(mutex_);
    return dpiX_;
}

int SimDesktop::DpiY() {
    std::lock_guard lock(mutex_);
    return dpiY_;
}

int SimDesktop::DpiForWindow(WindowHandle w) {
    std::lock_guard lock(mutex_);
    // A child window has the DPI of its top-level window.
    const Window* win = Find(w);
    while (win && win->parent != desktop_ && win->parent != kNoWindow) win = Find(win->parent);
    if (!win || w == desktop_) return dpiY_;
    std::size_t best = 0;
    std::int64_t bestOverlap = -1;
    std::int64_t bestGap = 0;
    for (std::size_t i = 0; i < monitors_.size(); ++i) {
        const Rect area = i == 0 ? Rect{0, 0, screenSize_.x, screenSize_.y} : monitors_[i].area;
        const std::int64_t overlap = Overlap(win->rect, area);
        const std::int64_t gap = Gap(win->rect, area);
        if (overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && gap < bestGap)) {
            best = i;
            bestOverlap = overlap;
            bestGap = gap;
        }
    }
    return monitors_[best].dpi > 0 ? monitors_[best].dpi : dpiY_;
}

Point SimDesktop::ScreenSize() {
    std::lock_guard lock(mutex_);
    return screenSize_;
}

Rect SimDesktop::VirtualScreen() {
    std::lock_guard lock(mutex_);
    if (virtualScreen_.Width() > 0 && virtualScreen_.Height() > 0) return virtualScreen_;
    Rect bounds{0, 0, screenSize_.x, screenSize_.y};
    for (std::size_t i = 1; i < monitors_.size(); ++i) {
        const Rect& a = monitors_[i].area;
        bounds = Rect{std::min(bounds.left, a.left), std::min(bounds.top, a.top), std::max(bounds.right, a.right),
                      std::max(bounds.bottom, a.bottom)};
    }
    return bounds;
}

std::int16_t SimDesktop::KeyState(int virtualKey) {
    std::lock_guard lock(mutex_);
    auto it = keyStates_.find(virtualKey);
    return it == keyStates_.end() ? 0 : it->second;
}

std::int16_t SimDesktop::AsyncKeyState(int virtualKey) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(KeyState(virtualKey)) & 0x8000u);
}

std::uint32_t SimDesktop::DoubleClickTime() {
    std::lock_guard lock(mutex_);
    return doubleClickTime_;
}

Point SimDesktop::DoubleClickSize() {
    std::lock_guard lock(mutex_);
    return doubleClickSize_;
}

// --- windows that stop answering -----------------------------------------------

void SimDesktop::SetHung(WindowHandle w, bool hung) {
    std::lock_guard lock(mutex_);
    if (hung)
        hung_.insert(w);
    else
        hung_.erase(w);
}

bool SimDesktop::IsHung(WindowHandle w) const {
    std::lock_guard lock(mutex_);
    return hung_.count(w) != 0 && Find(w) != nullptr;
}

std::optional<std::intptr_t> SimDesktop::SendMessageTimeout(WindowHandle w, std::uint32_t message,
                                                            std::uintptr_t wParam, std::intptr_t lParam,
                                                            std::uint32_t timeoutMs) {
    if (!IsHung(w)) {
        if (!IsWindow(w)) {
            static_cast<void>(Record(w, message, wParam, lParam, true));
            return std::nullopt;
        }
        return SendMessage(w, message, wParam, lParam);
    }
    const MessageRecord r = Record(w, message, wParam, lParam, true);
    MessageObserver observer;
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
    }
    if (observer) observer(r);
    clock_.Sleep(timeoutMs);
    return std::nullopt;
}

}  // namespace xd::sim
