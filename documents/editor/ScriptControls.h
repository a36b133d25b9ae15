// The window controls beside the editor that the editor logic moves: the two
// sliders with their labels, the command list with its help boxes, the Mode
// toolbar button. The Win32 main window implements it over HScroll1, Label1,
// List1, Text1, Text2 and the toolbar strip; the tests have a window-free one.
#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace xd {

enum class Slider { Repeat = 0, Speed = 1 };  // HScroll1 index 0 and 1

struct SliderRange {
    int min = 0;
    int max = 0;
};

constexpr SliderRange kRepeatSliderRange{0, 1000};
constexpr SliderRange kSpeedSliderRange{-9, 200};
constexpr int kSpeedSliderStartPosition = 1;  // created at 1, labelled "normal" until moved

constexpr SliderRange SliderRangeOf(Slider slider) {
    return slider == Slider::Repeat ? kRepeatSliderRange : kSpeedSliderRange;
}

// A scroll bar keeps its position inside its range whatever it is told.
constexpr int ClampSliderPosition(Slider slider, int position) {
    const SliderRange range = SliderRangeOf(slider);
    return position < range.min ? range.min : position > range.max ? range.max : position;
}

// Mode toolbar button states: 1 background (not pressed), 2 foreground.
constexpr int kModeButtonBackground = 1;
constexpr int kModeButtonForeground = 2;

class IScriptControls {
public:
    virtual ~IScriptControls() = default;
    virtual int SliderPosition(Slider slider) = 0;
    // Clamped into the slider's range.
    virtual void SetSliderPosition(Slider slider, int position) = 0;
    virtual void SetSliderLabel(Slider slider, const std::string& text) = 0;
    // List1 selection by index in command-list order.
    virtual void SelectCommand(int index) = 0;
    virtual void SetHelpText(const std::string& text) = 0;      // Text1
    virtual void SetTemplateText(const std::string& text) = 0;  // Text2
    virtual void SetModeButtonState(int state) = 0;
    virtual void RedrawToolbar() = 0;
};

}  // namespace xd
