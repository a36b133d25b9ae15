// Simulated program copies: the script this program carries is settable, the copies written are kept by path,
// and a switch makes every write fail.
#pragma once
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ProgramCopies.h"

namespace xd::sim {

class SimProgramCopies final : public IProgramCopies {
public:
    std::optional<std::string> EmbeddedScript() override {
        std::lock_guard lock(mutex_);
        return embedded_;
    }
    bool WriteCopy(const std::string& path, std::string_view script) override {
        std::lock_guard lock(mutex_);
        if (failWrites_) return false;
        written_[path] = std::string(script);
        return true;
    }

    void SetEmbeddedScript(std::optional<std::string> script) {
        std::lock_guard lock(mutex_);
        embedded_ = std::move(script);
    }
    void SetFailWrites(bool fail) {
        std::lock_guard lock(mutex_);
        failWrites_ = fail;
    }
    std::map<std::string, std::string> Written() const {
        std::lock_guard lock(mutex_);
        return written_;
    }

private:
    mutable std::mutex mutex_;
    std::optional<std::string> embedded_;
    bool failWrites_ = false;
    std::map<std::string, std::string> written_;
};

}  // namespace xd::sim
