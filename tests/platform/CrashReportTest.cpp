#include "platform/common/CrashReport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimMessageBoxes.h"

namespace xd {
namespace {

const std::string kBeside = "C:\\Program Files\\迅点小侠\\迅点小侠4\\崩溃报告";
const std::string kTemp = "C:\\Users\\用户\\AppData\\Local\\Temp\\崩溃报告";
const std::string kStem = "迅点小侠4_2026-03-07_09-05-02";

// Dumps go through the simulated files, so a folder whose writes fail refuses the dump as well.
class SimDumps final : public ICrashDumpWriter {
public:
    explicit SimDumps(sim::SimFileSystem& files) : files_(files) {}
    bool MakeFolder(const std::string& path) noexcept override { return refusedFolders.count(path) == 0; }
    bool WriteDump(const std::string& path) noexcept override {
        return dumpsWork && files_.WriteFileReplacing(path, "MDMP");
    }
    std::set<std::string> refusedFolders;
    bool dumpsWork = true;

private:
    sim::SimFileSystem& files_;
};

CrashReportSetup ProgramSetup() {
    return {"迅点小侠4", "4.0.2.358", "C:\\Program Files\\迅点小侠\\迅点小侠4\\",
            "C:\\Users\\用户\\AppData\\Local\\Temp\\"};
}

CrashFault AccessViolation() { return {{2026, 3, 7, 9, 5, 2}, 0xC0000005u, "迅点小侠4.exe", 0x1A2B}; }

struct Outcome {
    CrashReportPlace place;
    std::vector<std::string> files;
    std::vector<sim::MessageBoxRecord> boxes;
};

enum class Refusal { None, BesideFolderRefused, BesideWritesRefused, DumpsFail, AllWritesRefused, NoTempAndBesideRefused };

Outcome Crash(Refusal fault) {
    sim::SimFileSystem files;
    sim::SimMessageBoxes boxes;
    SimDumps dumps(files);
    CrashReportSetup setup = ProgramSetup();
    switch (fault) {
        case Refusal::None: break;
        case Refusal::BesideFolderRefused: dumps.refusedFolders.insert(kBeside); break;
        case Refusal::BesideWritesRefused:
            files.FailWrites(kBeside + "\\" + kStem + ".dmp");
            files.FailWrites(kBeside + "\\" + kStem + ".txt");
            break;
        case Refusal::DumpsFail: dumps.dumpsWork = false; break;
        case Refusal::AllWritesRefused: files.FailAllWrites(true); break;
        case Refusal::NoTempAndBesideRefused:
            setup.tempFolder.clear();
            dumps.refusedFolders.insert(kBeside);
            break;
    }
    Outcome out;
    out.place = WriteCrashReport(setup, AccessViolation(), files, dumps, boxes);
    out.files = files.Paths();
    out.boxes = boxes.Shown();
    return out;
}

TEST(CrashReport, GoesBesideTheProgramElseToTheTemporaryFolderAndOneBoxSaysWhere) {
    struct Case {
        Refusal fault;
        std::string folder;  // empty: nowhere
        bool dump;
        bool line;
    };
    const Case cases[] = {
        {Refusal::None, kBeside, true, true},
        {Refusal::BesideFolderRefused, kTemp, true, true},
        {Refusal::BesideWritesRefused, kTemp, true, true},
        {Refusal::DumpsFail, kBeside, false, true},  // no dump helper on the system: the line alone is kept
        {Refusal::AllWritesRefused, "", false, false},
        {Refusal::NoTempAndBesideRefused, "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault));
        const Outcome out = Crash(c.fault);
        EXPECT_EQ(out.place.folder, c.folder);
        std::vector<std::string> expected;
        if (c.dump) expected.push_back(c.folder + "\\" + kStem + ".dmp");
        if (c.line) expected.push_back(c.folder + "\\" + kStem + ".txt");
        EXPECT_EQ(out.files, expected);

        ASSERT_EQ(out.boxes.size(), 1u);
        const std::string& text = out.boxes[0].text;
        EXPECT_EQ(out.boxes[0].caption, "迅点小侠4");
        EXPECT_EQ(out.boxes[0].owner, kNoWindow);
        EXPECT_TRUE(out.boxes[0].flags & mb::kIconError);
        if (c.folder.empty()) {
            EXPECT_NE(text.find("无法保存"), std::string::npos) << text;
        } else {
            EXPECT_NE(text.find("\n" + c.folder + "\n"), std::string::npos) << text;
            EXPECT_EQ(text.find(".dmp") != std::string::npos, c.dump) << text;
            EXPECT_EQ(text.find(".txt") != std::string::npos, c.line) << text;
            EXPECT_EQ(text.find(c.folder == kBeside ? kTemp : kBeside), std::string::npos) << text;
        }
    }
}

TEST(CrashReport, TextFileHoldsOneMarkedLineNamingProgramVersionAndFault) {
    sim::SimFileSystem files;
    sim::SimMessageBoxes boxes;
    SimDumps dumps(files);
    static_cast<void>(WriteCrashReport(ProgramSetup(), AccessViolation(), files, dumps, boxes));
    EXPECT_EQ(files.Get(kBeside + "\\" + kStem + ".txt"),
              "\xEF\xBB\xBF迅点小侠4 4.0.2.358 崩溃于 2026-03-07 09:05:02，异常代码 0xC0000005，位置 迅点小侠4.exe+0x1A2B\r\n");

    // A fault outside every module gives the whole address; a folder named without its separator still gets one.
    CrashReportSetup setup = ProgramSetup();
    setup.programFolder.pop_back();
    CrashFault outside = AccessViolation();
    outside.module.clear();
    outside.offset = 0x7FF6'0000'0010ULL;
    EXPECT_EQ(CrashReportLine(setup, outside),
              "迅点小侠4 4.0.2.358 崩溃于 2026-03-07 09:05:02，异常代码 0xC0000005，位置 0x00007FF600000010");
    sim::SimFileSystem again;
    SimDumps againDumps(again);
    EXPECT_EQ(WriteCrashReport(setup, outside, again, againDumps, boxes).folder, kBeside);
}

}  // namespace
}  // namespace xd
