// Scripted open and save dialogs: answers from a queue (cancel when it is empty),
// every request logged.
#pragma once
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

namespace xd::sim {

struct FileDialogRecord {
    FileDialogRequest request;
    bool save = false;
    std::optional<std::string> answer;
};

class SimFileDialogs final : public IFileDialogs {
public:
    std::optional<std::string> ChooseOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSave(const FileDialogRequest& request) override;

    void QueueAnswer(std::optional<std::string> path);  // nullopt: the user cancels
    std::vector<FileDialogRecord> Requests() const;
    std::size_t PendingAnswers() const;

private:
    std::optional<std::string> Answer(const FileDialogRequest& request, bool save);

    mutable std::mutex mutex_;
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileDialogRecord> requests_;
};

}  // namespace xd::sim
