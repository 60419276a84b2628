// Win32 platform: file and folder steps, with every write checked.
#include <windows.h>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"

namespace sd {

namespace {

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

}  // namespace

bool Win32Platform::FileExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Platform::FolderExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Platform::IsReadOnly(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool Win32Platform::ChangeDirectory(const std::string& path) {
    return !path.empty() && SetCurrentDirectoryA(path.c_str());
}

std::optional<std::string> Win32Platform::ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> content;
    const DWORD size = GetFileSize(file, nullptr);
    if (size != INVALID_FILE_SIZE) {
        std::string bytes(size, '\0');
        DWORD total = 0;
        DWORD got = 0;
        while (total < size && ReadFile(file, bytes.data() + total, size - total, &got, nullptr) && got)
            total += got;
        if (total == size) content = std::move(bytes);
    }
    CloseHandle(file);
    return content;
}

bool Win32Platform::WriteFileBytes(const std::string& path, const std::string& bytes) {
    // A file left read-only, hidden or system refuses CREATE_ALWAYS with normal attributes:
    // what stands under the name is replaced whole.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    std::size_t total = 0;
    while (ok && total < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(bytes.size() - total);
        ok = WriteFile(file, bytes.data() + total, chunk, &written, nullptr) && written > 0;
        total += written;
    }
    ok = ok && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

bool Win32Platform::RenameFile(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str());
}

bool Win32Platform::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()); }

ReplaceResult Win32Platform::ReplaceFileAtomically(const std::string& from, const std::string& to) {
    // Windows 95/98 have no MoveFileEx, or a stub of it that fails.
    if (IsWin9x()) return ReplaceResult::Unsupported;
    using Fn = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    auto moveFileEx = OptionalFunction<Fn>("KERNEL32.DLL", "MoveFileExA");
    if (!moveFileEx) return ReplaceResult::Unsupported;
    return moveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ReplaceResult::Replaced
               : ReplaceResult::Failed;
}

void Win32Platform::FlushProfileCache(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

}  // namespace sd
