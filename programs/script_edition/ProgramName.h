// The script edition's internal name: its forms' window classes are named after it (ui/WindowClass.h), and
// outside tools find its windows by those names.
#pragma once

namespace xd::script_edition {

inline constexpr wchar_t kInternalName[] = L"迅点小侠4";

}  // namespace xd::script_edition
