// A simulated shell: a settable temporary folder and a log of the documents it
// was asked to open; a switch makes every open fail.
#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace xd::sim {

class SimShell final : public IShell {
public:
    std::string TempFolder() override {
        std::lock_guard lock(mutex_);
        return tempFolder_;
    }
    bool OpenDocument(const std::string& path) override {
        std::lock_guard lock(mutex_);
        opened_.push_back(path);
        return !failOpen_;
    }

    void SetTempFolder(std::string folder) {
        std::lock_guard lock(mutex_);
        tempFolder_ = std::move(folder);
    }
    void SetFailOpen(bool fail) {
        std::lock_guard lock(mutex_);
        failOpen_ = fail;
    }
    std::vector<std::string> Opened() const {
        std::lock_guard lock(mutex_);
        return opened_;
    }

private:
    mutable std::mutex mutex_;
    std::string tempFolder_ = "C:\\Temp\\";
    bool failOpen_ = false;
    std::vector<std::string> opened_;
};

}  // namespace xd::sim
