// Fixed facts about the script edition that its windows show.
#pragma once
#include <string>
#include <string_view>

namespace xd::script_edition {

inline constexpr std::wstring_view kInternalName = L"迅点小侠4";
inline constexpr std::wstring_view kProductName = L"岚榕_迅点小侠";
inline constexpr std::wstring_view kProductVersion = L"4.0.2.363";

// Product name, " (64位) " and the first three parts of the product version: the caption, the tray tip and
// the idle status text.
std::wstring ApplicationTitle();

}  // namespace xd::script_edition
