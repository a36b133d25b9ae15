// A recorded event's window title, class name or child path: immutable bytes
// that copies share. A recording on one window, or a file whose events all name
// one table entry, holds each string once however many events carry it; a file
// can otherwise make its reader copy one large entry for every event.
#pragma once
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace xd {

class EventString {
public:
    EventString() noexcept = default;
    // Implicit, so the fields read and assign like the std::string they hold.
    EventString(std::string bytes)  // NOLINT(google-explicit-constructor)
        : bytes_(bytes.empty() ? nullptr : std::make_shared<const std::string>(std::move(bytes))) {}
    EventString(const char* text) : EventString(std::string(text)) {}  // NOLINT(google-explicit-constructor)
    EventString(std::initializer_list<char> bytes) : EventString(std::string(bytes)) {}

    [[nodiscard]] const std::string& str() const noexcept { return bytes_ ? *bytes_ : Empty(); }
    operator const std::string&() const noexcept { return str(); }  // NOLINT(google-explicit-constructor)
    operator std::string_view() const noexcept { return str(); }    // NOLINT(google-explicit-constructor)

    [[nodiscard]] std::size_t size() const noexcept { return str().size(); }
    [[nodiscard]] bool empty() const noexcept { return str().empty(); }
    [[nodiscard]] const char* data() const noexcept { return str().data(); }

    // The storage these bytes live in; copies give the same one, and every empty value has none.
    [[nodiscard]] const void* Storage() const noexcept { return bytes_.get(); }

    friend bool operator==(const EventString& a, const EventString& b) noexcept {
        return a.bytes_ == b.bytes_ || a.str() == b.str();
    }
    friend bool operator==(const EventString& a, const std::string& b) noexcept { return a.str() == b; }
    friend bool operator==(const EventString& a, std::string_view b) noexcept { return a.str() == b; }
    friend bool operator==(const EventString& a, const char* b) noexcept { return a.str() == b; }

private:
    static const std::string& Empty() noexcept {
        static const std::string empty;
        return empty;
    }
    std::shared_ptr<const std::string> bytes_;
};

}  // namespace xd
