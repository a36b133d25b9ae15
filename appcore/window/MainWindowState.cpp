#include "appcore/window/MainWindowState.h"

namespace xd {

MainWindowState InitialMainWindowState(const ApplicationInfo& info) {
    MainWindowState state;
    state.info = info;
    state.applicationTitle = ApplicationTitle(info);
    state.statusText = "本软件可以录制鼠标操作，并能回放鼠标操作。";
    state.statusIdle = state.applicationTitle;
    return state;
}

}  // namespace xd
