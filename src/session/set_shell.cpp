// Rewriting the shell= line of system.ini: read, rewrite, write a temp file, replace.
#include "session/set_shell.h"

#include "session/shell_line.h"

namespace sd {

ShellFiles ShellFilesIn(const std::string& programDir) {
    return {programDir + "\\system.ini", programDir + "\\temp11.tmp", programDir + "\\temp11.bak"};
}

void RecoverShellFile(Platform& platform, const ShellFiles& files) {
    if (!platform.FileExists(files.backup)) return;
    if (platform.FileExists(files.ini))
        platform.RemoveFile(files.backup);
    else
        platform.RenameFile(files.backup, files.ini);
}

std::string ShellLineName(Program& program) {
    if (IsValidShortBaseName(program.vars.ExeName)) return program.vars.ExeName;
    return program.platform.ExecutableShortBaseName();
}

namespace {

// Windows 95/98 have no atomic replace: keep the old file under the backup name until the
// new one stands under the real name, so an interruption leaves something to recover.
bool ReplaceThroughBackup(Platform& platform, const ShellFiles& files) {
    if (!platform.RenameFile(files.ini, files.backup)) return false;
    if (!platform.RenameFile(files.temp, files.ini)) {
        platform.RenameFile(files.backup, files.ini);
        return false;
    }
    platform.RemoveFile(files.backup);
    return true;
}

}  // namespace

bool SetShell(Program& program, const std::string& value) {
    Platform& platform = program.platform;
    const ShellFiles files = ShellFilesIn(program.vars.ProgramDir);

    std::optional<std::string> old;
    if (platform.ChangeDirectory(program.vars.ProgramDir)) {
        RecoverShellFile(platform, files);
        platform.FlushProfileCache(files.ini);
        old = platform.ReadFileBytes(files.ini);
    }
    if (!old) {
        platform.ShowMessage(
            "Unable to find system.ini file. Please make sure you are running SwiftDash from "
            "windows directory.",
            kAppTitle, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }

    // Checked before anything is written, so that a read-only file leaves nothing beside it.
    if (platform.IsReadOnly(files.ini)) {
        platform.ShowMessage(files.ini + " is read-only, so SwiftDash could not change the shell "
                             "there. Nothing was changed. Clear the file's read-only attribute "
                             "and try again.",
                             kAppTitle, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }

    if (value != kExplorerShell && !HasShellLine(*old)) {
        platform.ShowMessage(files.ini + " has no shell= line, so Windows would start Explorer "
                             "whatever SwiftDash wrote there. Nothing was changed. Add the line "
                             "shell=explorer.exe to its [boot] section and try again.",
                             kAppTitle, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }

    bool replaced = platform.WriteFileBytes(files.temp, RewriteShellLines(*old, value));
    if (replaced) {
        switch (platform.ReplaceFileAtomically(files.temp, files.ini)) {
            case ReplaceResult::Replaced: break;
            case ReplaceResult::Failed: replaced = false; break;
            case ReplaceResult::Unsupported: replaced = ReplaceThroughBackup(platform, files); break;
        }
    }
    if (!replaced) {
        platform.RemoveFile(files.temp);
        platform.ShowMessage("SwiftDash could not write " + files.ini +
                                 " (the disk may be full or write-protected). Nothing was changed.",
                             kAppTitle, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    platform.FlushProfileCache(files.ini);
    return true;
}

}  // namespace sd
