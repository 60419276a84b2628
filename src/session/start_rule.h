// The start rule: what naming a file, or a program with its arguments, starts. Decided from
// the text and a few facts about the machine; no system call of its own.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace sd {

// What the rule asks of the machine, only once it gets that far.
class StartFacts {
public:
    virtual ~StartFacts() = default;
    virtual bool FileExists(const std::string& path) = 0;
    // The program registered to open a document, or empty.
    virtual std::string AssociatedProgram(const std::string& document) = 0;
    // The command interpreter that runs batch files, or empty.
    virtual std::string CommandInterpreter() = 0;
};

enum class StartWay { Nothing, Program, Shell };

struct StartPlan {
    StartWay way = StartWay::Nothing;
    ProgramStart program;  // StartWay::Program
    ShellOpen shell;       // StartWay::Shell: shortcuts (.lnk, .pif)
    std::string told;      // the command line a failure names, unquoted
};

// A text of only blanks starts nothing. A text naming an existing file whole is that file;
// otherwise a leading existing .exe/.com/.bat/.pif (quoted, or up to a blank) takes the rest
// as its arguments. A shortcut goes to the shell, a batch file through the interpreter, a
// document to its program (or "notepad") in the document's folder, quoted only with blanks.
StartPlan PlanStart(std::string_view text, StartFacts& facts);

// How to start `program` with `arguments` (passed on as they are), in the program's own
// folder. A program given with a folder is started as exactly that file, so that
// "C:\Program Files\A\a.exe" never runs "C:\Program.exe"; a bare name ("notepad", "explorer")
// is found by the system's search. A batch file runs through `interpreter` when one is named.
ProgramStart ProgramStartFor(std::string_view program, std::string_view arguments = {},
                             std::string_view interpreter = {});

// The folder part of a path ("C:\" for "C:\a.exe"), or empty for a bare name.
std::string FolderOf(std::string_view path);

}  // namespace sd
