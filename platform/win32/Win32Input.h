// SendInput with INPUT_MOUSE records and the real pointer position.
#pragma once
#include "platform/Input.h"

namespace xd::win32 {

class Win32Input final : public IInput {
public:
    unsigned SendMouseInput(const std::vector<MouseInputRecord>& records) override;
    unsigned SendKeyInput(const std::vector<KeyInputRecord>& records) override;
    bool SetCursorPos(Point screen) override;
    Point GetCursorPos() override;
};

}  // namespace xd::win32
