// The host tests' platform: files and settings in memory, file steps that can be made to fail
// or to "crash" the process part-way, and the recorded calls of RecordingPlatform.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/platform.h"
#include "recording_platform.h"

namespace sd::test {

class MemorySystem : public Platform {
public:
    // The system's state.
    std::map<std::string, std::string> files;
    std::set<std::string> folders = {"C:\\WINDOWS"};
    std::set<std::string> readOnly;
    std::map<std::string, std::string> settings;
    bool atomicReplace = false;                        // false: the Windows 95/98 road

    // Fault injection: the N-th call (from 1) of a file step fails.
    void FailCall(const std::string& step, int n) { failures_[step].insert(n); }
    // After this many file changes the process is gone: nothing later takes effect.
    int changesBeforeCrash = -1;

    std::string FindAssociatedProgram(const std::string&) override { return {}; }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    bool FolderExists(const std::string& path) override { return folders.count(path) > 0; }
    bool IsReadOnly(const std::string& path) override { return readOnly.count(path) > 0; }
    bool ChangeDirectory(const std::string& path) override;
    std::optional<std::string> ReadFileBytes(const std::string& path) override;
    bool WriteFileBytes(const std::string& path, const std::string& bytes) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool RemoveFile(const std::string& path) override;
    ReplaceResult ReplaceFileAtomically(const std::string& from, const std::string& to) override;
    void FlushProfileCache(const std::string&) override {}
    std::string ReadSetting(const std::string& key) override;
    void WriteSetting(const std::string& key, const std::string& value) override;
    MemoryStatus GetMemoryStatus() override { return memory; }
    MemoryStatus memory;

private:
    // Counts the call of `step`; false when it is scripted to fail or the process is gone.
    bool Allowed(const std::string& step);
    // Counts a change to the files; false (and nothing happens) once the process is gone.
    bool Change();

    std::map<std::string, std::set<int>> failures_;
    std::map<std::string, int> calls_;
    int changes_ = 0;
    bool crashed_ = false;
};

using FakePlatform = RecordingPlatform<MemorySystem>;

}  // namespace sd::test
