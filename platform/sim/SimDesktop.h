// A simulated desktop: a tree of windows with geometry, texts, z-order, hit-testing
// and a log of every message the core sends or posts.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/WindowSystem.h"

namespace xd::sim {

namespace hit {
constexpr std::intptr_t kTransparent = -1;  // HTTRANSPARENT: WindowFromPoint looks through it
constexpr std::intptr_t kNowhere = 0;
constexpr std::intptr_t kClient = 1;
constexpr std::intptr_t kCaption = 2;
}  // namespace hit

// Distances from each edge of the window rectangle to the client area.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a new window goes among its siblings.
enum class ZPlace {
    Default,  // top-level: on top (of its band); child: at the bottom, as CreateWindow does
    Top,
    Bottom,
};

struct WindowSpec {
    WindowHandle parent = kNoWindow;  // kNoWindow or the desktop: a top-level window
    WindowHandle owner = kNoWindow;
    std::uint32_t processId = 100;
    std::uint32_t threadId = 101;
    Rect rect{0, 0, 200, 100};  // screen coordinates, also for child windows
    Insets clientInsets{};      // e.g. {0, 30, 0, 0} for a 30-pixel title bar
    std::string title;
    std::string className;
    bool visible = true;
    bool topmost = false;  // top-level only: kept above all non-topmost windows
    ZPlace place = ZPlace::Default;
};

// A monitor besides the primary one: its place on the virtual screen and its pixels per inch.
struct MonitorSpec {
    Rect area{};
    int dpi = 96;
};

struct MessageRecord {
    WindowHandle window = kNoWindow;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::uint32_t tick = 0;       // IClock::TickCount at the call
    std::int64_t micros = 0;      // IClock::MonotonicMicros at the call
    bool sent = false;            // SendMessage rather than PostMessage
    bool delivered = false;       // false when the window did not exist or refused the post
    bool fromInput = false;       // a key message the input queue brought (SendInput), not a post
    friend bool operator==(const MessageRecord&, const MessageRecord&) = default;
};

// Thread-safe: a runner thread may post while the test thread inspects the log.
// Callbacks (hit-test answers, message handlers, the message observer) run outside
// the desktop's lock, so they may call back into it, e.g. to destroy a window.
class SimDesktop final : public IWindowSystem {
public:
    // Hit-test answer for a screen point (WM_NCHITTEST).
    using HitTester = std::function<std::intptr_t(Point screen)>;
    // Answer to any other sent message; posted messages are only logged.
    using MessageHandler = std::function<std::intptr_t(std::uint32_t, std::uintptr_t, std::intptr_t)>;
    // Sees every post and send after it is logged.
    using MessageObserver = std::function<void(const MessageRecord&)>;

    explicit SimDesktop(IClock& clock);

