// The host tests' platform: files and settings in memory, with a file step made to fail.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/platform.h"
#include "recording_platform.h"

namespace sd::test {

class MemorySystem : public Platform {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders = {"C:\\WINDOWS"};
    std::map<std::string, std::string> settings;
    bool atomicReplace = false;  // false: the Windows 95/98 road

    // Fault injection: file step number `failingStep` (from 1, over every kind of step) fails;
    // with `crash` the process is gone from there on, and no later step takes effect either.
    int failingStep = 0;
    bool crash = false;

    std::string FindAssociatedProgram(const std::string&) override { return {}; }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    bool FolderExists(const std::string& path) override { return folders.count(path) > 0; }
    bool IsReadOnly(const std::string&) override { return false; }
    bool ChangeDirectory(const std::string& path) override { return Step() && FolderExists(path); }
    std::optional<std::string> ReadFileBytes(const std::string& path) override {
        if (!Step() || !files.count(path)) return std::nullopt;
        return files[path];
    }
    bool WriteFileBytes(const std::string& path, const std::string& bytes) override {
        const bool done = Step();
        if (done)
            files[path] = bytes;
        else if (steps_ == failingStep)  // a disk full, or the process gone, half-way
            files[path] = bytes.substr(0, bytes.size() / 2);
        return done;
    }
    bool RenameFile(const std::string& from, const std::string& to) override {
        if (!Step() || !files.count(from) || files.count(to)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool RemoveFile(const std::string& path) override { return Step() && files.erase(path) > 0; }
    ReplaceResult ReplaceFileAtomically(const std::string& from, const std::string& to) override {
        if (!atomicReplace) return ReplaceResult::Unsupported;
        if (!Step() || !files.count(from)) return ReplaceResult::Failed;
        files[to] = files[from];
        files.erase(from);
        return ReplaceResult::Replaced;
    }
    void FlushProfileCache(const std::string&) override {}
    std::string ReadSetting(const std::string& key) override { return settings[key]; }
    void WriteSetting(const std::string& key, const std::string& value) override {
        settings[key] = value;
    }
    MemoryStatus GetMemoryStatus() override { return {}; }

private:
    // Counts a file step; false when it is the failing one or the process is gone.
    bool Step() {
        ++steps_;
        return failingStep == 0 || (crash ? steps_ < failingStep : steps_ != failingStep);
    }
    int steps_ = 0;
};

using FakePlatform = RecordingPlatform<MemorySystem>;

}  // namespace sd::test
