// Every service SwiftDash asks of the operating system, as one interface in plain C++ types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sd {

using WindowHandle = void*;  // an HWND, opaque to the portable code
using IconHandle = void*;    // an HICON

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Stop };
enum class MsgAnswer { Ok, Yes, No };

// The three ways of ending a Windows session.
enum class SessionEnd { LogOff, ShutDown, Reboot };

enum class ReplaceResult { Replaced, Unsupported, Failed };

// The Windows families differ in where the shell is chosen: system.ini on 95/98/Me, a per-user
// registry value on 2000 and later, and only machine-wide (administrators) on NT 4.0 and before.
enum class WindowsFamily { Win9x, NT4OrEarlier, NT2000OrLater };

struct MemoryStatus {
    std::uint32_t memoryLoad = 0;  // percent in use
    std::uint64_t totalPhys = 0;   // bytes
    std::uint64_t availPhys = 0;   // bytes
};

// A program to start: the exact file to run, the command line it receives, where it runs.
struct ProgramStart {
    std::string application;  // the file itself, never searched for; empty: the system finds
                              // the command line's first word the way it finds programs
    std::string commandLine;  // the program's own name first, then its arguments
    std::string folder;       // its current folder; empty or missing: the system's choice
};

// A file for the shell to open as Explorer does: a shortcut runs its target with the
// shortcut's own arguments, "Start in" folder and Run state.
struct ShellOpen {
    std::string file;
    std::string arguments;  // passed after whatever the file itself names; may be empty
    std::string folder;     // the default folder; a shortcut's own "Start in" comes first
};

// Who asks the Open dialog for a file; each caller has its own fixed set of dialog options.
enum class FileDialogUse {
    OptionsBox,   // a browse button of the Options dialog: an existing file in an existing folder
    FileCommand,  // the menus' file commands: an existing file, long names shown
};

struct BrowseFileRequest {
    std::string title;
    std::string filter;        // "Desc|pattern; pattern|Desc|pattern"
    std::string initialFile;
    std::string initialDir;    // empty: the dialog's own default
    FileDialogUse use = FileDialogUse::OptionsBox;
    bool keepShortcuts = false;  // a picked shortcut comes back as itself, not as its target
};

// Each operation's promise in one line; the Win32 layer maps it onto the system's calls.
class Platform {
public:
    virtual ~Platform() = default;

    // --- Process ---
    // The folder of the running exe, without a trailing separator.
    virtual std::string ExecutableDirectory() = 0;
    // The running exe's full path.
    virtual std::string ExecutablePath() = 0;
    // The file name of the running exe without folder and extension.
    virtual std::string ExecutableBaseName() = 0;
    // The same from the exe's short (8.3) name; the long one where the system has no short one.
    virtual std::string ExecutableShortBaseName() = 0;
    // The command line after the program's own name, without the blanks around it.
    virtual std::string CommandLineArguments() = 0;
    // True when another shell or tray instance runs; marks this one as running when it is not.
    virtual bool AnotherInstanceRunning() = 0;
    // Takes the process out of the task list (or puts it back) where the system can (95/98).
    virtual void SetServiceProcess(bool registered) = 0;
    // Ends the process at once; no window's close handler runs. Fakes record and return.
    virtual void EndProcess() = 0;
    // Whether a Shift key is held down right now (the keyboard itself, not a message queue).
    virtual bool ShiftKeyDown() = 0;
    // Whether Windows was started in Safe Mode.
    virtual bool SafeMode() = 0;

    // --- Session ---
    // Asks Windows to end the session that way, without forcing programs (on the NT family
    // with the right to shut down asked for first); the answer is ignored.
    virtual void EndSession(SessionEnd how) = 0;
    // NT family: makes the window the session's shell window, so that an Explorer started
    // later opens a folder window instead of a second desktop, and tells the log-on screen
    // that the shell is up. Nothing on 9x.
    virtual void AnnounceShell(WindowHandle shellWindow) = 0;

