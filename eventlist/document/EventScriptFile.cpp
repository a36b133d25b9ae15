#include "eventlist/document/EventScriptFile.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace xd {
namespace {

// The per-record share of the memory bound in DecodeEventScript (64-bit builds).
static_assert(sizeof(void*) != 8 || sizeof(RecordedEvent) <= 128);

constexpr std::size_t kVersionOffset = 20;
constexpr std::size_t kCountOffset = 24;
constexpr std::size_t kRepeatOffset = 28;
constexpr std::size_t kSpeedOffset = 32;
constexpr std::size_t kOptionOffset = 36;
constexpr std::int32_t kSameAsPrevious = 1;
// The ranges of the two sliders the positions are shown on.
constexpr std::int32_t kMaxRepeatPosition = 1000;
constexpr std::int32_t kMaxSpeedPosition = 200;
constexpr std::string_view kTerminator("\0\0", 2);

std::int32_t ReadWord(std::string_view bytes, std::size_t offset) noexcept {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return static_cast<std::int32_t>(v);
}

void WriteWord(std::string& bytes, std::size_t offset, std::int32_t value) noexcept {
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::int32_t Pack(std::int32_t high, std::int32_t low) noexcept {
    const std::uint32_t packed = (static_cast<std::uint32_t>(high) << 16) | (static_cast<std::uint32_t>(low) & 0xFFFF);
    return static_cast<std::int32_t>(packed);
}

void TurnOnFromBits(std::int32_t word, EventPlaySettings& settings) noexcept {
    if (word & evoption::kForeground) settings.foreground = true;
    if (word & evoption::kMoveToCurrent) settings.moveToCurrent = true;
    if (word & evoption::kClickEffect) settings.clickEffect = true;
    if (word & evoption::kVirtualPointer) settings.virtualPointer = true;
    if (word & evoption::kMoveToStart) settings.moveToStart = true;
}

std::int32_t OptionWord(const EventPlaySettings& settings) noexcept {
    std::int32_t word = settings.playHotkey & 0xFFFF;
    if (settings.foreground) word |= evoption::kForeground;
    if (settings.moveToCurrent) word |= evoption::kMoveToCurrent;
    if (settings.clickEffect) word |= evoption::kClickEffect;
    if (settings.virtualPointer) word |= evoption::kVirtualPointer;
    if (settings.moveToStart) word |= evoption::kMoveToStart;
    return word;
}

bool FitsInt16(std::int32_t v) noexcept {
    return v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max();
}

// The strings a file's records name, made once per table entry and shared by every
// event that names it: a title or class is the entry and the terminator (only the
// terminator for an index the table does not have), a path the entry itself (empty
// for such an index).
class TableStrings {
public:
    explicit TableStrings(std::vector<std::string_view> table)
        : table_(std::move(table)), texts_(table_.size()), paths_(table_.size()) {}

    const EventString& Text(std::int16_t index) {
        if (!Valid(index)) return noText_;
        EventString& text = texts_[static_cast<std::size_t>(index)];
        if (text.empty()) text = std::string(table_[static_cast<std::size_t>(index)]) + std::string(kTerminator);
        return text;
    }
    EventString Path(std::int16_t index) {
        if (!Valid(index)) return {};
        EventString& path = paths_[static_cast<std::size_t>(index)];
        if (path.empty()) path = std::string(table_[static_cast<std::size_t>(index)]);
        return path;
    }

private:
    [[nodiscard]] bool Valid(std::int16_t index) const noexcept {
        return index >= 0 && static_cast<std::size_t>(index) < table_.size();
    }
    std::vector<std::string_view> table_;
    std::vector<EventString> texts_;
    std::vector<EventString> paths_;
    EventString noText_{std::string(kTerminator)};
};

// The distinct strings in order of first appearance. Hashing keeps a save of a
// long recording linear however many windows it visits.
class StringPool {
public:
    // The index of the value's stored form; indexes from kMaxEventScriptStrings on
    // only count, the table cannot take them.
    std::int32_t Add(std::string_view value) {
        const std::string_view stored = StoredEventString(value);
        const auto [it, added] = indexes_.try_emplace(stored, static_cast<std::int32_t>(indexes_.size()));
        if (added && order_.size() < kMaxEventScriptStrings) {
            tableBytes_ += stored.size() + (order_.empty() ? 0 : kTerminator.size());
            order_.push_back(stored);
        }
        return it->second;
    }
    [[nodiscard]] std::size_t Count() const noexcept { return indexes_.size(); }
    [[nodiscard]] std::size_t TableBytes() const noexcept { return tableBytes_; }
    void AppendTable(std::string& out) const {
        for (std::size_t i = 0; i < order_.size(); ++i) {
            if (i > 0) out += kTerminator;
            out += order_[i];
        }
    }

private:
    std::unordered_map<std::string_view, std::int32_t> indexes_;
    std::vector<std::string_view> order_;
    std::size_t tableBytes_ = 0;
};

}  // namespace

std::string_view StoredEventString(std::string_view value) noexcept {
    const std::size_t cut = value.find(kTerminator);
    if (cut != std::string_view::npos) value = value.substr(0, cut);
    while (!value.empty() && value.back() == '\0') value.remove_suffix(1);
    return value;
}

std::int32_t ClampPlayHotkey(std::int32_t virtualKey) noexcept { return std::clamp(virtualKey, 112, 123); }

std::vector<std::string_view> SplitEventScriptTable(std::string_view table, std::size_t maxEntries) {
    std::vector<std::string_view> entries;
    std::size_t start = 0;
    // find() from just after a separator is the byte-by-byte search resumed there.
    for (std::size_t separator = table.find(kTerminator); separator != std::string_view::npos;
         separator = table.find(kTerminator, start)) {
        if (entries.size() + 1 >= maxEntries) {
            entries.push_back(table.substr(start, separator - start));
            return entries;
        }
        entries.push_back(table.substr(start, separator - start));
        start = separator + kTerminator.size();
    }
    entries.push_back(table.substr(start));
    return entries;
}

DecodedEventScript DecodeEventScript(std::string_view bytes, const EventPlaySettings& current) {
    DecodedEventScript result;
    if (bytes.size() <= kEventScriptHeaderBytes) return result;
    if (bytes.substr(0, kEventScriptMagic.size()) != kEventScriptMagic) {
        result.verdict = EventScriptVerdict::NotAScript;
        return result;
    }
    EventScriptHeader& header = result.header;
    header.version = ReadWord(bytes, kVersionOffset);
    if (header.version > kEventScriptVersion) {
        result.verdict = EventScriptVerdict::NewerVersion;
        return result;
    }
    header.eventCount = ReadWord(bytes, kCountOffset);
    header.repeatPosition = ReadWord(bytes, kRepeatOffset);
    header.speedPosition = ReadWord(bytes, kSpeedOffset);
    header.optionWord = ReadWord(bytes, kOptionOffset);
    // A count the file's records cannot fill is a damaged file, not a reason to read on.
    if (header.eventCount < 0) return result;
    const auto count = static_cast<std::size_t>(header.eventCount);
    const std::size_t tableStart = kEventScriptHeaderBytes + kEventRecordBytes * count;
    if (tableStart > bytes.size()) return result;

    result.verdict = EventScriptVerdict::Ok;
    EventPlaySettings& settings = result.settings;
    settings = current;
    settings.repeatPosition = std::clamp(header.repeatPosition, 0, kMaxRepeatPosition);
    settings.speedPosition = std::clamp(header.speedPosition, 0, kMaxSpeedPosition);
    settings.playHotkey = ClampPlayHotkey(header.optionWord & 0xFFFF);
    TurnOnFromBits(header.optionWord, settings);

    // The memory bound of an open. Each table entry becomes at most two strings (as
    // a title or class with its terminator, as a path) that every event naming it
    // shares, so a table of T bytes gives at most 2 * T + 4 bytes of strings in at
    // most 2 * 32768 + 1 allocations, however many events name them. Each 32-byte
    // record becomes one RecordedEvent and its display text, at most 168 bytes with
    // the allocator's share. A file of F bytes thus holds less than 7 * F + 8 MB
    // while it is read, its own bytes included: 16 MB for 1.1 MB, 1.8 GB at
    // kMaxEventScriptFileBytes.
    TableStrings strings(count > 0 && bytes.size() > tableStart + 1
                             ? SplitEventScriptTable(bytes.substr(tableStart), kMaxEventScriptStrings)
                             : std::vector<std::string_view>{});

    result.events.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kEventScriptHeaderBytes + kEventRecordBytes * i;
        RecordedEvent& event = result.events[i];
        const std::int32_t position = ReadWord(bytes, at);
        event.x = HighHalf(position);
        event.y = LowHalf(position);
        const std::int32_t names = ReadWord(bytes, at + 4);
        const std::int32_t path = ReadWord(bytes, at + 8);
        if (i > 0 && LowHalf(path) == kSameAsPrevious) {
            const RecordedEvent& previous = result.events[i - 1];
            event.windowTitle = previous.windowTitle;
            event.windowClass = previous.windowClass;
            event.childPath = previous.childPath;
        } else {
            event.windowTitle = strings.Text(HighHalf(names));
            event.windowClass = strings.Text(LowHalf(names));
            event.childPath = strings.Path(HighHalf(path));
        }
        event.offsetX = ReadWord(bytes, at + 12);
        event.offsetY = ReadWord(bytes, at + 16);
        event.message = ReadWord(bytes, at + 20);
        event.keyFlags = ReadWord(bytes, at + 24);
        event.delayMs = ReadWord(bytes, at + 28);
        event.window = kNoWindow;
        event.displayText = EventDisplayText(event);
    }
    return result;
}

