// The real Win32 platform, with the steps that would end the session or the process, block on
// a modal window or start a program replaced by recordings.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32_platform.h"
#include "recorder.h"

namespace sd::test {

class TestPlatform : public Win32Platform, public Recorder {
public:
    explicit TestPlatform(Win32PlatformOptions options = {}) : Win32Platform(std::move(options)) {}

    std::string exeDir;
    std::string arguments;
    bool anotherInstance = false;

    std::string ExecutableDirectory() override { return exeDir; }
    std::string ExecutableBaseName() override { return "SwiftDash"; }
    std::string CommandLineArguments() override { return arguments; }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    void SetServiceProcess(bool registered) override {
        Record(registered ? "ServiceProcess 1" : "ServiceProcess 0");
    }
    void EndProcess() override { Record("EndProcess"); }
    void EndSession(SessionEnd how) override {
        Record("EndSession " + std::to_string(static_cast<unsigned>(how)));
    }
    MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                          MsgIcon icon) override {
        return AnswerMessage(text, title, buttons, icon);
    }
    std::string BrowseForFile(WindowHandle, const BrowseFileRequest& request) override {
        return Browse("BrowseForFile " + request.title);
    }
    std::string BrowseForFolder(WindowHandle, const std::string& title) override {
        return Browse("BrowseForFolder " + title);
    }
    bool StartProgram(const std::string& commandLine) override {
        Record("Start " + commandLine);
        return true;
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
};

// A fresh, empty folder under the temp folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

// The settings key, emptied before and after a test.
void ClearSettings();

}  // namespace sd::test
