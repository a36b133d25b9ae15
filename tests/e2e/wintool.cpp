// Looks at a program's top-level window from another process, as a user's tool would, and prints what it
// finds as UTF-8 "key=value" lines for the test scripts.
//
//   wintool find  <class> <title> [wait-ms]   facts of the window and its children once it is visible (a window
//                                            is only there for a user when shown); exit 1 when none shows
//   wintool close <class> <title>             posts WM_CLOSE; exit 1 when not found
//   wintool gone  <class> <title> [wait-ms]   exit 0 once no such window exists, 1 when it stays
//   wintool text  <class> <title> <child-id>  the child's WM_GETTEXT as UTF-8, exactly (0: the window's own)
//   wintool settext <class> <title> <child-id> [text]  WM_SETTEXT to the child (empty without text)
//   wintool msgbox <caption> [wait-ms]        facts and text of a message box with this caption; exit 1 when none
//   wintool pos   <class> <title> <child-id>  a scroll bar control's position
//   wintool check <class> <title> <child-id>  a check box's state: 0 clear, 1 ticked
//   wintool icons <file>                      the file's icon groups in the order icon indexes count them
//   wintool count <class> <title>             how many such windows are visible
//   wintool dropped <class> <title> <child-id> a combo box's list: 1 dropped, 0 closed
//   wintool items <class> <title> <child-id>  how many lines a list box holds
//   wintool cursor                            "x y" of the pointer as Wine sees it now
//   wintool resources <class> <title>         the owning process's handles, GDI and user objects and private
//                                            memory (KB) as "key=value" on one line; n/a for what the system
//                                            does not tell (Wine answers 0 to GetGuiResources and PrivateUsage)
// A title of "*" matches any title of the class.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Written as UTF-8 bytes so the output does not depend on the console or ANSI code page.
void PrintRaw(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                nullptr);
}

void Print(const std::wstring& line) { PrintRaw(line + L"\n"); }

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

// WM_GETTEXT, sent with a timeout so a hung program cannot hang the test.
std::wstring TextOf(HWND w) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return L"";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                               5000, &copied)) {
        return L"";
    }
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring TitleOf(HWND w) { return TextOf(w); }

HWND Find(const wchar_t* cls, const wchar_t* title, DWORD waitMs, bool mustBeVisible) {
    const ULONGLONG end = ::GetTickCount64() + waitMs;
    for (;;) {
        HWND w = ::FindWindowW(cls, std::wcscmp(title, L"*") == 0 ? nullptr : title);
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
        Print(L"child=" + ClassOf(c) + L" id=" + std::to_wstring(::GetDlgCtrlID(c)) + L" visible=" +
              std::to_wstring(::IsWindowVisible(c) ? 1 : 0) + L" enabled=" +
              std::to_wstring(::IsWindowEnabled(c) ? 1 : 0) + L" rect=" + RectText(r));
    }
}

// A message box is a dialog (#32770) whose text is its static control with id 0xFFFF.
HWND FindMessageBox(const wchar_t* caption, DWORD waitMs) {
    const ULONGLONG end = ::GetTickCount64() + waitMs;
    for (;;) {
        HWND w = ::FindWindowW(L"#32770", caption);
        if (w && ::IsWindowVisible(w)) return w;
        if (::GetTickCount64() >= end) return nullptr;
        ::Sleep(100);
    }
}

struct Match {
    const wchar_t* cls;
    const wchar_t* title;
    int count;
};

BOOL CALLBACK CountVisible(HWND w, LPARAM param) {
    auto* match = reinterpret_cast<Match*>(param);
    if (::IsWindowVisible(w) && ClassOf(w) == match->cls &&
        (std::wcscmp(match->title, L"*") == 0 || TitleOf(w) == match->title)) {
        ++match->count;
    }
    return TRUE;
}

BOOL CALLBACK PrintIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR) {
    Print(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<UINT_PTR>(name)) : std::wstring(name));
    return TRUE;
}

// A GUI process always holds some handles, GDI and user objects and memory: 0 means the call is not
// implemented, not none.
std::wstring CountOrNa(bool known, unsigned long long value) { return known ? std::to_wstring(value) : L"n/a"; }

// Wine counts no handles in GetProcessHandleCount but lists them in the system's handle table
// (SystemExtendedHandleInformation, class 64): the entries of this process.
DWORD HandlesInSystemTable(DWORD pid) {
    struct Entry {
        void* object;
        ULONG_PTR pid;
        ULONG_PTR handle;
        ULONG access;
        USHORT creatorBackTrace;
        USHORT type;
        ULONG attributes;
        ULONG reserved;
    };
    struct Table {
        ULONG_PTR count;
        ULONG_PTR reserved;
        Entry entries[1];
    };
    using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    std::string buffer(1 << 20, '\0');
    ULONG needed = 0;
    while (query(64, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) != 0) {
        if (buffer.size() >= (64u << 20)) return 0;
        buffer.resize(buffer.size() * 2);
    }
    const auto* table = reinterpret_cast<const Table*>(buffer.data());
    DWORD count = 0;
    for (ULONG_PTR i = 0; i < table->count; ++i) count += table->entries[i].pid == pid ? 1 : 0;
    return count;
}

