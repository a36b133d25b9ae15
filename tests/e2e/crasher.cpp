// crasher.exe: crashes on purpose with the programs' crash handler installed, so that the end-to-end check can
// read the report it leaves (crash_session.sh). The programs themselves have no way to crash on request.
//   crasher.exe fault     writes through a null pointer
//   crasher.exe throw     throws a C++ exception nothing catches
#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/win32/CrashHandler.h"

namespace {

// Read through a volatile so the compiler cannot see the write is to nowhere and turn it into a trap instruction.
int* volatile nowhere = nullptr;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    xd::win32::InstallCrashHandler("崩溃测试", "1.2.3.4");
    const std::wstring how = argc > 1 ? argv[1] : L"fault";
    if (how == L"throw") throw std::runtime_error("thrown on purpose");
    *nowhere = 1;
    return 0;
}
