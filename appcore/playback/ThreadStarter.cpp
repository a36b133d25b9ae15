#include "appcore/playback/ThreadStarter.h"

#include <thread>
#include <utility>

namespace xd {

ThreadStarter DetachedThreadStarter() {
    return [](std::function<void()> work) noexcept {
        try {
            std::thread(std::move(work)).detach();
            return true;
        } catch (...) {
            return false;  // std::system_error: no thread could be created
        }
    };
}

}  // namespace xd
