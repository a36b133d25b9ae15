// Form1's toolbar: the seven buttons' commands (the strip itself is the shared main window's).
#include "Form1.h"

#include "eventlist/app/EventListCommands.h"

namespace xd::event_list {

// This edition has no help picture: the help-hover timer and the editor view of a hover outcome stay unused.
void Form1::RunToolbarCommand(ToolbarCommand command) noexcept {
    switch (command) {
        case ToolbarCommand::ToggleRecording: OnRecordCommand(context_); break;
        case ToolbarCommand::TogglePlayback: static_cast<void>(OnPlayCommand(context_)); break;
        case ToolbarCommand::OpenDocument: static_cast<void>(OnOpenCommand(context_)); break;
        case ToolbarCommand::SaveDocument: static_cast<void>(OnSaveCommand(context_)); break;
        case ToolbarCommand::ToggleMode: OnModeCommand(context_); break;
        case ToolbarCommand::ToggleEditor: OnExpandCommand(context_); break;
        case ToolbarCommand::ShowHelpMenu: ShowMenuAtPointer(true); break;
        case ToolbarCommand::None: break;
    }
}

}  // namespace xd::event_list
