// Modal message boxes: caption, text and MB_* flags in, an ID* answer out.
#pragma once
#include <cstdint>
#include <string>

#include "Types.h"

namespace xd {

namespace mb {
constexpr std::uint32_t kOk = 0x00000000;
constexpr std::uint32_t kOkCancel = 0x00000001;
constexpr std::uint32_t kAbortRetryIgnore = 0x00000002;
constexpr std::uint32_t kYesNoCancel = 0x00000003;
constexpr std::uint32_t kYesNo = 0x00000004;
constexpr std::uint32_t kRetryCancel = 0x00000005;
constexpr std::uint32_t kIconError = 0x00000010;
constexpr std::uint32_t kIconQuestion = 0x00000020;
constexpr std::uint32_t kIconWarning = 0x00000030;
constexpr std::uint32_t kIconInformation = 0x00000040;
constexpr std::uint32_t kDefButton2 = 0x00000100;
constexpr std::uint32_t kSystemModal = 0x00001000;
constexpr std::uint32_t kTaskModal = 0x00002000;
constexpr std::uint32_t kTopmost = 0x00040000;
}  // namespace mb

namespace id {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kAbort = 3;
constexpr int kRetry = 4;
constexpr int kIgnore = 5;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace id

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // Texts are UTF-8; returns the ID* of the pressed button.
    [[nodiscard]] virtual int Show(WindowHandle owner, const std::string& text, const std::string& caption,
                     std::uint32_t flags) = 0;
};

}  // namespace xd