    // --- building the desktop ---------------------------------------------
    WindowHandle AddWindow(const WindowSpec& spec);
    // Destroys the window and all its descendants; false when it does not exist.
    bool DestroyWindow(WindowHandle w);
    // Moves w among its siblings: index 0 is the top; past the end is the bottom.
    // A top-level window stays inside its topmost or non-topmost band.
    bool SetZIndex(WindowHandle w, std::size_t index);
    bool SetWindowRect(WindowHandle w, const Rect& rect);  // children do not move with it
    bool SetClientInsets(WindowHandle w, const Insets& insets);
    bool SetTitle(WindowHandle w, const std::string& title);
    bool SetClassName(WindowHandle w, const std::string& className);
    bool SetVisible(WindowHandle w, bool visible);
    bool SetProcessAndThread(WindowHandle w, std::uint32_t processId, std::uint32_t threadId);
    bool SetHitTester(WindowHandle w, HitTester tester);  // empty restores the default
    bool SetMessageHandler(WindowHandle w, MessageHandler handler);
    void SetMessageObserver(MessageObserver observer);
    void SetForegroundWindow(WindowHandle w);
    void SetCurrentProcessId(std::uint32_t processId);
    void SetWorkArea(const Rect& area);
    void SetScreenSize(Point size);  // also resizes the desktop window
    // Unless set, the virtual screen is the smallest rectangle holding every monitor; an empty rectangle
    // goes back to that.
    void SetVirtualScreen(const Rect& area);
    void SetDpi(int dpiX, int dpiY);  // the system's, which the primary monitor keeps unless given its own
    // Monitor 0 is the primary, at (0, 0) with the screen size; the others are added. A DPI of 0 gives the
    // monitor the system's. False when there is no such monitor.
    std::size_t AddMonitor(const MonitorSpec& monitor);
    bool SetMonitorDpi(std::size_t index, int dpi);
    // GetKeyState's answer as it stands (high bit down, low bit toggled).
    void SetKeyState(int virtualKey, std::int16_t state);
    // A key or button goes down or up: the high bit follows and each press flips the
    // low bit. A left or right modifier (0xA0 .. 0xA5) also moves its generic key
    // (Shift, Ctrl, Alt), which is down while either side is. The hook chain calls
    // this after the hooks have seen the event.
    void SetKeyDown(int virtualKey, bool down);
    void SetDoubleClick(std::uint32_t milliseconds, Point size);
    // Gives w the keyboard focus of its thread (GetGUIThreadInfo's hwndFocus there).
    void SetFocus(WindowHandle w);
    // A key message from injected input reaches the window with the focus in the foreground window's thread,
    // else the foreground window; logged with fromInput. False when there is no such window.
    bool ReceiveKeyInput(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    // --- inspection ------------------------------------------------------
    std::vector<MessageRecord> Messages() const;
    // Delivered messages of one window, in order.
    std::vector<MessageRecord> MessagesTo(WindowHandle w) const;
    void ClearMessages();
    std::vector<WindowHandle> Children(WindowHandle w) const;  // z-order, top first
    std::size_t WindowCount() const;                            // without the desktop

    // --- IWindowSystem ------------------------------------------------------
    WindowHandle DesktopWindow() override;
    WindowHandle Parent(WindowHandle w) override;
    WindowHandle FirstChild(WindowHandle w) override;
    WindowHandle NextSibling(WindowHandle w) override;
    WindowHandle Owner(WindowHandle w) override;
    // Top-level windows only, top of the z-order first; nullopt matches anything,
    // a string (also "") must equal the class or title exactly. Hidden windows count.
    WindowHandle FindWindow(const std::optional<std::string>& className,
                            const std::optional<std::string>& title) override;
    // The deepest visible window at the point; a child is entered only through its
    // parent's client area; windows answering HTTRANSPARENT are looked through.
    WindowHandle WindowFromPoint(Point screen) override;
    WindowHandle ForegroundWindow() override;

    bool IsWindow(WindowHandle w) override;
    // Like IsWindowVisible: the window and all its ancestors are visible.
    bool IsVisible(WindowHandle w) override;
    std::string Title(WindowHandle w) override;
    std::string ClassName(WindowHandle w) override;
    std::uint32_t ProcessId(WindowHandle w) override;
    std::uint32_t ThreadId(WindowHandle w) override;
    std::uint32_t CurrentProcessId() override;
    Rect WindowRect(WindowHandle w) override;
    Rect ClientRect(WindowHandle w) override;
    Point ClientToScreen(WindowHandle w, Point p) override;
    Point ScreenToClient(WindowHandle w, Point p) override;

    bool PostMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    // WM_NCHITTEST is answered by the hit tester (lParam holds the signed 16-bit
    // screen x and y); other messages by the window's handler, else 0.
    std::intptr_t SendMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;

    // The normal position is kept in screen coordinates (the work area is taken to
    // start at the screen origin); showing normally moves the window there.
    std::optional<WindowPlacement> GetPlacement(WindowHandle w) override;
    bool SetPlacement(WindowHandle w, const WindowPlacement& p) override;
    bool IsTopmost(WindowHandle w) override;
    void SetTopmost(WindowHandle w, bool topmost) override;
    void MoveTopmostNoActivate(WindowHandle w, Point topLeft) override;
    void Show(WindowHandle w, int showCmd) override;  // SW_HIDE (0) hides, anything else shows
    Rect WorkArea() override;

    int DpiX() override;
    int DpiY() override;
    // The monitor that holds most of the top-level window's rectangle, or the nearest one when none does.
    int DpiForWindow(WindowHandle w) override;
    Point ScreenSize() override;
    Rect VirtualScreen() override;
    std::int16_t KeyState(int virtualKey) override;
    // GetAsyncKeyState: 0x8000 while down; the unreliable "pressed since the last
    // query" bit is never set.
    std::int16_t AsyncKeyState(int virtualKey);
    std::uint32_t DoubleClickTime() override;
    Point DoubleClickSize() override;
    WindowHandle FocusedWindow(WindowHandle w) override;
    // The United States layout for every window (SimKeyboardLayout).
    std::uint32_t ScanCode(WindowHandle w, int virtualKey) override;
    std::string KeyText(WindowHandle w, int virtualKey, std::uint32_t scanCode) override;

    // The default hit-test answer: client inside the client area, caption elsewhere
    // in the window rectangle, nowhere outside.
    static std::intptr_t DefaultHitTest(const Rect& windowRect, const Insets& insets, Point screen);

private:
    struct Window {
        WindowHandle parent = kNoWindow;
        WindowHandle owner = kNoWindow;
        std::vector<WindowHandle> children;  // top first
        std::uint32_t processId = 0;
        std::uint32_t threadId = 0;
        Rect rect{};
        Insets insets{};
        std::string title;
        std::string className;
        bool visible = true;
        bool topmost = false;
        std::uint32_t showCmd = 1;
        HitTester hitTester;
        MessageHandler handler;
    };

    Window* Find(WindowHandle w);
    // Applies f to a live window other than the desktop, under the lock.
    template <typename F>
    bool Edit(WindowHandle w, F&& f) {
        std::lock_guard lock(mutex_);
        Window* win = Find(w);
        if (!win || w == desktop_) return false;
        f(*win);
        return true;
    }
    const Window* Find(WindowHandle w) const;
    void Unlink(WindowHandle w);
    void InsertChild(Window& parent, WindowHandle w, std::size_t index);
    std::size_t BandStart(const Window& parent, bool topmost) const;
    std::size_t BandEnd(const Window& parent, bool topmost) const;
    void PlaceInBand(WindowHandle w, bool onTop);
    std::intptr_t HitTest(WindowHandle w, Point screen);
    WindowHandle ChildAt(WindowHandle parent, Point screen);
    MessageRecord Record(WindowHandle w, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                         bool sent, bool fromInput = false);

    IClock& clock_;
    mutable std::recursive_mutex mutex_;
    std::map<WindowHandle, Window> windows_;
    WindowHandle desktop_ = 0;
    WindowHandle nextHandle_ = 0;
    WindowHandle foreground_ = kNoWindow;
    std::uint32_t currentProcessId_ = 1;
    Rect workArea_{};
    Point screenSize_{};
    Rect virtualScreen_{};  // empty: the monitors' bounds
    int dpiX_ = 96;
    int dpiY_ = 96;
    std::vector<MonitorSpec> monitors_{MonitorSpec{{}, 0}};  // [0] the primary, its area the screen's
    std::map<int, std::int16_t> keyStates_;
    std::map<std::uint32_t, WindowHandle> focus_;  // by thread
    std::uint32_t doubleClickTime_ = 500;
    Point doubleClickSize_{4, 4};
    std::vector<MessageRecord> messages_;
    MessageObserver observer_;

public:
    // --- windows that stop answering ---------------------------------------
    // A hung window still receives posts but answers no sent message. SendMessage
    // to it blocks: it answers only after kHungSendMs of virtual time, long enough
    // to count as for good. SendMessageTimeout takes its time limit and fails.
    static constexpr std::uint32_t kHungSendMs = 600000;
    void SetHung(WindowHandle w, bool hung);
    bool IsHung(WindowHandle w) const;
    std::optional<std::intptr_t> SendMessageTimeout(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                                    std::intptr_t lParam, std::uint32_t timeoutMs) override;

    // --- windows of a program with higher rights ------------------------------
    // Posts to a refusing window fail and are logged as not delivered; with a
    // message, only that message is refused.
    void RefusePosts(WindowHandle w, std::optional<std::uint32_t> message = std::nullopt);
    void AcceptPosts(WindowHandle w);

private:
    std::set<WindowHandle> hung_;  // under mutex_
    std::map<WindowHandle, std::optional<std::uint32_t>> refusing_;  // under mutex_
};

}  // namespace xd::sim
