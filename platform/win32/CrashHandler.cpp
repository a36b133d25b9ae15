#include "platform/win32/CrashHandler.h"

#include "platform/win32/WinHeaders.h"
// dbghelp.h needs windows.h before it.
#include <dbghelp.h>

#include <atomic>
#include <exception>
#include <string>

#include "platform/Text.h"
#include "platform/common/CrashReport.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessageBoxes.h"

namespace xd::win32 {

namespace {

using MiniDumpWriteDumpFn = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                          PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);

// The code a C++ exception that nothing caught is reported with: the customer bit set, as codes of a program's own
// must be, and "XD" in the low word.
constexpr DWORD kUncaughtCppException = 0xE0005844;

struct Installed {
    CrashReportSetup setup;
    MiniDumpWriteDumpFn writeDump = nullptr;
};
// Made once at start-up and never freed, so that a crash among the exit's destructors still finds it.
Installed* g_installed = nullptr;
std::atomic<bool> g_reporting{false};
std::atomic<DWORD> g_reporterThread{0};
std::atomic<bool> g_quiet{false};

// The boxes of a quiet report: nobody is there to read them.
class NoBoxes final : public IMessageBoxes {
public:
    int Show(WindowHandle, const std::string&, const std::string&, std::uint32_t) override { return id::kOk; }
};

struct CrashJob {
    EXCEPTION_POINTERS* exception;
    DWORD thread;
};

class Win32CrashDumps final : public ICrashDumpWriter {
public:
    Win32CrashDumps(MiniDumpWriteDumpFn writeDump, const CrashJob& job) : writeDump_(writeDump), job_(job) {}

    bool MakeFolder(const std::string& path) noexcept override {
        try {
            const std::wstring wide = Widen(path);
            if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
            const DWORD attributes = GetFileAttributesW(wide.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        } catch (...) {
            return false;
        }
    }

    bool WriteDump(const std::string& path) noexcept override {
        if (!writeDump_) return false;
        try {
            const std::wstring wide = Widen(path);
            bool written = false;
            {
                UniqueHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
                if (!file.Valid()) return false;
                MINIDUMP_EXCEPTION_INFORMATION info{job_.thread, job_.exception, FALSE};
                written = writeDump_(GetCurrentProcess(), GetCurrentProcessId(), file.Get(), MiniDumpNormal, &info,
                                     nullptr, nullptr) != FALSE;
            }
            if (!written) DeleteFileW(wide.c_str());
            return written;
        } catch (...) {
            return false;
        }
    }

private:
    MiniDumpWriteDumpFn writeDump_;
    CrashJob job_;
};

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        if (path.size() >= 32768) return {};  // the longest path the system has
        path.resize(path.size() * 2);
    }
}

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(folder, length);
}

// By its full path in the system folder: dbghelp is not among the DLLs Windows always takes from there, and a copy
// dropped beside the program (in a downloads folder, say) must not be loaded instead. Loaded at start-up, while the
// process is still sound.
MiniDumpWriteDumpFn LoadMiniDumpWriter() {
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    HMODULE dbghelp = LoadLibraryW((std::wstring(system, length) + L"\\dbghelp.dll").c_str());
    if (!dbghelp) return nullptr;
    return reinterpret_cast<MiniDumpWriteDumpFn>(
        reinterpret_cast<void*>(GetProcAddress(dbghelp, "MiniDumpWriteDump")));
}

CrashFault FaultOf(const EXCEPTION_RECORD& record) {
    CrashFault fault;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    fault.time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    fault.code = record.ExceptionCode;
    const auto address = reinterpret_cast<std::uintptr_t>(record.ExceptionAddress);
    fault.offset = address;
    // The region an image was mapped into starts at its module's base. (GetModuleHandleEx would also do, but under
    // Wine it takes address 0, a call through a null pointer, for the program itself.)
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(record.ExceptionAddress, &region, sizeof region) && region.Type == MEM_IMAGE &&
        region.AllocationBase) {
        const std::wstring path = ModulePath(static_cast<HMODULE>(region.AllocationBase));
        if (!path.empty()) {
            fault.module = Narrow(std::wstring_view(path).substr(FolderOf(path).size()));
            fault.offset = address - reinterpret_cast<std::uintptr_t>(region.AllocationBase);
        }
    }
    return fault;
}

void RunReport(const CrashJob& job) noexcept {
    g_reporterThread = GetCurrentThreadId();
    try {
        Win32FileSystem files;
        Win32MessageBoxes shown;
        NoBoxes unseen;
        Win32CrashDumps dumps(g_installed->writeDump, job);
        static_cast<void>(WriteCrashReport(g_installed->setup, FaultOf(*job.exception->ExceptionRecord), files,
                                           dumps, g_quiet.load() ? static_cast<IMessageBoxes&>(unseen) : shown));
    } catch (...) {
        // Out of memory: the process ends without a report.
    }
}

DWORD WINAPI ReportThread(void* job) {
    RunReport(*static_cast<const CrashJob*>(job));
    return 0;
}

// On a thread of its own: the faulting thread's stack may be all but used up (a stack overflow), and the box's
// message loop must not dispatch messages to the windows of the thread that faulted.
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
    // A fault in the report itself ends the process at once.
    if (GetCurrentThreadId() == g_reporterThread.load()) return EXCEPTION_EXECUTE_HANDLER;
    // Another thread that faults while one report is under way waits for the process to end with it.
    if (g_reporting.exchange(true)) {
        for (;;) Sleep(INFINITE);
    }
    if (g_installed) {
        CrashJob job{exception, GetCurrentThreadId()};
        if (HANDLE thread = CreateThread(nullptr, 0, ReportThread, &job, 0, nullptr)) {
            WaitForSingleObject(thread, INFINITE);
            CloseHandle(thread);
        } else {
            RunReport(job);
        }
    }
    return EXCEPTION_EXECUTE_HANDLER;  // ends the process with the exception's code, and no box of the system's
}

// std::terminate's default aborts without a word; the stack captured here still holds the throw.
[[noreturn]] void OnTerminate() noexcept {
    CONTEXT context{};
    RtlCaptureContext(&context);
    EXCEPTION_RECORD record{};
    record.ExceptionCode = kUncaughtCppException;
    record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
    record.ExceptionAddress = __builtin_return_address(0);
    EXCEPTION_POINTERS pointers{&record, &context};
    OnUnhandledException(&pointers);
    TerminateProcess(GetCurrentProcess(), kUncaughtCppException);
    for (;;) Sleep(INFINITE);
}

}  // namespace

void QuietCrashReports() noexcept { g_quiet.store(true); }

void InstallCrashHandler(std::string_view programName, std::string_view version) noexcept {
    try {
        if (!g_installed) g_installed = new Installed;
        g_installed->setup.programName = programName;
        g_installed->setup.version = version;
        g_installed->setup.programFolder = Narrow(FolderOf(ModulePath(nullptr)));
        g_installed->setup.tempFolder = Narrow(TempFolder());
        if (!g_installed->writeDump) g_installed->writeDump = LoadMiniDumpWriter();
        SetUnhandledExceptionFilter(OnUnhandledException);
        std::set_terminate(OnTerminate);
    } catch (...) {
        // Out of memory at start-up: the program runs without the report, as it would have before.
    }
}

}  // namespace xd::win32
