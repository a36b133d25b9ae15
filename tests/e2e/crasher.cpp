// crasher.exe: crashes on purpose with the programs' crash handler installed, so that the end-to-end check can
// read the report it leaves (crash_session.sh). The programs themselves have no way to crash on request, so the
// third form crashes one from outside, as a faulty add-in or driver would: a thread started in it at address 0.
//   crasher.exe fault            writes through a null pointer
//   crasher.exe throw            throws a C++ exception nothing catches
//   crasher.exe remote <class>   faults a thread in the process that owns the window of that class
#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/win32/CrashHandler.h"

namespace {

// Read through a volatile so the compiler cannot see the write is to nowhere and turn it into a trap instruction.
int* volatile nowhere = nullptr;

// Exit 1 when there is no such window or the thread could not be started.
int CrashOther(const wchar_t* windowClass) {
    DWORD pid = 0;
    if (HWND window = FindWindowW(windowClass, nullptr)) GetWindowThreadProcessId(window, &pid);
    if (pid == 0) return 1;
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                     PROCESS_VM_WRITE | PROCESS_VM_READ,
                                 FALSE, pid);
    if (!process) return 1;
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, nullptr, nullptr, 0, nullptr);
    if (thread) CloseHandle(thread);
    CloseHandle(process);
    return thread ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring how = argc > 1 ? argv[1] : L"fault";
    if (how == L"remote") return argc > 2 ? CrashOther(argv[2]) : 2;
    xd::win32::InstallCrashHandler("崩溃测试", "1.2.3.4");
    if (how == L"throw") throw std::runtime_error("thrown on purpose");
    *nowhere = 1;
    return 0;
}
