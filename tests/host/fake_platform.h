// The host tests' platform: a machine in memory. Files, folders and settings are maps; what
// would reach the user, start a program or end the session or the process is written to `log`
// and answered from a script; file steps fail or crash where a test says so.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sd::test {

class FakePlatform : public Platform {
public:
    // What the process and the machine look like.
    std::string exeDir = "C:\\WINDOWS";
    std::string exeName = "SwiftDash";
    std::string arguments;
    bool anotherInstance = false, shiftDown = false, safeMode = false;
    bool win9x = true;  // no atomic replace
    WindowsFamily family = WindowsFamily::Win9x;
    bool userShellLocked = false;  // the per-user shell value refuses every change
    std::string userShell;         // the per-user shell value; empty: none
    std::map<std::string, std::string> files;  // path to bytes
    std::set<std::string> folders, readOnly;
    std::map<std::string, std::string> settings;
    std::map<std::string, std::string> associations;  // document to program

    // What happened, and the scripted answers.
    std::vector<std::string> log;
    std::vector<std::string> messages;      // the message boxes' texts
    std::deque<MsgAnswer> answers;          // Yes or Ok when empty
    std::deque<std::string> browseAnswers;  // empty: cancelled
    std::set<std::string> startFails;       // command lines or files that do not start

    // File step number `failingStep` (from 1, over every kind of file step) fails, a write half
    // done; with `crash` the process is gone from there on, and no later step takes effect.
    int failingStep = 0;
    bool crash = false;
    int steps = 0;

    std::string ExecutableDirectory() override { return exeDir; }
    std::string ExecutablePath() override { return exeDir + "\\" + exeName + ".exe"; }
    std::string ExecutableBaseName() override { return exeName; }
    std::string ExecutableShortBaseName() override { return "SWIFTD~1"; }
    std::string CommandLineArguments() override { return arguments; }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    void SetServiceProcess(bool on) override { Record(on ? "ServiceProcess 1" : "ServiceProcess 0"); }
    void EndProcess() override { Record("EndProcess"); }
    bool ShiftKeyDown() override { return shiftDown; }
    bool SafeMode() override { return safeMode; }

    void EndSession(SessionEnd how) override {
        Record(how == SessionEnd::LogOff ? "LogOff" : how == SessionEnd::ShutDown ? "ShutDown" : "Reboot");
    }

    void AnnounceShell(WindowHandle) override { Record("AnnounceShell"); }
    bool WriteUserShell(const std::string& commandLine) override {
        if (!userShellLocked) userShell = commandLine;
        return !userShellLocked;
    }
    bool DeleteUserShell() override {
        if (!userShellLocked) userShell.clear();
        return !userShellLocked;
    }

    MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon) override {
        Record("Message " + title);
        messages.push_back(text);
        return Next(answers, buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok);
    }
    std::string BrowseForFile(WindowHandle, const BrowseFileRequest& request) override {
        Record("BrowseForFile " + request.initialFile);
        return Next(browseAnswers, std::string());
    }
    std::string BrowseForFolder(WindowHandle, const std::string& title) override {
        Record("BrowseForFolder " + title);
        return Next(browseAnswers, std::string());
    }

    // "Start [application] command line (folder)"; the application and folder when given.
    bool StartProgram(const ProgramStart& start) override {
        Record("Start " + (start.application.empty() ? "" : "[" + start.application + "] ") + start.commandLine +
               (start.folder.empty() ? "" : " (" + start.folder + ")"));
        return !startFails.count(start.commandLine);
    }
    bool OpenWithShell(const ShellOpen& open) override {
        Record("Shell " + open.file + (open.arguments.empty() ? "" : " " + open.arguments));
        return !startFails.count(open.file);
    }
    std::string FindAssociatedProgram(const std::string& file) override {
        auto found = associations.find(file);
        return found == associations.end() ? std::string() : found->second;
    }
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

    bool AddTrayIcon(WindowHandle, unsigned id, unsigned, IconHandle, const std::string&) override {
        Record("TrayAdd " + std::to_string(id));
        return true;
    }
    bool DeleteTrayIcon(WindowHandle, unsigned id) override {
        Record("TrayDelete " + std::to_string(id));
        return true;
    }
    MemoryStatus GetMemoryStatus() override { return {}; }
    WindowsFamily Family() override { return family; }

    void Record(std::string line) { log.push_back(std::move(line)); }

private:
    bool Step() { return crash ? ++steps < failingStep : ++steps != failingStep; }

    template <class T>
    static T Next(std::deque<T>& script, T otherwise) {
        if (!script.empty()) otherwise = script.front(), script.pop_front();
        return otherwise;
    }
};

}  // namespace sd::test