int PrintResources(HWND w) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return 1;
    DWORD handles = 0;
    if (!::GetProcessHandleCount(process, &handles) || handles == 0) handles = HandlesInSystemTable(pid);
    const DWORD gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    const bool haveMemory =
        ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory) &&
        memory.PrivateUsage > 0;
    ::CloseHandle(process);
    Print(L"pid=" + std::to_wstring(pid) + L" handles=" + CountOrNa(handles > 0, handles) + L" gdi=" +
          CountOrNa(gdi > 0, gdi) + L" user=" + CountOrNa(user > 0, user) + L" private_kb=" +
          CountOrNa(haveMemory, memory.PrivateUsage / 1024));
    return 0;
}

int Usage() {
    Print(L"usage: wintool find|close|gone|text|settext|pos|check|dropped|items|count <class> <title> [wait-ms|child-id]; "
          L"wintool msgbox <caption>; wintool icons <file>; wintool cursor; wintool resources <class> <title>");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && std::wstring(argv[1]) == L"msgbox") {
        HWND box = FindMessageBox(argv[2], argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 0);
        if (!box) return 1;
        DWORD pid = 0;
        ::GetWindowThreadProcessId(box, &pid);
        Print(L"hwnd=" + Hex(reinterpret_cast<UINT_PTR>(box)));
        Print(L"pid=" + std::to_wstring(pid));
        Print(L"caption=" + TitleOf(box));
        HWND text = ::GetDlgItem(box, 0xFFFF);
        Print(L"text=" + (text ? TextOf(text) : std::wstring()));
        return 0;
    }
    if (argc == 3 && std::wstring(argv[1]) == L"icons") {
        HMODULE file = ::LoadLibraryExW(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (!file) return 1;
        const BOOL listed = ::EnumResourceNamesW(file, RT_GROUP_ICON, &PrintIconGroup, 0);
        ::FreeLibrary(file);
        return listed ? 0 : 1;
    }
    if (argc == 2 && std::wstring(argv[1]) == L"cursor") {
        POINT p{};
        if (!::GetCursorPos(&p)) return 1;
        Print(std::to_wstring(p.x) + L" " + std::to_wstring(p.y));
        return 0;
    }
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
    if (command == L"resources") {
        HWND w = Find(cls, title, 0, false);
        return w ? PrintResources(w) : 1;
    }
    if (command == L"gone") {
        const ULONGLONG end = ::GetTickCount64() + waitMs;
        while (::FindWindowW(cls, std::wcscmp(title, L"*") == 0 ? nullptr : title)) {
            if (::GetTickCount64() >= end) return 1;
            ::Sleep(100);
        }
        return 0;
    }
    if (command == L"count") {
        Match match{cls, title, 0};
        ::EnumWindows(&CountVisible, reinterpret_cast<LPARAM>(&match));
        Print(std::to_wstring(match.count));
        return 0;
    }
    if (command == L"settext") {
        HWND w = Find(cls, title, 0, false);
        const int id = argc > 4 ? static_cast<int>(std::wcstol(argv[4], nullptr, 10)) : 0;
        HWND target = w && id ? ::GetDlgItem(w, id) : w;
        if (!target) return 1;
        DWORD_PTR done = 0;
        return ::SendMessageTimeoutW(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argc > 5 ? argv[5] : L""),
                                     SMTO_ABORTIFHUNG, 5000, &done) && done ? 0 : 1;
    }
    if (command == L"text" || command == L"pos" || command == L"check" || command == L"dropped" ||
        command == L"items") {
        HWND w = Find(cls, title, 0, false);
        if (!w) return 1;
        const int id = argc > 4 ? static_cast<int>(std::wcstol(argv[4], nullptr, 10)) : 0;
        HWND target = id ? ::GetDlgItem(w, id) : w;
        if (!target) return 1;
        if (command == L"pos") {
            Print(std::to_wstring(static_cast<int>(::SendMessageW(target, SBM_GETPOS, 0, 0))));
        } else if (command == L"items") {
            Print(std::to_wstring(static_cast<int>(::SendMessageW(target, LB_GETCOUNT, 0, 0))));
        } else if (command == L"dropped") {
            Print(std::to_wstring(static_cast<int>(::SendMessageW(target, CB_GETDROPPEDSTATE, 0, 0))));
        } else if (command == L"check") {
            Print(std::to_wstring(static_cast<int>(::SendMessageW(target, BM_GETCHECK, 0, 0))));
        } else {
            PrintRaw(TextOf(target));
        }
        return 0;
    }
    return Usage();
}
