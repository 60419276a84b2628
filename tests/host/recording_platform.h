// What both test platforms do alike: every call that would reach the user, start a program,
// or end the session or the process is written to `log` and answered from a script, so that
// the test process lives on; Base does everything else.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sd::test {

template <class Base>
class RecordingPlatform : public Base {
public:
    using Base::Base;

    // What the process looks like.
    std::string exeDir = "C:\\WINDOWS";
    std::string arguments;
    bool safeMode = false, anotherInstance = false, shiftDown = false;

    // What happened, and the scripted answers.
    std::vector<std::string> log;
    std::vector<std::string> messages;      // the message boxes' texts
    std::deque<MsgAnswer> answers;          // Yes or Ok when empty
    std::deque<std::string> browseAnswers;  // the browse dialogs' answers; empty: cancelled

    bool Record(std::string line) {
        log.push_back(std::move(line));
        return true;
    }

    std::string ExecutableDirectory() override { return exeDir; }
    std::string ExecutablePath() override { return exeDir + "\\SwiftDash.exe"; }
    std::string ExecutableBaseName() override { return "SwiftDash"; }
    std::string ExecutableShortBaseName() override { return "SWIFTD~1"; }
    std::string CommandLineArguments() override { return arguments; }
    bool SafeMode() override { return safeMode; }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    bool ShiftKeyDown() override { return shiftDown; }
    void SetServiceProcess(bool on) override { Record(on ? "ServiceProcess 1" : "ServiceProcess 0"); }
    void EndProcess() override { Record("EndProcess"); }
    void AnnounceShell(WindowHandle) override { Record("AnnounceShell"); }
    void EndSession(SessionEnd how) override {
        Record(how == SessionEnd::LogOff ? "LogOff" : how == SessionEnd::ShutDown ? "ShutDown" : "Reboot");
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
    // "Start [application] command line", or "Start command line" for a searched name.
    bool StartProgram(const ProgramStart& start) override {
        const std::string application = start.application.empty() ? "" : "[" + start.application + "] ";
        return Record("Start " + application + start.commandLine) && Started(start.commandLine);
    }
    // "Shell file arguments"
    bool OpenWithShell(const ShellOpen& open) override {
        const std::string arguments = open.arguments.empty() ? "" : " " + open.arguments;
        return Record("Shell " + open.file + arguments) && Started(open.file);
    }
    bool AddTrayIcon(WindowHandle, unsigned id, unsigned, IconHandle, const std::string&) override {
        return Record("TrayAdd " + std::to_string(id));
    }
    bool DeleteTrayIcon(WindowHandle, unsigned id) override { return Record("TrayDelete " + std::to_string(id)); }

protected:
    // Whether a start of that command line or file succeeds.
    virtual bool Started(const std::string&) { return true; }

private:
    // The next scripted answer, or `otherwise` when the script has run out.
    template <class T>
    static T Next(std::deque<T>& script, T otherwise) {
        if (!script.empty()) otherwise = script.front(), script.pop_front();
        return otherwise;
    }
};

}  // namespace sd::test
