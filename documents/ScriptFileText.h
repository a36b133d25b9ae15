// Reading a script file's bytes into the editor's UTF-8 text, with the
// refusals the script edition gives (damaged, old binary format).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace xd {

// Far above any real script; anything larger is refused unread.
constexpr std::uint64_t kMaxScriptFileBytes = 64ull * 1024 * 1024;

// Unreadable: the file is there but could not be read (locked, no rights).
enum class ScriptFileVerdict { Ok, Damaged, OldVersion, Unreadable };

struct ScriptFileText {
    ScriptFileVerdict verdict = ScriptFileVerdict::Damaged;
    std::string utf8;  // the decoded text when verdict is Ok
};

// Decides on raw bytes: 30 bytes or fewer are damaged; the event-list
// edition's 20-byte magic is an old version; then BOM UTF-8, BOM UTF-16LE or GBK.
ScriptFileText DecodeScriptFileBytes(std::string_view raw);

// Reads the file (bounded by kMaxScriptFileBytes) and decodes it; a failed read
// is Unreadable when the file is there, else Damaged (missing, or too large).
ScriptFileText ReadScriptFile(IFileSystem& files, const std::string& path);

}  // namespace xd
