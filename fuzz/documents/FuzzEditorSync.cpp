// Any script text in the editor, the caret on any line, the sliders and the Mode button moved in any order:
// the coupling between 配置 lines and the controls must never crash, must keep the sliders inside their
// ranges, and must never touch a first line that is not itself a 配置 line (the header stays the header).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "documents/Options.h"
#include "documents/editor/ConfigLineSync.h"
#include "documents/editor/ScriptControls.h"
#include "engine/ScriptConfig.h"
#include "platform/sim/SimProfile.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"

namespace {

bool InRange(xd::IScriptControls& controls, xd::Slider slider) {
    const int p = controls.SliderPosition(slider);
    const xd::SliderRange r = xd::SliderRangeOf(slider);
    return p >= r.min && p <= r.max;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    xd::MemoryEditor editor;
    editor.SetEditorText(in.ConsumeRandomLengthString(8192));
    const std::string firstLine = editor.GetEditorLine(0);
    const bool firstIsConfig = firstLine.find("配置") != std::string::npos;

    xd::MemoryScriptControls controls;
    xd::ScriptConfig config;
    xd::Options options;
    xd::sim::SimProfile profile;
    bool suppressModified = false;
    int marked = 0;
    xd::ScriptEditorContext context{editor, controls, config, options, profile, "C:\\\\xd\\\\settings.ini",
                                    suppressModified, [&] { ++marked; }};
    xd::ShowScriptConfig(context);

    for (int i = 0; i < 64 && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
            case 0:
                editor.MoveCaretToLine(in.ConsumeIntegralInRange(-2, editor.EditorLineCount() + 2));
                xd::SyncFromCaretLine(context);
                break;
            case 1: {
                const auto slider = in.ConsumeBool() ? xd::Slider::Repeat : xd::Slider::Speed;
                controls.SetSliderPosition(slider, in.ConsumeIntegral<int>());
                suppressModified = in.ConsumeBool();
                xd::ApplySlider(context, slider);
                break;
            }
            case 2: xd::SetModeLine(editor, in.ConsumeBool()); break;
            case 3: xd::ShowScriptConfig(context); break;
            default:
                xd::RewriteConfigLine(editor, "配置.执行次数",
                                      "配置.执行次数=" + std::to_string(in.ConsumeIntegral<int>()));
                break;
        }
        if (!InRange(controls, xd::Slider::Repeat) || !InRange(controls, xd::Slider::Speed)) __builtin_trap();
        if (!firstIsConfig && editor.GetEditorLine(0) != firstLine) __builtin_trap();
    }
    return 0;
}
