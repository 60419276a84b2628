// The Win32 implementation of the platform interface (ANSI functions, 9x-safe imports).
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace sd {

struct Win32PlatformOptions {
    // Do as on Windows 95/98 where the two families differ (no atomic file replace),
    // whatever the system says; tests use it because Wine has MoveFileEx even posing as 98.
    bool forceWin9x = false;
    std::string settingsKey = "Software\\SwiftDash\\Default";  // below HKEY_CURRENT_USER
    std::string instanceName = "SwiftDash.Instance";           // the running-instance mutex
    // The family the program acts for, whatever the system says (tests of each family); the
    // system's own answer when empty.
    std::optional<WindowsFamily> family = std::nullopt;
};

class Win32Platform : public Platform {
public:
    explicit Win32Platform(Win32PlatformOptions options = {});
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    std::string ExecutableDirectory() override;
    std::string ExecutablePath() override;
    std::string ExecutableBaseName() override;
    std::string ExecutableShortBaseName() override;
    std::string CommandLineArguments() override;
    bool AnotherInstanceRunning() override;
    void SetServiceProcess(bool registered) override;
    void EndProcess() override;
    bool ShiftKeyDown() override;
    bool SafeMode() override;

    void EndSession(SessionEnd how) override;
    void AnnounceShell(WindowHandle shellWindow) override;

    bool WriteUserShell(const std::string& commandLine) override;
    bool DeleteUserShell() override;

    MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                          MsgIcon icon) override;
    std::string BrowseForFile(WindowHandle owner, const BrowseFileRequest& request) override;
    std::string BrowseForFolder(WindowHandle owner, const std::string& title) override;

    bool StartProgram(const ProgramStart& start) override;
    bool OpenWithShell(const ShellOpen& open) override;
    std::string FindAssociatedProgram(const std::string& file) override;
    std::string CommandInterpreter() override;

    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    bool ChangeDirectory(const std::string& path) override;
    std::optional<std::string> ReadFileBytes(const std::string& path) override;
    bool WriteFileBytes(const std::string& path, const std::string& bytes) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool RemoveFile(const std::string& path) override;
    ReplaceResult ReplaceFileAtomically(const std::string& from, const std::string& to) override;
    void FlushProfileCache(const std::string& path) override;

    std::string ReadSetting(const std::string& key) override;
    void WriteSetting(const std::string& key, const std::string& value) override;

    bool AddTrayIcon(WindowHandle window, unsigned id, unsigned callbackMessage, IconHandle icon,
                     const std::string& tip) override;
    bool DeleteTrayIcon(WindowHandle window, unsigned id) override;

    MemoryStatus GetMemoryStatus() override;
    WindowsFamily Family() override { return family_; }

    // True on Windows 95/98/Me (bit 31 of GetVersion), or when forced.
    bool IsWin9x() const;

private:
    // A start's folder as the system takes it: null (the system's choice) when it is missing.
    const char* StartFolder(const std::string& folder);

    Win32PlatformOptions options_;
    WindowsFamily family_;
    void* instanceMutex_ = nullptr;
};

}  // namespace sd
