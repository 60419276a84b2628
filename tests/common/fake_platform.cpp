// The recording platform for tests.
#include "fake_platform.h"

namespace sd::test {

bool FakePlatform::Allowed(const std::string& step) {
    const int n = ++calls_[step];
    if (crashed_) return false;
    auto it = failures_.find(step);
    return it == failures_.end() || it->second.count(n) == 0;
}

bool FakePlatform::Change() {
    if (crashed_) return false;
    if (changesBeforeCrash >= 0 && changes_ >= changesBeforeCrash) {
        crashed_ = true;
        return false;
    }
    ++changes_;
    return true;
}

void FakePlatform::SetServiceProcess(bool registered) {
    log.push_back(registered ? "ServiceProcess 1" : "ServiceProcess 0");
}

void FakePlatform::EndSession(SessionEnd how) {
    log.push_back("EndSession " + std::to_string(static_cast<unsigned>(how)));
}

MsgAnswer FakePlatform::ShowMessage(const std::string& text, const std::string& title,
                                    MsgButtons buttons, MsgIcon icon) {
    return AnswerMessage(text, title, buttons, icon);
}

std::string FakePlatform::BrowseForFile(WindowHandle, const BrowseFileRequest& request) {
    return Browse("BrowseForFile " + request.title);
}

std::string FakePlatform::BrowseForFolder(WindowHandle, const std::string& title) {
    return Browse("BrowseForFolder " + title);
}

bool FakePlatform::StartProgram(const std::string& commandLine) {
    log.push_back("Start " + commandLine);
    return unstartable.count(commandLine) == 0;
}

std::string FakePlatform::FindAssociatedProgram(const std::string& file) {
    auto it = associations.find(file);
    return it == associations.end() ? std::string() : it->second;
}

bool FakePlatform::ChangeDirectory(const std::string& path) {
    return Allowed("ChangeDirectory") && folders.count(path) > 0;
}

std::optional<std::string> FakePlatform::ReadFileBytes(const std::string& path) {
    if (!Allowed("ReadFileBytes")) return std::nullopt;
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool FakePlatform::WriteFileBytes(const std::string& path, const std::string& bytes) {
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

bool FakePlatform::RenameFile(const std::string& from, const std::string& to) {
    if (!Allowed("RenameFile") || !files.count(from) || files.count(to)) return false;
    if (!Change()) return false;
    files[to] = files[from];
    files.erase(from);
    if (readOnly.erase(from)) readOnly.insert(to);
    return true;
}

bool FakePlatform::RemoveFile(const std::string& path) {
    if (!Allowed("RemoveFile") || !files.count(path) || readOnly.count(path)) return false;
    if (!Change()) return false;
    files.erase(path);
    return true;
}

ReplaceResult FakePlatform::ReplaceFileAtomically(const std::string& from, const std::string& to) {
    if (!atomicReplace) return ReplaceResult::Unsupported;
    if (!Allowed("ReplaceFileAtomically") || !files.count(from) || readOnly.count(to))
        return ReplaceResult::Failed;
    if (!Change()) return ReplaceResult::Failed;
    files[to] = files[from];
    files.erase(from);
    return ReplaceResult::Replaced;
}

std::string FakePlatform::ReadSetting(const std::string& key) {
    auto it = settings.find(key);
    return it == settings.end() ? std::string() : it->second;
}

void FakePlatform::WriteSetting(const std::string& key, const std::string& value) {
    settings[key] = value;
    log.push_back("WriteSetting " + key + "=" + value);
}

bool FakePlatform::AddTrayIcon(WindowHandle, unsigned id, unsigned, IconHandle, const std::string& tip) {
    log.push_back("TrayAdd " + std::to_string(id) + " " + tip);
    return true;
}

bool FakePlatform::DeleteTrayIcon(WindowHandle, unsigned id) {
    log.push_back("TrayDelete " + std::to_string(id));
    return true;
}

}  // namespace sd::test
