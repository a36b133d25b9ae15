// Scripted message boxes: answers come from a queue, every box shown is logged.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace xd::sim {

struct MessageBoxRecord {
    WindowHandle owner = kNoWindow;
    std::string text;
    std::string caption;
    std::uint32_t flags = 0;
    int answer = 0;
};

class SimMessageBoxes final : public IMessageBoxes {
public:
    // Called for each box before the queue is consulted, outside the lock; an answer
    // it returns wins. Lets a test react to a particular box (e.g. stop a playback).
    using Responder = std::function<std::optional<int>(const MessageBoxRecord&)>;

    // Answer order: responder, then the queue, then the fixed default if one was set,
    // else the box's default button (the first, or the second with MB_DEFBUTTON2).
    int Show(WindowHandle owner, const std::string& text, const std::string& caption,
             std::uint32_t flags) override;

    void QueueAnswer(int answer);
    void SetDefaultAnswer(std::optional<int> answer);
    void SetResponder(Responder responder);

    std::vector<MessageBoxRecord> Shown() const;
    std::size_t Count() const;
    std::size_t PendingAnswers() const;
    void Clear();  // forgets the log and the queued answers

    // The answer Enter would give: the default button of the flags' button set.
    static int DefaultButton(std::uint32_t flags);

private:
    mutable std::mutex mutex_;
    std::deque<int> answers_;
    std::optional<int> defaultAnswer_;
    Responder responder_;
    std::vector<MessageBoxRecord> shown_;
};

}  // namespace xd::sim
