#include "eventlist/document/EventScriptDump.h"

#include <cstdio>

#include "eventlist/KeyEvent.h"
#include "eventlist/document/EventDocument.h"
#include "eventlist/document/EventScriptFile.h"

namespace xd {
namespace {

std::string Hex(std::int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%x", static_cast<unsigned>(value));
    return buffer;
}

// Quoted, with the quote, the backslash and control characters escaped so each event stays on one line.
std::string Quoted(std::string_view ansi, ICodePage& codePage) {
    while (!ansi.empty() && ansi.back() == '\0') ansi.remove_suffix(1);
    const std::string utf8 = codePage.AnsiToUtf8(ansi);
    std::string text = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
            text += buffer;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

std::string PathNumbers(std::string_view path) {
    std::string text;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(static_cast<unsigned char>(path[i]));
    }
    return text;
}

std::string Halves(std::int32_t value) {
    return std::to_string(HighHalf(value)) + "," + std::to_string(LowHalf(value));
}

std::string Flag(std::string_view name, bool on) { return std::string(name) + "=" + (on ? "1" : "0") + "\n"; }

}  // namespace

EventScriptDump DumpEventScript(IFileSystem& files, const std::string& path, ICodePage& codePage) {
    EventScriptDump dump;
    // All options off, so the lines show the file's own bits.
    EventPlaySettings none;
    none.moveToCurrent = none.clickEffect = none.virtualPointer = none.moveToStart = false;
    const DecodedEventScript decoded = ReadEventScript(files, path, none);
    if (decoded.verdict != EventScriptVerdict::Ok) {
        dump.refused = true;
        dump.text = EventScriptRefusalText(decoded.verdict, path, decoded.header.version);
        return dump;
    }

    const EventScriptHeader& header = decoded.header;
    const EventPlaySettings& settings = decoded.settings;
    std::string& text = dump.text;
    text += "version=" + std::to_string(header.version) + "\n";
    text += "events=" + std::to_string(header.eventCount) + "\n";
    text += "repeat=" + std::to_string(header.repeatPosition) + "\n";
    text += "speed=" + std::to_string(header.speedPosition) + "\n";
    text += "hotkey=" + std::to_string(header.optionWord & 0xFFFF) + " (F" +
            std::to_string(settings.playHotkey - 111) + ")\n";
    text += Flag("foreground", settings.foreground);
    text += Flag("moveToCurrent", settings.moveToCurrent);
    text += Flag("clickEffect", settings.clickEffect);
    text += Flag("virtualPointer", settings.virtualPointer);
    text += Flag("moveToStart", settings.moveToStart);
    for (std::size_t i = 0; i < decoded.events.size(); ++i) {
        const RecordedEvent& e = decoded.events[i];
        const bool key = IsKeyMessage(e.message);
        const std::string word = key ? KeyEventDescription(e.message, e.keyFlags)
                                     : std::string(EventDescription(e.message, e.keyFlags));
        text += std::to_string(i + 1) + ": " + (word.empty() ? "?" : word) + " x=" + std::to_string(e.x) +
                " y=" + std::to_string(e.y) + " title=" + Quoted(e.windowTitle, codePage) +
                " class=" + Quoted(e.windowClass, codePage) + " path=" + PathNumbers(e.childPath) +
                " offsetX=" + Halves(e.offsetX) + " offsetY=" + Halves(e.offsetY) + " message=" + Hex(e.message) +
                " keyFlags=" + Hex(e.keyFlags) + " delay=" + std::to_string(e.delayMs);
        // What a key typed, kept where a mouse event keeps its offsets.
        if (key && !EventKeyText(e).empty()) text += " typed=" + EventKeyText(e);
        text += "\n";
    }
    return dump;
}

}  // namespace xd
