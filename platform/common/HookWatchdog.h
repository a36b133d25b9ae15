// Noticing hooks the system removed, and saying so once in the status line.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/InputHooks.h"
#include "platform/MessageBoxes.h"

namespace xd {

// How long the system may see input while our hooks see none before they count as gone.
inline constexpr std::uint32_t kHookSilenceMs = 2000;

// Checked on the status tick, on the thread that owns the hooks.
class HookWatchdog {
public:
    HookWatchdog(IInputHooks& hooks, std::uint32_t now) noexcept;

    // After the hooks were installed: what came before no longer counts against them.
    void Restart(std::uint32_t now) noexcept;
    // Reinstalls the hooks when the system took input since the last check while ours
    // have been silent for kHookSilenceMs; true when it did.
    [[nodiscard]] bool Check(std::uint32_t now) noexcept;

private:
    IInputHooks& hooks_;
    std::uint32_t systemInputAtCheck_ = 0;
    std::uint32_t hookEventAtCheck_ = 0;
    std::uint32_t heardAt_ = 0;  // the last hook event, or the (re)installation
    // Latched once the silence is long enough, so a tick count that wraps past
    // heardAt_ after weeks of quiet cannot make the hooks look fresh again.
    bool silent_ = false;
};

inline constexpr std::string_view kHooksReinstalledNote = "键盘鼠标钩子已重新安装，录制时可能漏掉了部分输入。";
// Told once in a box at start-up and then in the status line, unless a playback has it.
inline constexpr std::string_view kHooksMissingNote =
    "键盘鼠标钩子安装失败：热键、Esc 停止和录制都不可用，按钮仍可使用。请重新启动本程序。";
// How many 100 ms status ticks the note stays before the recording's own status returns.
inline constexpr int kHooksNoteTicks = 30;

// The box at start-up when the notice says the hooks are missing; nothing otherwise.
void TellHooksMissing(const class HooksReinstalledNotice& notice, IMessageBoxes& boxes, WindowHandle owner);

// The note for one recording: shown on the first reinstallation while recording,
// for kHooksNoteTicks ticks, and not again until the next recording. Hooks that could
// not be installed at all are told on every tick but a playback's.
class HooksReinstalledNotice {
public:
    // Once per status tick; the note while it is to be shown in place of the status.
    [[nodiscard]] std::optional<std::string_view> Tick(bool recording, bool reinstalled, bool playing) noexcept;

    // The result of the installation at start-up.
    void SetInstalled(bool installed) noexcept { missing_ = !installed; }
    [[nodiscard]] bool Missing() const noexcept { return missing_; }

private:
    bool told_ = false;
    int ticksLeft_ = 0;
    bool missing_ = false;
};

}  // namespace xd
