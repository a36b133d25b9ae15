// What a crashed program leaves for its user to send: a minidump and a one-line text naming the program and its
// version, in a folder "崩溃报告" beside the program or, when that cannot be written, in one of that name in the
// user's temporary folder; then one box saying where they are. Nothing is sent anywhere. Only the platform can
// make a folder and dump its own process; everything else is decided here, so that it runs on the simulation
// with faults injected. The Win32 handler that calls this is platform/win32/CrashHandler.h.
#pragma once
#include <cstdint>
#include <string>

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace xd {

struct CrashTime {  // local time
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// What the program knows of itself, taken when the handler is installed. Texts are UTF-8.
struct CrashReportSetup {
    std::string programName;    // "迅点小侠4": the box's caption and the start of the file names
    std::string version;        // "4.0.2.358"
    std::string programFolder;  // the folder holding the program
    std::string tempFolder;     // the user's temporary folder; empty when the system named none
};

// What the system tells of the fault.
struct CrashFault {
    CrashTime time;
    std::uint32_t code = 0;  // the exception code
    std::string module;      // file name of the module holding the faulting address; empty when unknown
    std::uint64_t offset = 0;  // the address within that module, or the address itself when unknown
};

class ICrashDumpWriter {
public:
    virtual ~ICrashDumpWriter() = default;
    // True when the folder is there afterwards, made now or before.
    [[nodiscard]] virtual bool MakeFolder(const std::string& path) noexcept = 0;
    // A small dump of this process at the fault; a failed one leaves no file.
    [[nodiscard]] virtual bool WriteDump(const std::string& path) noexcept = 0;
};

// Where the report went: a folder and the names of the files written in it; all empty when no folder took it.
struct CrashReportPlace {
    std::string folder;
    std::string dumpName;
    std::string lineName;
};

// The one line of the text file (without its line end), e.g.
// "迅点小侠4 4.0.2.358 崩溃于 2026-12-09 14:05:09，异常代码 0xC0000005，位置 迅点小侠4.exe+0x1A2B".
std::string CrashReportLine(const CrashReportSetup& setup, const CrashFault& fault);

// Writes the report in the first folder that takes it and shows the one box, saying where or that no folder
// could be written.
CrashReportPlace WriteCrashReport(const CrashReportSetup& setup, const CrashFault& fault, IFileSystem& files,
                                  ICrashDumpWriter& dumps, IMessageBoxes& boxes) noexcept;

}  // namespace xd
