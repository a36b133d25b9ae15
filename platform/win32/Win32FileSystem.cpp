#include "platform/win32/Win32FileSystem.h"

#include <atomic>

#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"

namespace xd::win32 {

namespace {

// Reads and writes go in pieces a DWORD count can describe.
constexpr DWORD kChunk = 1u << 20;

std::optional<WIN32_FILE_ATTRIBUTE_DATA> Attributes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD piece = bytes.size() - done < kChunk ? static_cast<DWORD>(bytes.size() - done) : kChunk;
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, piece, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

FileRead Win32FileSystem::ReadFile(const std::string& path, std::uint64_t maxBytes) {
    FileRead result;
    UniqueHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        DWORD error = GetLastError();
        // Only a file that is there but refuses the read (locked, no rights) is Unreadable.
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                       error == ERROR_INVALID_DRIVE || error == ERROR_INVALID_NAME ||
                       error == ERROR_BAD_NETPATH || error == ERROR_BAD_NET_NAME;
        result.status = missing ? FileStatus::NotFound : FileStatus::Unreadable;
        return result;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return result;
    auto length = static_cast<std::uint64_t>(size.QuadPart);
    if (length > maxBytes || length > result.bytes.max_size()) {
        result.status = FileStatus::TooLarge;
        return result;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD piece = bytes.size() - done < kChunk ? static_cast<DWORD>(bytes.size() - done) : kChunk;
        DWORD got = 0;
        if (!::ReadFile(file.Get(), bytes.data() + done, piece, &got, nullptr) || got == 0) return result;
        done += got;
    }
    result.status = FileStatus::Ok;
    result.bytes = std::move(bytes);
    return result;
}

std::optional<std::uint64_t> Win32FileSystem::FileSize(const std::string& path) {
    auto data = Attributes(path);
    if (!data || (data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    return (static_cast<std::uint64_t>(data->nFileSizeHigh) << 32) | data->nFileSizeLow;
}

bool Win32FileSystem::Exists(const std::string& path) {
    auto data = Attributes(path);
    return data && !(data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::WriteFileReplacing(const std::string& path, const std::string& bytes) {
    static std::atomic<unsigned> counter{0};
    std::wstring target = Widen(path);
    std::wstring temp = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(counter.fetch_add(1)) + L".tmp";
    bool written;
    {
        UniqueHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return false;
        written = WriteAll(file.Get(), bytes);
    }
    if (written && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temp.c_str());
    return false;
}

bool Win32FileSystem::Remove(const std::string& path) { return DeleteFileW(Widen(path).c_str()) != FALSE; }

}  // namespace xd::win32
