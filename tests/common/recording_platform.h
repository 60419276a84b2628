// The one recording platform of the tests, on top of a real system (the Win32 platform, under
// Wine) or an in-memory one (host): every call that would reach the user, end the session or
// the process, block on a modal window or start a program is written to `log` and answered
// from a script, while the test process lives on.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sd::test {

template <class System>
class RecordingPlatform : public System {
public:
    using System::System;

    struct Message { std::string text, title; MsgButtons buttons; MsgIcon icon; };

    // What the process looks like.
    std::string exeDir = "C:\\WINDOWS";
    std::string baseName = "SwiftDash";
    std::string arguments;
    bool anotherInstance = false;
    bool shiftDown = false;

    // What happened, and the scripted answers.
    std::vector<std::string> log;
    std::vector<Message> messages;
    std::vector<BrowseFileRequest> fileRequests;
    std::deque<MsgAnswer> answers;           // Yes or Ok when empty
    std::deque<std::string> browseAnswers;   // the browse dialogs' answers; empty: cancelled
    std::set<std::string> unstartable;       // command lines that fail to start

    void Record(std::string line) { log.push_back(std::move(line)); }

    std::string ExecutableDirectory() override { return exeDir; }
    std::string ExecutableBaseName() override { return baseName; }
    std::string CommandLineArguments() override { return arguments; }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    void SetServiceProcess(bool registered) override {
        Record(registered ? "ServiceProcess 1" : "ServiceProcess 0");
    }
    void EndProcess() override { Record("EndProcess"); }
    bool ShiftKeyDown() override { return shiftDown; }
    void EndSession(SessionEnd how) override {
        Record("EndSession " + std::to_string(static_cast<unsigned>(how)));
    }
    MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                          MsgIcon icon) override {
        messages.push_back({text, title, buttons, icon});
        Record("Message " + title);
        MsgAnswer answer = buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    }
    std::string BrowseForFile(WindowHandle, const BrowseFileRequest& request) override {
        fileRequests.push_back(request);
        return Browse("BrowseForFile " + request.title);
    }
    std::string BrowseForFolder(WindowHandle, const std::string& title) override {
        return Browse("BrowseForFolder " + title);
    }
    // "Start [application] command line", or "Start command line" for a searched name.
    bool StartProgram(const ProgramStart& start) override {
        Record("Start " + (start.application.empty() ? "" : "[" + start.application + "] ") +
               start.commandLine);
        return unstartable.count(start.commandLine) == 0;
    }
    bool AddTrayIcon(WindowHandle, unsigned id, unsigned message, IconHandle icon,
                     const std::string& tip) override {
        Record("TrayAdd " + std::to_string(id) + " " + std::to_string(message) + " " + tip +
               (icon ? " icon" : " no-icon"));
        return true;
    }
    bool DeleteTrayIcon(WindowHandle, unsigned id) override {
        Record("TrayDelete " + std::to_string(id));
        return true;
    }

private:
    std::string Browse(const std::string& what) {
        Record(what);
        if (browseAnswers.empty()) return {};
        std::string answer = browseAnswers.front();
        browseAnswers.pop_front();
        return answer;
    }
};

}  // namespace sd::test
