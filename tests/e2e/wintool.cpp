// Looks at a program's top-level window from another process, as a user's tool would, and prints what it
// finds as UTF-8 "key=value" lines for the test scripts.
//
//   wintool find  <class> <title> [wait-ms]   facts of the window and its children once it is visible (a window
//                                            is only there for a user when shown); exit 1 when none shows
//   wintool close <class> <title>             posts WM_CLOSE; exit 1 when not found
//   wintool gone  <class> <title> [wait-ms]   exit 0 once no such window exists, 1 when it stays
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Written as UTF-8 bytes so the output does not depend on the console or ANSI code page.
void Print(const std::wstring& line) {
    std::wstring text = line + L"\n";
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                nullptr);
}

std::wstring Hex(unsigned long long v) {
    wchar_t buf[32];
    std::swprintf(buf, 32, L"0x%llX", v);
    return buf;
}

std::wstring RectText(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom) + L" size=" + std::to_wstring(r.right - r.left) + L"x" +
           std::to_wstring(r.bottom - r.top);
}

std::wstring ClassOf(HWND w) {
    wchar_t buf[256] = {};
    ::GetClassNameW(w, buf, 256);
    return buf;
}

std::wstring TitleOf(HWND w) {
    const int length = ::GetWindowTextLengthW(w);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(w, text.data(), length + 1)));
    return text;
}

HWND Find(const wchar_t* cls, const wchar_t* title, DWORD waitMs, bool mustBeVisible) {
    const ULONGLONG end = ::GetTickCount64() + waitMs;
    for (;;) {
        HWND w = ::FindWindowW(cls, title);
        if (w && (!mustBeVisible || ::IsWindowVisible(w))) return w;
        if (::GetTickCount64() >= end) return nullptr;
        ::Sleep(100);
    }
}

void Describe(HWND w) {
    RECT window{}, client{};
    ::GetWindowRect(w, &window);
    ::GetClientRect(w, &client);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    const LONG_PTR style = ::GetWindowLongPtrW(w, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(w, GWL_EXSTYLE);
    Print(L"hwnd=" + Hex(reinterpret_cast<UINT_PTR>(w)));
    Print(L"pid=" + std::to_wstring(pid));
    Print(L"class=" + ClassOf(w));
    Print(L"title=" + TitleOf(w));
    Print(L"visible=" + std::to_wstring(::IsWindowVisible(w) ? 1 : 0));
    Print(L"topmost=" + std::to_wstring((exStyle & WS_EX_TOPMOST) ? 1 : 0));
    Print(L"style=" + Hex(static_cast<unsigned long long>(style) & 0xFFFFFFFFull));
    Print(L"exstyle=" + Hex(static_cast<unsigned long long>(exStyle) & 0xFFFFFFFFull));
    Print(L"window=" + RectText(window));
    Print(L"client=" + RectText(client));
    for (HWND c = ::GetWindow(w, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(c, &r);
        Print(L"child=" + ClassOf(c) + L" id=" + std::to_wstring(::GetDlgCtrlID(c)) + L" rect=" + RectText(r));
    }
}

int Usage() {
    Print(L"usage: wintool find|close|gone <class> <title> [wait-ms]");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) return Usage();
    const std::wstring command = argv[1];
    const wchar_t* cls = argv[2];
    const wchar_t* title = argv[3];
    const DWORD waitMs = argc > 4 ? static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10)) : 0;

    if (command == L"find") {
        HWND w = Find(cls, title, waitMs, true);
        if (!w) return 1;
        Describe(w);
        return 0;
    }
    if (command == L"close") {
        HWND w = Find(cls, title, waitMs, false);
        return w && ::PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (command == L"gone") {
        const ULONGLONG end = ::GetTickCount64() + waitMs;
        while (::FindWindowW(cls, title)) {
            if (::GetTickCount64() >= end) return 1;
            ::Sleep(100);
        }
        return 0;
    }
    return Usage();
}