EncodedEventScript EncodeEventScript(const std::vector<RecordedEvent>& events, const EventPlaySettings& settings) {
    EncodedEventScript result;
    constexpr std::size_t kMaxEvents =
        (static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - kEventScriptHeaderBytes - 1) /
        kEventRecordBytes;
    if (events.size() > kMaxEvents) {
        result.problem = EventScriptStoreProblem::TooManyEvents;
        return result;
    }
    const std::size_t count = events.size();
    std::string records(kEventRecordBytes * count, '\0');
    StringPool pool;
    std::int32_t names = 0;
    std::int32_t path = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const RecordedEvent& event = events[i];
        if (!FitsInt16(event.x) || !FitsInt16(event.y)) {
            result.problem = EventScriptStoreProblem::CoordinateOutOfRange;
            result.eventIndex = i;
            result.stringCount = pool.Count();
            return result;
        }
        const std::size_t at = kEventRecordBytes * i;
        WriteWord(records, at, Pack(event.x, event.y));
        // Compared as stored, so a list that was read back saves to the same bytes.
        const RecordedEvent* previous = i > 0 ? &events[i - 1] : nullptr;
        if (previous != nullptr && StoredEventString(event.windowTitle) == StoredEventString(previous->windowTitle) &&
            StoredEventString(event.windowClass) == StoredEventString(previous->windowClass) &&
            StoredEventString(event.childPath) == StoredEventString(previous->childPath)) {
            WriteWord(records, at + 4, names);
            WriteWord(records, at + 8, Pack(HighHalf(path), kSameAsPrevious));
        } else {
            const std::int32_t title = pool.Add(event.windowTitle);
            const std::int32_t windowClass = pool.Add(event.windowClass);
            const std::int32_t childPath = pool.Add(event.childPath);
            names = Pack(title, windowClass);
            path = Pack(childPath, 0);
            WriteWord(records, at + 4, names);
            WriteWord(records, at + 8, path);
        }
        WriteWord(records, at + 12, event.offsetX);
        WriteWord(records, at + 16, event.offsetY);
        WriteWord(records, at + 20, event.message);
        WriteWord(records, at + 24, event.keyFlags);
        WriteWord(records, at + 28, event.delayMs);
    }
    result.stringCount = pool.Count();
    if (pool.Count() > kMaxEventScriptStrings) {
        result.problem = EventScriptStoreProblem::TooManyStrings;
        return result;
    }

    std::string& bytes = result.bytes;
    bytes.reserve(kEventScriptHeaderBytes + records.size() + pool.TableBytes() + 1);
    bytes.assign(kEventScriptHeaderBytes, '\0');
    bytes.replace(0, kEventScriptMagic.size(), kEventScriptMagic);
    WriteWord(bytes, kVersionOffset, kEventScriptVersion);
    WriteWord(bytes, kCountOffset, static_cast<std::int32_t>(count));
    WriteWord(bytes, kRepeatOffset, settings.repeatPosition);
    WriteWord(bytes, kSpeedOffset, settings.speedPosition);
    WriteWord(bytes, kOptionOffset, OptionWord(settings));
    bytes += records;
    pool.AppendTable(bytes);
    bytes += '\0';
    return result;
}

std::size_t HeldStringBytes(const std::vector<RecordedEvent>& events) {
    std::unordered_set<const void*> seen;
    std::size_t bytes = 0;
    for (const RecordedEvent& e : events) {
        for (const EventString* s : {&e.windowTitle, &e.windowClass, &e.childPath}) {
            if (seen.insert(s->Storage()).second) bytes += s->size();
        }
    }
    return bytes;
}

}  // namespace xd
