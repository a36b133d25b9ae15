#include "platform/sim/SimFileDialogs.h"

#include <utility>

namespace xd::sim {

std::optional<std::string> SimFileDialogs::Answer(const FileDialogRequest& request, bool save) {
    std::lock_guard lock(mutex_);
    std::optional<std::string> answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    requests_.push_back(FileDialogRecord{request, save, answer});
    return answer;
}

std::optional<std::string> SimFileDialogs::ChooseOpen(const FileDialogRequest& request) {
    return Answer(request, false);
}

std::optional<std::string> SimFileDialogs::ChooseSave(const FileDialogRequest& request) {
    return Answer(request, true);
}

void SimFileDialogs::QueueAnswer(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    answers_.push_back(std::move(path));
}

std::vector<FileDialogRecord> SimFileDialogs::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t SimFileDialogs::PendingAnswers() const {
    std::lock_guard lock(mutex_);
    return answers_.size();
}

}  // namespace xd::sim
