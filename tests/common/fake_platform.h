// A recording platform for tests: files and settings in memory, scripted answers, every call
// that reaches the user or the session written to a log, and file steps that can be made to
// fail or to "crash" the process part-way.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "recorder.h"

namespace sd::test {

class FakePlatform : public Platform, public Recorder {
public:
    // What the process looks like.
    std::string exeDir = "C:\\WINDOWS";
    std::string baseName = "SwiftDash";
    std::string arguments;
    bool anotherInstance = false;

    // The system's state.
    std::map<std::string, std::string> files;
    std::set<std::string> folders = {"C:\\WINDOWS"};
    std::set<std::string> readOnly;
    std::map<std::string, std::string> settings;
    std::map<std::string, std::string> associations;  // document -> program
    std::set<std::string> unstartable;                 // command lines that fail to start
    bool atomicReplace = false;                        // false: the Windows 95/98 road

    // Fault injection: the N-th call (from 1) of a file step fails.
    void FailCall(const std::string& step, int n) { failures_[step].insert(n); }
    // After this many file changes the process is gone: nothing later takes effect.
    int changesBeforeCrash = -1;

    std::string ExecutableDirectory() override { return exeDir; }
    std::string ExecutableBaseName() override { return baseName; }
    std::string CommandLineArguments() override { return arguments; }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    void SetServiceProcess(bool registered) override;
    void EndProcess() override { Record("EndProcess"); }
    void EndSession(SessionEnd how) override;
    MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                          MsgIcon icon) override;
    std::string BrowseForFile(WindowHandle, const BrowseFileRequest& request) override;
    std::string BrowseForFolder(WindowHandle, const std::string& title) override;
    bool StartProgram(const std::string& commandLine) override;
    std::string FindAssociatedProgram(const std::string& file) override;
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
    bool AddTrayIcon(WindowHandle, unsigned id, unsigned, IconHandle, const std::string& tip) override;
    bool DeleteTrayIcon(WindowHandle, unsigned id) override;
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

}  // namespace sd::test
