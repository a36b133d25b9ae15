// Builds a 100 000-line script shaped like a long recording and times the check
// pass a playback runs before its first action.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "engine/CheckScript.h"

namespace {

constexpr int kLines = 100'000;

std::string BuildScript() {
    const char* const header[] = {
        "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改",
        "'本软件只录制和回放鼠标点击、拖动、滚轮，非全部动作。",
        "'忽略移动和非常规操作,如：按下左键再按下右键再释放左键等等。",
        "'可以直接复制脚本到QFW编程软件生成单独软件，详见帮助。",
        "配置.执行次数=0 '=0为无限循环，直到按下停止键。",
        "配置.执行速度=1 '0.01 -- 999",
        "配置.前台模式=0 '=0后台模式 =1前台模式",
        "配置.点击效果=1 '=1显示点击效果",
        "配置.虚拟鼠标=1 '=1后台模式时显示虚拟鼠标",
        "配置.随机偏移=0 '0--999",
    };
    std::string text;
    int line = 0;
    auto add = [&](const std::string& s) {
        if (line > 0) text += "\r\n";
        text += s;
        ++line;
    };
    for (const char* h : header) add(h);
    unsigned seed = 12345;
    auto next = [&](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % range);
    };
    while (line < kLines) {
        if (line % 40 == 10) {
            add("目标窗口(\"无标题 - 记事本\",\"Notepad\",\"" + std::to_string(next(3)) + "," +
                std::to_string(next(5)) + "\")");
            continue;
        }
        const int x = next(1920);
        const int y = next(1080);
        switch (next(10)) {
            case 0:
                add("鼠标拖移(1," + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(x + 40) + "," +
                    std::to_string(y + 25) + "," + std::to_string(200 + next(800)) + "," +
                    std::to_string(next(3000)) + ")");
                break;
            case 1:
                add("鼠标滚轮(-120," + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(1 + next(5)) +
                    "," + std::to_string(next(2000)) + ")");
                break;
            default:
                add("鼠标点击(" + std::to_string(1 + next(3)) + "," + std::to_string(x) + "," + std::to_string(y) +
                    "," + std::to_string(1 + next(2)) + "," + std::to_string(next(3000)) + ")");
                break;
        }
    }
    return text;
}

}  // namespace

int main() {
    const std::string script = BuildScript();
    double best = 1e300;
    std::size_t commands = 0;
    for (int run = 0; run < 5; ++run) {
        xd::ScriptConfig config;
        const auto start = std::chrono::steady_clock::now();
        const xd::ScriptCheck check = xd::CheckScript(script, config);
        const auto end = std::chrono::steady_clock::now();
        if (check.status != xd::ScriptCheckStatus::Passed) {
            std::printf("check failed: %s\n", check.message.c_str());
            return 1;
        }
        commands = check.commands.size();
        best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::printf("script: %zu bytes, %zu statements, best of 5 runs\n", script.size(), commands);
    std::printf("check: %d lines in %.0f ms\n", kLines, best);
    return 0;
}
