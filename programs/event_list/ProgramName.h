// The event-list edition's internal name: its forms' window classes are named after it (ui/WindowClass.h),
// and outside tools find its windows by those names.
#pragma once

namespace xd::event_list {

inline constexpr wchar_t kInternalName[] = L"迅点小侠";

}  // namespace xd::event_list
