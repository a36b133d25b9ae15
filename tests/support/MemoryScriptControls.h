// The controls beside the editor without a window: keeps what it was told.
#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "documents/editor/ScriptControls.h"

namespace xd {

class MemoryScriptControls final : public IScriptControls {
public:
    int SliderPosition(Slider slider) override { return positions_[Index(slider)]; }
    void SetSliderPosition(Slider slider, int position) override {
        positions_[Index(slider)] = ClampSliderPosition(slider, position);
    }
    void SetSliderLabel(Slider slider, const std::string& text) override { labels_[Index(slider)] = text; }
    void SelectCommand(int index) override { selectedCommand_ = index; }
    void SetHelpText(const std::string& text) override { helpText_ = text; }
    void SetTemplateText(const std::string& text) override { templateText_ = text; }
    void SetModeButtonState(int state) override { modeButtonState_ = state; }
    void RedrawToolbar() override { ++toolbarRedraws_; }

    const std::string& SliderLabel(Slider slider) const { return labels_[Index(slider)]; }
    int SelectedCommand() const { return selectedCommand_; }  // -1: none
    const std::string& HelpText() const { return helpText_; }
    const std::string& TemplateText() const { return templateText_; }
    int ModeButtonState() const { return modeButtonState_; }
    int ToolbarRedraws() const { return toolbarRedraws_; }

private:
    static std::size_t Index(Slider slider) { return slider == Slider::Repeat ? 0 : 1; }

    // The start-up state of the main window.
    std::array<int, 2> positions_{0, kSpeedSliderStartPosition};
    std::array<std::string, 2> labels_{"回放次数：无限", "回放速度：正常"};
    int selectedCommand_ = -1;
    std::string helpText_;
    std::string templateText_;
    int modeButtonState_ = kModeButtonBackground;
    int toolbarRedraws_ = 0;
};

}  // namespace xd
