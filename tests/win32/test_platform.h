// The in-process tests' platform.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/win32_platform.h"

namespace sd::test {

// The real Win32 platform, but every call that would reach the user, end the session or the
// process, block on a modal window or start a program is written to `log` and answered from a
// script; the test process lives on.
class TestPlatform : public Win32Platform {
public:
    using Win32Platform::Win32Platform;

    // What the process looks like.
    std::string exeDir = "C:\\WINDOWS";
    std::string arguments;
    bool safeMode = false;

    // What happened, and the scripted answers.
    std::vector<std::string> log;
    std::vector<std::string> messages;       // the message boxes' texts
    std::deque<MsgAnswer> answers;           // Yes or Ok when empty
    std::deque<std::string> browseAnswers;   // the browse dialogs' answers; empty: cancelled

    void Record(std::string line) { log.push_back(std::move(line)); }

    std::string ExecutableDirectory() override { return exeDir; }
    std::string ExecutablePath() override { return exeDir + "\\SwiftDash.exe"; }
    std::string ExecutableBaseName() override { return "SwiftDash"; }
    std::string ExecutableShortBaseName() override { return "SWIFTD~1"; }
    std::string CommandLineArguments() override { return arguments; }
    bool AnotherInstanceRunning() override { return false; }
    void SetServiceProcess(bool on) override { Record(on ? "ServiceProcess 1" : "ServiceProcess 0"); }
    void EndProcess() override { Record("EndProcess"); }
    bool ShiftKeyDown() override { return false; }
    bool SafeMode() override { return safeMode; }
    void EndSession(SessionEnd how) override { Record("EndSession " + std::to_string(static_cast<unsigned>(how))); }
    void AnnounceShell(WindowHandle) override { Record("AnnounceShell"); }
    MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                          MsgIcon) override {
        Record("Message " + title);
        messages.push_back(text);
        return Answer(answers, buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok);
    }
    // The file it opens on; a folder browser's title.
    std::string BrowseForFile(WindowHandle, const BrowseFileRequest& request) override {
        Record("BrowseForFile " + request.initialFile);
        return Answer(browseAnswers, std::string());
    }
    std::string BrowseForFolder(WindowHandle, const std::string& title) override {
        Record("BrowseForFolder " + title);
        return Answer(browseAnswers, std::string());
    }
    // "Start [application] command line", or "Start command line" for a searched name.
    bool StartProgram(const ProgramStart& start) override {
        Record("Start " + (start.application.empty() ? "" : "[" + start.application + "] ") +
               start.commandLine);
        return true;
    }
    // "Shell file arguments"
    bool OpenWithShell(const ShellOpen& open) override {
        Record("Shell " + open.file + (open.arguments.empty() ? "" : " " + open.arguments));
        return true;
    }
    bool AddTrayIcon(WindowHandle, unsigned id, unsigned, IconHandle, const std::string&) override {
        Record("TrayAdd " + std::to_string(id));
        return true;
    }
    bool DeleteTrayIcon(WindowHandle, unsigned id) override {
        Record("TrayDelete " + std::to_string(id));
        return true;
    }

private:
    // The next scripted answer, or `otherwise` when the script has run out.
    template <class T>
    static T Answer(std::deque<T>& script, T otherwise) {
        if (!script.empty()) otherwise = script.front(), script.pop_front();
        return otherwise;
    }
};

}  // namespace sd::test
