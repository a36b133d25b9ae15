// What the script file operations change in the main window, kept for a test to read.
#pragma once
#include <string>
#include <vector>

#include "documents/files/ScriptDocument.h"

namespace xd::test {

class RecordingDocumentWindow final : public IDocumentWindow {
public:
    void SetTitle(const std::string& t) override { title = t; }
    void SetSaveButtonState(int state) override { saveButton = state; }
    void SetPlayButtonState(int state) override { playButton = state; }
    void SetWaitCursor(bool waiting) override { cursorChanges.push_back(waiting); }

    std::string title = "before";
    int saveButton = 1;
    int playButton = 0;
    std::vector<bool> cursorChanges;
};

}  // namespace xd::test
