// The main window without a window: keeps what the main-window logic told it.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recorder/app/MainWindowView.h"

namespace xd::test {

class RecordingMainWindowView final : public IMainWindowView {
public:
    WindowHandle Handle() override { return handle; }
    void SetWindowTitle(const std::string& t) override { title = t; }
    void SetTrayTip(const std::string& tip) override { trayTip = tip; }
    void SetWindowSize(WindowSize96 s) override { sizes.push_back(s); }
    void FocusEditor() override { ++focusCount; }
    void SetCommand6Enabled(bool enabled) override { command6Enabled = enabled; }
    void SetWaitCursor(bool) override {}
    void FillCommandList(const std::array<std::string_view, kCommandCount>& names) override {
        commandList.assign(names.begin(), names.end());
    }
    void ShowHelpImage(bool show) override { helpImageShown = show; }
    void ShowHelpMenuAtPointer() override { ++helpMenus; }
    bool IsVisible() override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    void RepaintAll() override { ++repaints; }

    WindowHandle handle = kNoWindow;
    std::string title;
    std::string trayTip;
    std::vector<WindowSize96> sizes;
    int focusCount = 0;
    // Unset until the logic says: the control's created state must not decide it.
    std::optional<bool> command6Enabled;
    std::vector<std::string_view> commandList;
    bool helpImageShown = false;
    int helpMenus = 0;
    bool visible = true;
    int repaints = 0;
};

}  // namespace xd::test
