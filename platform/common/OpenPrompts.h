// The boxes and dialogs a main window has up. Its message loop runs on under a
// box, and the hotkeys still arrive through the low-level hooks, so a hotkey could
// start a recording or a playback, or replace the list, behind a question whose
// answer is about to act on what it asked about. Where the window starts such a
// thing it looks here first; each prompt is held open by one OpenPrompt.
// Main thread only.
#pragma once

namespace xd {

class OpenPrompts {
public:
    [[nodiscard]] bool Any() const noexcept { return count_ > 0; }

private:
    friend class OpenPrompt;
    int count_ = 0;
};

class OpenPrompt {
public:
    explicit OpenPrompt(OpenPrompts& prompts) noexcept : prompts_(prompts) { ++prompts_.count_; }
    ~OpenPrompt() { --prompts_.count_; }
    OpenPrompt(const OpenPrompt&) = delete;
    OpenPrompt& operator=(const OpenPrompt&) = delete;

private:
    OpenPrompts& prompts_;
};

}  // namespace xd
