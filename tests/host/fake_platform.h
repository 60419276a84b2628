// The host tests' platform: a machine in memory. Files, folders and settings are maps; what
// would reach the user, start a program or end the session or the process is recorded and
// answered from a script; file steps fail or crash where a test says so.
#pragma once

#include <map>
#include <set>
#include <string>

#include "recording_platform.h"

namespace sd::test {

class FakePlatform : public RecordingPlatform<Platform> {
public:
    // What the machine looks like.
    bool win9x = true;  // no atomic replace
    WindowsFamily family = WindowsFamily::Win9x;
    std::map<std::string, std::string> files;  // path to bytes
    std::set<std::string> folders, readOnly;
    std::map<std::string, std::string> settings;
    std::set<std::string> startFails;  // command lines or files that do not start
    bool userShellLocked = false;  // the per-user shell value refuses every change
    std::string userShell;         // the per-user shell value; empty: none

    // File step number `failingStep` (from 1, over every kind of file step) fails, a write half
    // done; with `crash` the process is gone from there on, and no later step takes effect.
    int failingStep = 0, steps = 0;
    bool crash = false;

    WindowsFamily Family() override { return family; }
    bool WriteUserShell(const std::string& commandLine) override {
        if (!userShellLocked) userShell = commandLine;
        return !userShellLocked;
    }
    bool DeleteUserShell() override {
        if (!userShellLocked) userShell.clear();
        return !userShellLocked;
    }

    std::string FindAssociatedProgram(const std::string&) override { return {}; }
    std::string CommandInterpreter() override { return "C:\\COMMAND.COM"; }

    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool FolderExists(const std::string& path) override { return folders.count(path) != 0; }
    bool IsReadOnly(const std::string& path) override { return readOnly.count(path) != 0; }
    bool ChangeDirectory(const std::string& path) override { return Step() && folders.count(path); }
    std::optional<std::string> ReadFileBytes(const std::string& path) override {
        if (!Step() || !files.count(path)) return std::nullopt;
        return files[path];
    }
    bool WriteFileBytes(const std::string& path, const std::string& bytes) override {
        if (Step()) return files[path] = bytes, true;
        if (steps == failingStep) files[path] = bytes.substr(0, bytes.size() / 2);
        return false;
    }
    bool RenameFile(const std::string& from, const std::string& to) override {
        if (!Step() || !files.count(from) || files.count(to)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool RemoveFile(const std::string& path) override { return Step() && files.erase(path) != 0; }
    ReplaceResult ReplaceFileAtomically(const std::string& from, const std::string& to) override {
        if (win9x) return ReplaceResult::Unsupported;  // no step taken
        if (!Step() || !files.count(from)) return ReplaceResult::Failed;
        files[to] = files[from];
        files.erase(from);
        return ReplaceResult::Replaced;
    }
    void FlushProfileCache(const std::string&) override {}

    std::string ReadSetting(const std::string& key) override { return settings.count(key) ? settings[key] : ""; }
    void WriteSetting(const std::string& key, const std::string& value) override { settings[key] = value; }
    MemoryStatus GetMemoryStatus() override { return {}; }

protected:
    bool Started(const std::string& what) override { return !startFails.count(what); }

private:
    bool Step() { return crash ? ++steps < failingStep : ++steps != failingStep; }
};

}  // namespace sd::test
