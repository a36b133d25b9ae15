// The editing control's one-time set-up as data: the Win32 wrapper walks these
// values when the main window creates the control. Style numbers are those of
// the control's VB lexer.
#pragma once
#include <cstdint>
#include <string_view>

namespace xd::editorsetup {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    // The 0x00BBGGRR form the control takes.
    constexpr std::uint32_t ColorRef() const { return r | (g << 8) | (static_cast<std::uint32_t>(b) << 16); }
};

constexpr Rgb kBlack{0x00, 0x00, 0x00};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

// Default style; every style starts as a copy of it (STYLECLEARALL).
constexpr std::string_view kFontName = "SimSun";
constexpr int kFontSize = 9;
constexpr Rgb kDefaultFore = kBlack;
constexpr Rgb kDefaultBack = kWhite;

// Margin 0 holds line numbers, as wide as this text in style 0.
constexpr std::string_view kLineNumberWidthText = "_9999";
constexpr Rgb kLineNumberFore = kBlack;
constexpr Rgb kLineNumberBack{0xC0, 0xC0, 0xC0};
// Margin 1: a text margin, mouse-sensitive, this many 96-DPI pixels.
constexpr int kTextMarginWidth96 = 4;
constexpr bool kTextMarginMouseSensitive = true;

constexpr int kExtraAscent = 2;
constexpr int kExtraDescent = 2;
constexpr int kTabWidth = 3;
constexpr int kIndent = 3;
constexpr bool kUseTabs = false;
constexpr bool kRectangularVirtualSpace = true;  // SCVS_RECTANGULARSELECTION
constexpr bool kRealIndentationGuides = true;    // SC_IV_REAL

constexpr Rgb kSelectionFore = kWhite;
constexpr Rgb kSelectionBack{0x20, 0x20, 0xFF};
constexpr Rgb kCaretFore = kBlack;
constexpr int kCaretWidth = 2;
constexpr Rgb kCaretLineBack{0xEF, 0xE2, 0xA0};
constexpr bool kCaretLineAlwaysVisible = true;  // also without the focus
constexpr bool kSelectionFillsToLineEnd = true;
constexpr bool kHotspotsUnderlined = true;
constexpr bool kMultipleSelection = false;
constexpr bool kMultiPaste = false;
constexpr bool kAdditionalSelectionTyping = true;
constexpr bool kScrollWidthTracking = true;
// The program shows its own edit menu (PopupMenu2) instead.
constexpr bool kControlPopupMenu = false;

constexpr std::string_view kWordChars = "&~_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

constexpr int kLexerVb = 8;  // SCLEX_VB
// The lexer counts "." as a word character, so each 配置 member is one keyword.
constexpr std::string_view kKeywords =
    "配置 目标窗口 鼠标点击 鼠标拖移 鼠标滚轮 键盘按键 输入文字 "
    "配置.执行次数 配置.执行速度 配置.前台模式 配置.点击效果 配置.虚拟鼠标 "
    "配置.随机偏移";

struct LexerStyle {
    int style = 0;
    Rgb fore;
    Rgb back = kWhite;
    bool bold = false;
};

constexpr int kStyleComment = 1;
constexpr int kStyleNumber = 2;
constexpr int kStyleKeyword = 3;
constexpr int kStyleString = 4;
constexpr int kStyleOperator = 6;

constexpr LexerStyle kLexerStyles[] = {
    {kStyleComment, {0x80, 0x80, 0x80}},
    {kStyleKeyword, {0x00, 0x00, 0xFF}},
    {kStyleNumber, {0x00, 0x82, 0x56}, kWhite, true},
    {kStyleOperator, {0xFF, 0x00, 0x00}},
    {kStyleString, kBlack},
};
// Keywords keep their case as typed (SC_CASE_MIXED).
constexpr int kKeywordCaseMixed = 0;

constexpr std::string_view kFoldProperty = "fold";
constexpr std::string_view kFoldValue = "0";

}  // namespace xd::editorsetup
