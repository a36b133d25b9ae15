#include "eventlist/recording/KeyGroups.h"

#include "appcore/keyboard/KeyNames.h"
#include "eventlist/KeyEvent.h"

namespace xd {
namespace {

std::uint8_t HeldModifiers(const HeldKeys& held) noexcept {
    std::uint8_t bits = 0;
    if (held.Down(vk::kControl)) bits |= kModCtrl;
    if (held.Down(vk::kShift)) bits |= kModShift;
    if (held.Down(vk::kAlt)) bits |= kModAlt;
    if (held.Down(vk::kLeftWin)) bits |= kModWin;
    return bits;
}

bool AnyHeld(const HeldKeys& held) noexcept {
    for (int k = 1; k < 256; ++k)
        if (held.Down(static_cast<std::uint8_t>(k))) return true;
    return false;
}

// One key event as grouping sees it, against the keys held before it.
struct KeyFacts {
    std::uint8_t key = 0;  // generic
    bool down = false;
    bool modifier = false;
    std::uint8_t heldModifiers = 0;
    std::string text;  // what a typing press typed
    [[nodiscard]] bool Typing() const { return down && !modifier && !text.empty() && (heldModifiers & ~kModShift) == 0; }
};

KeyFacts FactsOf(const KeyGroupState& state, const RecordedEvent& event) {
    KeyFacts f;
    f.key = GenericEventKey(EventKeyOf(event.keyFlags).key);
    f.down = IsKeyDownMessage(event.message);
    f.modifier = IsModifierKey(f.key);
    f.heldModifiers = HeldModifiers(state.held);
    if (f.down && !f.modifier) f.text = EventKeyText(event);
    return f;
}

bool Joins(const KeyGroupState& s, const KeyFacts& f) {
    using Kind = KeyGroupState::Kind;
    if (s.kind == Kind::None) return false;
    // A release ends what the group pressed (or one pressed before it, which has no group left to join).
    if (!f.down) return true;
    if (f.modifier) return (s.kind == Kind::Typing && f.key == vk::kShift) || (s.kind != Kind::Typing && AnyHeld(s.held));
    if (f.Typing()) return s.kind == Kind::Typing || (s.kind == Kind::Modifiers && AnyHeld(s.held));
    if (s.kind == Kind::Modifiers) return f.heldModifiers != 0;
    // The same combination again while its modifiers stay down, or a key repeating as it is held.
    return s.kind == Kind::Combination && s.key == f.key && s.modifiers == f.heldModifiers &&
           (f.heldModifiers != 0 || s.held.Down(f.key));
}

void AddTyped(KeyGroupState& s, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && s.typedChars < kTypedNameChars) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        s.typed.append(text.substr(i, n));
        ++s.typedChars;
        i += n;
    }
}

// Like every group, named (and coloured) once it holds two events.
void Name(EventLine& line, const KeyGroupState& s) {
    if (line.eventCount < 2) return;
    std::string name = std::to_string(line.number);
    if (s.kind == KeyGroupState::Kind::Typing) {
        name += "：输入_";
        name += s.typed;
    } else {
        name += "：按键_";
        name += FormatKeyCombination(KeyCombination{s.modifiers, s.key});
    }
    line.name = std::move(name);
    line.colour = groupcolour::kKeys;
}

// What the line becomes with f: a modifier makes or keeps a group of modifiers, a typing press a run of
// typing, another key the combination of the modifiers held with it.
void Take(KeyGroupState& s, const KeyFacts& f) {
    using Kind = KeyGroupState::Kind;
    if (!f.down) return;
    if (f.modifier) {
        if (s.kind == Kind::None) {
            s.kind = Kind::Modifiers;
            s.key = f.key;
        }
        return;
    }
    if (f.Typing()) {
        if (s.kind != Kind::Typing) {
            s.kind = Kind::Typing;
            s.typed.clear();
            s.typedChars = 0;
        }
        AddTyped(s, f.text);
        return;
    }
    s.kind = Kind::Combination;
    s.modifiers = f.heldModifiers;
    s.key = f.key;
}

void Follow(KeyGroupState& s, const KeyFacts& f) {
    if (f.key != 0) s.held.Set(f.key, f.down);
}

}  // namespace

bool ExtendKeyGroup(EventLine& line, KeyGroupState& state, const std::vector<RecordedEvent>& events,
                    std::int32_t e) {
    const RecordedEvent& event = events[static_cast<std::size_t>(e)];
    if (!IsKeyMessage(event.message)) return false;
    const KeyFacts f = FactsOf(state, event);
    if (!Joins(state, f)) return false;
    Take(state, f);
    Follow(state, f);
    ++line.eventCount;
    Name(line, state);
    return true;
}

void StartLine(EventLine& line, KeyGroupState& state, const RecordedEvent& event) {
    state.kind = KeyGroupState::Kind::None;
    if (!IsKeyMessage(event.message)) return;
    const KeyFacts f = FactsOf(state, event);
    state.modifiers = 0;
    state.key = f.key;
    // A release that starts a line names the key it lets go of.
    state.kind = f.modifier || !f.down ? KeyGroupState::Kind::Modifiers : KeyGroupState::Kind::None;
    Take(state, f);
    Follow(state, f);
    Name(line, state);
}

}  // namespace xd
