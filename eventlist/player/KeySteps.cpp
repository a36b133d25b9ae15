#include "eventlist/player/KeySteps.h"

#include <algorithm>

#include "eventlist/KeyEvent.h"

namespace xd {

KeyStroke EventStroke(const RecordedEvent& event) noexcept {
    const EventKey k = EventKeyOf(event.keyFlags);
    // 255 names no key either: the layouts use it for "none".
    const std::uint8_t key = k.key == 0xFF ? 0 : k.key;
    return KeyStroke{key, k.scanCode, k.extended, !IsKeyDownMessage(event.message)};
}

KeyStepOutcome InjectKey(IInput& input, const RecordedEvent& event, HeldKeyStrokes& held) {
    const KeyStroke stroke = EventStroke(event);
    if (stroke.key == 0) return KeyStepOutcome::NothingToPlay;
    if (input.SendKeyInput({StrokeRecord(stroke)}) != 1) return KeyStepOutcome::Refused;
    auto& down = held.down;
    // The key the system takes: by scan code where there is one, as StrokeRecord sends it.
    const auto same = [&stroke](const KeyStroke& s) {
        return stroke.scanCode != 0 ? s.scanCode == stroke.scanCode && s.extended == stroke.extended
                                    : s.scanCode == 0 && s.key == stroke.key;
    };
    down.erase(std::remove_if(down.begin(), down.end(), same), down.end());
    if (!stroke.up) down.push_back(stroke);
    return KeyStepOutcome::Played;
}

KeyStepOutcome PostKey(IWindowSystem& windows, const RecordedEvent& event, HeldKeys& held) {
    const KeyStroke stroke = EventStroke(event);
    if (stroke.key == 0) return KeyStepOutcome::NothingToPlay;
    const bool winHeld = held.Down(vk::kLeftWin);
    const KeyMessage m = StrokeMessage(stroke, held);
    const WindowHandle target = KeyTarget(windows, event.window);
    // A press that typed text goes as the text: the target would translate a posted key with its own key
    // state, which posts do not change, and a Shift (or AltGr) pressed for a capital would count for nothing.
    // A system key (Alt) stays a key, for the menus.
    const std::string text = m.message == msg::kKeyDown && !winHeld ? EventKeyText(event) : std::string();
    if (!text.empty()) {
        for (const KeyMessage& c : TextMessages(text))
            if (!windows.PostMessage(target, c.message, c.wParam, c.lParam)) return KeyStepOutcome::Refused;
        return KeyStepOutcome::Played;
    }
    return windows.PostMessage(target, m.message, m.wParam, m.lParam) ? KeyStepOutcome::Played
                                                                      : KeyStepOutcome::Refused;
}

void ReleaseHeldKeys(IInput& input, HeldKeyStrokes& held) {
    std::vector<KeyStroke> stillDown;
    // The last pressed first, as a hand lets go of a combination.
    for (auto s = held.down.rbegin(); s != held.down.rend(); ++s) {
        KeyStroke up = *s;
        up.up = true;
        if (input.SendKeyInput({StrokeRecord(up)}) != 1) stillDown.insert(stillDown.begin(), *s);
    }
    held.down = std::move(stillDown);
}

}  // namespace xd
