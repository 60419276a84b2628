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

void SetShell(Program& program, const std::string& value) {
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
        return;
    }

    if (!platform.WriteFileBytes(files.temp, RewriteShellLines(*old, value))) {
        platform.RemoveFile(files.temp);
        return;
    }
    // A read-only system.ini stays as it was; the rewritten text waits beside it.
    if (platform.IsReadOnly(files.ini)) return;

    bool replaced = false;
    switch (platform.ReplaceFileAtomically(files.temp, files.ini)) {
        case ReplaceResult::Replaced: replaced = true; break;
        case ReplaceResult::Failed: break;
        case ReplaceResult::Unsupported: replaced = ReplaceThroughBackup(platform, files); break;
    }
    if (replaced) platform.FlushProfileCache(files.ini);
}

}  // namespace sd