    // --- Per-user shell (2000 and later: the user's own Winlogon value Shell) ---
    // Stores the command line the next log-on starts, as text; false when it was not stored.
    virtual bool WriteUserShell(const std::string& commandLine) = 0;
    // Removes the value, so that the machine's own choice applies; true when it is gone.
    virtual bool DeleteUserShell() = 0;

    // --- Dialogs ---
    // A modal message box owned by no window; blocks until the user answers.
    virtual MsgAnswer ShowMessage(const std::string& text, const std::string& title,
                                  MsgButtons buttons, MsgIcon icon) = 0;
    // The Open dialog; the chosen path, or empty on cancel or any failure.
    virtual std::string BrowseForFile(WindowHandle owner, const BrowseFileRequest& request) = 0;
    // The shell's folder browser; the chosen folder, or empty on cancel.
    virtual std::string BrowseForFolder(WindowHandle owner, const std::string& title) = 0;

    // --- Programs ---
    // Starts a program in a normal, activated window without waiting; false if it did not start
    // (an application path too long for the system never starts).
    virtual bool StartProgram(const ProgramStart& start) = 0;
    // Opens a file as the shell's open verb does (its library loaded at the first call); false
    // when the shell could not start it (a path too long for the system never starts).
    virtual bool OpenWithShell(const ShellOpen& open) = 0;
    // The program registered to open a document, or empty (also for a name too long to look up).
    virtual std::string FindAssociatedProgram(const std::string& file) = 0;
    // The command interpreter that runs batch files (COMSPEC), or empty when none is named.
    virtual std::string CommandInterpreter() = 0;

    // --- Files ---
    // Whether a file (not a folder) of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
    // Whether a folder (not a file) of that name exists.
    virtual bool FolderExists(const std::string& path) = 0;
    // Whether the file exists and is marked read-only.
    virtual bool IsReadOnly(const std::string& path) = 0;
    // Makes the folder the process's current one; false if it cannot.
    virtual bool ChangeDirectory(const std::string& path) = 0;
    // The whole file, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> ReadFileBytes(const std::string& path) = 0;
    // Creates or replaces (whatever the old file's attributes), writes every byte, flushes to
    // disk and closes; false if any step failed.
    virtual bool WriteFileBytes(const std::string& path, const std::string& bytes) = 0;
    // Renames a file; fails when `to` exists.
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // Deletes a file; false when it is not there or cannot go.
    virtual bool RemoveFile(const std::string& path) = 0;
    // Puts `from` in the place of `to` in one step where the system can (NT); Unsupported on 9x.
    virtual ReplaceResult ReplaceFileAtomically(const std::string& from, const std::string& to) = 0;
    // Drops the system's cached copy of an INI file, before reading it and after replacing it.
    virtual void FlushProfileCache(const std::string& path) = 0;

    // --- Settings (the current user's, one text value per key) ---
    // The stored text, or empty when the key or the settings are absent.
    virtual std::string ReadSetting(const std::string& key) = 0;
    // Stores the text, creating whatever is missing; a failed write is not reported.
    virtual void WriteSetting(const std::string& key, const std::string& value) = 0;

    // --- Tray ---
    // Adds the notification icon, reporting to `window` with `callbackMessage`; callers ignore
    // the result.
    virtual bool AddTrayIcon(WindowHandle window, unsigned id, unsigned callbackMessage,
                             IconHandle icon, const std::string& tip) = 0;
    // Removes that notification icon; callers ignore the result.
    virtual bool DeleteTrayIcon(WindowHandle window, unsigned id) = 0;

    // --- System ---
    // The physical memory's size, what of it is free, and the percentage in use.
    virtual MemoryStatus GetMemoryStatus() = 0;
    // Which family the running Windows belongs to, decided once.
    virtual WindowsFamily Family() = 0;
};

}  // namespace sd
