#include "platform/sim/SimMessageBoxes.h"

#include <utility>

namespace xd::sim {

namespace {
// A test stuck answering Retry forever must fail, not exhaust memory.
constexpr std::size_t kMaxLogged = 100000;
}  // namespace

int SimMessageBoxes::DefaultButton(std::uint32_t flags) {
    struct Buttons {
        int first;
        int second;
    };
    Buttons b{id::kOk, id::kOk};
    switch (flags & 0xF) {
        case mb::kOkCancel: b = {id::kOk, id::kCancel}; break;
        case mb::kAbortRetryIgnore: b = {id::kAbort, id::kRetry}; break;
        case mb::kYesNoCancel: b = {id::kYes, id::kNo}; break;
        case mb::kYesNo: b = {id::kYes, id::kNo}; break;
        case mb::kRetryCancel: b = {id::kRetry, id::kCancel}; break;
        default: break;
    }
    return (flags & 0xF00) == mb::kDefButton2 ? b.second : b.first;
}

int SimMessageBoxes::Show(WindowHandle owner, const std::string& text, const std::string& caption,
                          std::uint32_t flags) {
    MessageBoxRecord record{owner, text, caption, flags, 0};
    Responder responder;
    {
        std::lock_guard lock(mutex_);
        responder = responder_;
    }
    std::optional<int> answer;
    if (responder) answer = responder(record);
    std::lock_guard lock(mutex_);
    if (!answer && !answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    if (!answer) answer = defaultAnswer_ ? *defaultAnswer_ : DefaultButton(flags);
    record.answer = *answer;
    if (shown_.size() < kMaxLogged) shown_.push_back(record);
    return record.answer;
}

void SimMessageBoxes::QueueAnswer(int answer) {
    std::lock_guard lock(mutex_);
    answers_.push_back(answer);
}

void SimMessageBoxes::SetDefaultAnswer(std::optional<int> answer) {
    std::lock_guard lock(mutex_);
    defaultAnswer_ = answer;
}

void SimMessageBoxes::SetResponder(Responder responder) {
    std::lock_guard lock(mutex_);
    responder_ = std::move(responder);
}

std::vector<MessageBoxRecord> SimMessageBoxes::Shown() const {
    std::lock_guard lock(mutex_);
    return shown_;
}

std::size_t SimMessageBoxes::Count() const {
    std::lock_guard lock(mutex_);
    return shown_.size();
}

std::size_t SimMessageBoxes::PendingAnswers() const {
    std::lock_guard lock(mutex_);
    return answers_.size();
}

void SimMessageBoxes::Clear() {
    std::lock_guard lock(mutex_);
    shown_.clear();
    answers_.clear();
}

}  // namespace xd::sim
