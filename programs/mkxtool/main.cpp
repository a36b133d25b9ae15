// mkxtool: checks a script file, or prints an event-list script, from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "programs/mkxtool/LocalFileSystem.h"
#include "programs/mkxtool/MkxTool.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "platform/Text.h"
#endif

namespace {

std::vector<std::string> Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    std::vector<std::string> args;
#ifdef _WIN32
    // The narrow argv is in the ANSI code page; the wide command line holds every path.
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        for (int i = 1; i < count; ++i) args.push_back(xd::Narrow(wide[i]));
        LocalFree(wide);
    }
#else
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
    return args;
}

void Write(std::FILE* stream, const std::string& text) {
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
#endif
    xd::LocalFileSystem files;
    const xd::ToolOutput output = xd::RunMkxTool(Arguments(argc, argv), files);
    Write(stdout, output.out);
    Write(stderr, output.err);
    return output.exitCode;
}
