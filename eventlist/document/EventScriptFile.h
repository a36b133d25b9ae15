// The binary .mkx file of the event-list edition: a 60-byte header, one 32-byte
// record per event, then a table of the distinct window titles, class names and
// child paths joined with 00 00, and a final zero byte. Pure functions: bytes in,
// list out and back; the document commands do the reading and writing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eventlist/EventPlaySettings.h"
#include "eventlist/RecordedEvent.h"

namespace xd {

// The GBK bytes of "岚榕迅点小侠脚本文件": the first 20 bytes of every file.
inline constexpr std::string_view kEventScriptMagic =
    "\xE1\xB0\xE9\xC5\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0\xBD\xC5\xB1\xBE\xCE\xC4\xBC\xFE";
// 3.1.0 as major * 10000 + minor * 100 + patch; newer files are refused.
inline constexpr std::int32_t kEventScriptVersion = 30100;
inline constexpr std::size_t kEventScriptHeaderBytes = 60;
inline constexpr std::size_t kEventRecordBytes = 32;

// Bits of the option word beside the play hotkey in bits 0..15.
namespace evoption {
constexpr std::int32_t kForeground = 0x10000;
constexpr std::int32_t kMoveToCurrent = 0x20000;
constexpr std::int32_t kClickEffect = 0x40000;
constexpr std::int32_t kVirtualPointer = 0x80000;
constexpr std::int32_t kMoveToStart = 0x100000;
}  // namespace evoption

// Table indexes are signed 16-bit, so at most this many distinct strings fit.
inline constexpr std::size_t kMaxEventScriptStrings = 32768;

// The header words as the file holds them.
struct EventScriptHeader {
    std::int32_t version = 0;
    std::int32_t eventCount = 0;
    std::int32_t repeatPosition = 0;
    std::int32_t speedPosition = 0;
    std::int32_t optionWord = 0;
};

enum class EventScriptVerdict {
    Ok,
    Damaged,       // 60 bytes or less, missing or too large to read, or a count the records do not fill
    NotAScript,    // the first 20 bytes are not the magic
    NewerVersion,  // written by a newer program; header.version says which
    Unreadable,    // the file is there but could not be read (locked, no rights); never from the bytes
};

struct DecodedEventScript {
    EventScriptVerdict verdict = EventScriptVerdict::Damaged;
    EventScriptHeader header;          // for NewerVersion only the version is filled
    std::vector<RecordedEvent> events;  // empty unless Ok
    EventPlaySettings settings;         // the settings to use after opening
};

// Reads a whole file. `current` are the settings in force: a file only turns
// options on, so a clear bit keeps the current value. Never reads past `bytes`.
[[nodiscard]] DecodedEventScript DecodeEventScript(std::string_view bytes, const EventPlaySettings& current);

// The bytes of the distinct strings a list holds, each shared storage counted once: what the
// titles, classes and paths of an opened file cost beyond its events.
[[nodiscard]] std::size_t HeldStringBytes(const std::vector<RecordedEvent>& events);

// The file's strings split at every 00 00, searched from the start and resumed
// after each separator; the last entry keeps the file's final zero byte. Entries
// past maxEntries are left out: a 16-bit index cannot name them.
[[nodiscard]] std::vector<std::string_view> SplitEventScriptTable(std::string_view tableAndFinalZero,
                                                                  std::size_t maxEntries = kMaxEventScriptStrings);

// What a list holds that the file cannot.
enum class EventScriptStoreProblem {
    None,
    CoordinateOutOfRange,  // x or y outside -32768..32767; eventIndex names the event
    TooManyStrings,        // more distinct strings than kMaxEventScriptStrings; stringCount says how many
    TooManyEvents,         // the file would outgrow its 32-bit count
};

struct EncodedEventScript {
    EventScriptStoreProblem problem = EventScriptStoreProblem::None;
    std::size_t eventIndex = 0;   // CoordinateOutOfRange: the first such event
    std::size_t stringCount = 0;  // distinct strings of the list (counted up to the first problem)
    std::string bytes;            // the whole file; empty unless problem is None
};

[[nodiscard]] EncodedEventScript EncodeEventScript(const std::vector<RecordedEvent>& events,
                                                   const EventPlaySettings& settings);

// A string as the table holds it: cut at its first 00 00 (the terminator of a
// title or class) and without trailing zero bytes, which would run into the
// separator. Neither changes what the string finds: window searches and child
// path walks stop at the first zero byte.
[[nodiscard]] std::string_view StoredEventString(std::string_view value) noexcept;

// The clamps a file's values get when opened.
[[nodiscard]] std::int32_t ClampPlayHotkey(std::int32_t virtualKey) noexcept;

}  // namespace xd
