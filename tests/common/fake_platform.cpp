// The in-memory system of the host tests.
#include "fake_platform.h"

namespace sd::test {

bool MemorySystem::Allowed(const std::string& step) {
    const int n = ++calls_[step];
    if (crashed_) return false;
    auto it = failures_.find(step);
    return it == failures_.end() || it->second.count(n) == 0;
}

bool MemorySystem::Change() {
    if (crashed_) return false;
    if (changesBeforeCrash >= 0 && changes_ >= changesBeforeCrash) {
        crashed_ = true;
        return false;
    }
    ++changes_;
    return true;
}

bool MemorySystem::ChangeDirectory(const std::string& path) {
    return Allowed("ChangeDirectory") && folders.count(path) > 0;
}

std::optional<std::string> MemorySystem::ReadFileBytes(const std::string& path) {
    if (!Allowed("ReadFileBytes")) return std::nullopt;
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool MemorySystem::WriteFileBytes(const std::string& path, const std::string& bytes) {
    if (readOnly.count(path)) return false;
    const bool allowed = Allowed("WriteFileBytes");
    if (!Change()) return false;
    if (!allowed) {
        files[path] = bytes.substr(0, bytes.size() / 2);  // a disk that filled up half-way
        return false;
    }
    files[path] = bytes;
    return true;
}

bool MemorySystem::RenameFile(const std::string& from, const std::string& to) {
    if (!Allowed("RenameFile") || !files.count(from) || files.count(to)) return false;
    if (!Change()) return false;
    files[to] = files[from];
    files.erase(from);
    if (readOnly.erase(from)) readOnly.insert(to);
    return true;
}

bool MemorySystem::RemoveFile(const std::string& path) {
    if (!Allowed("RemoveFile") || !files.count(path) || readOnly.count(path)) return false;
    if (!Change()) return false;
    files.erase(path);
    return true;
}

ReplaceResult MemorySystem::ReplaceFileAtomically(const std::string& from, const std::string& to) {
    if (!atomicReplace) return ReplaceResult::Unsupported;
    if (!Allowed("ReplaceFileAtomically") || !files.count(from) || readOnly.count(to))
        return ReplaceResult::Failed;
    if (!Change()) return ReplaceResult::Failed;
    files[to] = files[from];
    files.erase(from);
    return ReplaceResult::Replaced;
}

std::string MemorySystem::ReadSetting(const std::string& key) {
    auto it = settings.find(key);
    return it == settings.end() ? std::string() : it->second;
}

void MemorySystem::WriteSetting(const std::string& key, const std::string& value) {
    settings[key] = value;
}

}  // namespace sd::test
