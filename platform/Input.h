// Synthesized input and the real pointer.
#pragma once
#include <vector>

#include "Types.h"

namespace xd {

class IInput {
public:
    virtual ~IInput() = default;
    // One SendInput call with every record; returns how many were inserted.
    [[nodiscard]] virtual unsigned SendMouseInput(const std::vector<MouseInputRecord>& records) = 0;
    // One SendInput call with keyboard records; returns how many were inserted.
    [[nodiscard]] virtual unsigned SendKeyInput(const std::vector<KeyInputRecord>& records) = 0;
    [[nodiscard]] virtual bool SetCursorPos(Point screen) = 0;
    virtual Point GetCursorPos() = 0;
};

}  // namespace xd
