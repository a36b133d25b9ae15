#include "platform/common/CrashReport.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace xd {

namespace {

constexpr std::string_view kFolderName = "崩溃报告";
// Notepad reads UTF-8 with a mark on every Windows version the programs run on.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string Joined(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
    path += name;
    return path;
}

// Beside the program first, where a user looks; the temporary folder when the program sits where the user may
// not write (Program Files, a read-only share).
std::vector<std::string> Folders(const CrashReportSetup& setup) {
    std::vector<std::string> folders;
    for (const std::string* base : {&setup.programFolder, &setup.tempFolder})
        if (!base->empty()) folders.push_back(Joined(*base, kFolderName));
    return folders;
}

std::string Formatted(const char* format, int a, int b, int c) {
    char text[48];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

std::string Hex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

// "迅点小侠4_2026-12-09_14-05-09": sorts by time, and says whose it is among other reports in the temporary folder.
std::string FileStem(const CrashReportSetup& setup, const CrashTime& t) {
    return setup.programName + "_" + Formatted("%04d-%02d-%02d", t.year, t.month, t.day) + "_" +
           Formatted("%02d-%02d-%02d", t.hour, t.minute, t.second);
}

std::string BoxText(const CrashReportSetup& setup, const CrashReportPlace& place) {
    // "… ran into an unexpected error and must close."
    std::string text = setup.programName + " 遇到意外错误，必须关闭。\n\n";
    if (place.folder.empty()) {
        // "The error report could not be saved: neither the program's folder nor the temporary folder can be written."
        return text + "错误报告无法保存：程序所在的文件夹和临时文件夹都不能写入。";
    }
    // "The error report was saved in the folder: … To help correct this error, send these files to the author.
    // The program sends nothing by itself."
    text += "错误报告已保存在文件夹：\n" + place.folder + "\n\n";
    for (const std::string* name : {&place.dumpName, &place.lineName})
        if (!name->empty()) text += "    " + *name + "\n";
    return text + "\n如果想帮助改正这个错误，可以把这些文件发给作者。程序不会自动发送任何内容。";
}

}  // namespace

std::string CrashReportLine(const CrashReportSetup& setup, const CrashFault& fault) {
    const CrashTime& t = fault.time;
    std::string where = fault.module.empty() ? Hex(fault.offset, 16) : fault.module + "+" + Hex(fault.offset, 1);
    // "… crashed at <time>, exception code …, at …"
    return setup.programName + " " + setup.version + " 崩溃于 " + Formatted("%04d-%02d-%02d", t.year, t.month, t.day) +
           " " + Formatted("%02d:%02d:%02d", t.hour, t.minute, t.second) + "，异常代码 " + Hex(fault.code, 8) +
           "，位置 " + where;
}

CrashReportPlace WriteCrashReport(const CrashReportSetup& setup, const CrashFault& fault, IFileSystem& files,
                                  ICrashDumpWriter& dumps, IMessageBoxes& boxes) noexcept {
    CrashReportPlace place;
    try {
        const std::string stem = FileStem(setup, fault.time);
        const std::string line = std::string(kUtf8Mark) + CrashReportLine(setup, fault) + "\r\n";
        for (const std::string& folder : Folders(setup)) {
            if (!dumps.MakeFolder(folder)) continue;
            // Either file alone is worth sending: the folder counts as taken when one of them is written.
            const bool dumped = dumps.WriteDump(Joined(folder, stem + ".dmp"));
            const bool lined = files.WriteFileReplacing(Joined(folder, stem + ".txt"), line);
            if (!dumped && !lined) continue;
            place.folder = folder;
            if (dumped) place.dumpName = stem + ".dmp";
            if (lined) place.lineName = stem + ".txt";
            break;
        }
        static_cast<void>(boxes.Show(kNoWindow, BoxText(setup, place), setup.programName,
                                     mb::kOk | mb::kIconError | mb::kTopmost));
    } catch (...) {
        // Out of memory in a crashed process: what was written stays, and the process ends anyway.
    }
    return place;
}

}  // namespace xd
