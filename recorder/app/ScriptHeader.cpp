#include "recorder/app/ScriptHeader.h"

namespace xd {

std::string HeaderVersion(std::string_view productVersion) {
    std::size_t end = 0;
    for (int dots = 0; end < productVersion.size(); ++end) {
        if (productVersion[end] == '.' && ++dots == 3) break;
    }
    return std::string(productVersion.substr(0, end));
}

std::string ScriptHeaderText(std::string_view version, bool foreground, bool clickEffect, bool virtualPointer) {
    std::string text = "'岚榕迅点小侠脚本，版本：";
    text += version;
    text += "  <--第一行不可删除和修改";
    text += "\r\n'本软件只录制和回放鼠标点击、拖动、滚轮，非全部动作。";
    text += "\r\n'忽略移动和非常规操作,如：按下左键再按下右键再释放左键等等。";
    text += "\r\n'可以直接复制脚本到QFW编程软件生成单独软件，详见帮助。";
    text += "\r\n配置.执行次数=0 '=0为无限循环，直到按下停止键。";
    text += "\r\n配置.执行速度=1 '0.01 -- 999";
    text += std::string("\r\n配置.前台模式=") + (foreground ? "1" : "0") + " '=0后台模式 =1前台模式";
    text += std::string("\r\n配置.点击效果=") + (clickEffect ? "1" : "0") + " '=0不显示 =1显示";
    text += std::string("\r\n配置.虚拟鼠标=") + (virtualPointer ? "1" : "0") + " '=0不显示 =1显示";
    text += "\r\n配置.随机偏移=0 '0--999 ";
    return text;
}

void WriteScriptHeader(AppContext& context) {
    AppModel& model = context.model;
    const bool foreground = model.window.buttons[kModeButton].state != kButtonEnabled;
    const bool clickEffect = model.options.clickEffect != 0;
    const bool virtualPointer = model.options.virtualPointer != 0;
    context.editor.SetEditorText(
        ScriptHeaderText(HeaderVersion(model.window.info.productVersion), foreground, clickEffect, virtualPointer));
    context.view.FocusEditor();

    ScriptConfig& config = model.config;
    config.repeatCount.store(0);
    config.speed.store(1.0f);
    config.foregroundMode.store(foreground ? 1 : 0);
    config.clickEffect.store(clickEffect ? 1 : 0);
    config.virtualPointer.store(virtualPointer ? 1 : 0);
    config.startPosition.store(model.options.moveToStart);
    config.moveMouse.store(model.options.moveMouse);
    config.randomOffset.store(0);
}

}  // namespace xd
