// The start rule: what naming a file, or a program with its arguments, starts.
#include "session/start_rule.h"

namespace sd {

namespace {

constexpr std::string_view kFallbackProgram = "notepad";
constexpr std::string_view kBlanks = " \t";

bool EndsWithNoCase(std::string_view text, std::string_view lowerTail) {
    if (text.size() < lowerTail.size()) return false;
    text.remove_prefix(text.size() - lowerTail.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lowerTail[i]) return false;
    }
    return true;
}

bool IsBatch(std::string_view file) { return EndsWithNoCase(file, ".bat"); }
bool IsShortcut(std::string_view file) {
    return EndsWithNoCase(file, ".lnk") || EndsWithNoCase(file, ".pif");
}
bool IsProgramImage(std::string_view file) {
    return EndsWithNoCase(file, ".exe") || EndsWithNoCase(file, ".com") || IsBatch(file);
}
// What may be followed by arguments: a program, or a DOS program's .pif.
bool TakesArguments(std::string_view file) { return IsProgramImage(file) || EndsWithNoCase(file, ".pif"); }

// Some Windows 3.x-era programs keep quotes as part of the name: quote only what needs it.
std::string QuotedIfBlank(std::string_view text) {
    if (text.find(' ') == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string Joined(std::string_view first, std::string_view second) {
    std::string line(first);
    if (!second.empty()) {
        line += ' ';
        line += second;
    }
    return line;
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

struct Named {
    std::string file;
    std::string arguments;
};

// A program named exactly at the head of the text, then a blank and its arguments; or a
// quoted name alone. Unquoted, the first head that exists counts, so a blank in a folder's
// name never splits it wrongly; when none exists, the first program name, so that the
// failure names it.
bool SplitProgram(std::string_view text, StartFacts& facts, Named& named) {
    const auto take = [&](std::string_view program, std::string_view rest) {
        named = {std::string(program), std::string(WithoutLeadingBlanks(rest))};
        return true;
    };
    if (text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        if (close == std::string_view::npos) return false;
        const std::string_view program = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        const bool separated = rest.empty() || kBlanks.find(rest.front()) != std::string_view::npos;
        // Quoted alone, any file is itself; only a program takes arguments.
        const bool alone = WithoutLeadingBlanks(rest).empty();
        return separated && (alone || TakesArguments(program)) && take(program, rest);
    }
    std::size_t missing = std::string_view::npos;
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos;
         blank = text.find(' ', blank + 1)) {
        const std::string_view program = text.substr(0, blank);
        if (!TakesArguments(program)) continue;
        if (facts.FileExists(std::string(program))) return take(program, text.substr(blank + 1));
        if (missing == std::string_view::npos) missing = blank;
    }
    return missing != std::string_view::npos && take(text.substr(0, missing), text.substr(missing + 1));
}

}  // namespace

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    // "C:" alone would mean the drive's current folder: a root keeps its separator.
    const bool root = slash == 0 || path[slash - 1] == ':';
    return std::string(path.substr(0, root ? slash + 1 : slash));
}

ProgramStart ProgramStartFor(std::string_view program, std::string_view arguments,
                             std::string_view interpreter) {
    ProgramStart start;
    start.folder = FolderOf(program);
    start.commandLine = Joined(QuotedIfBlank(program), arguments);
    if (IsBatch(program)) {
        // A batch file is no program image. Without an interpreter its quoted name still
        // reaches exactly that file (Windows 95/98 hand it to COMMAND.COM themselves).
        if (interpreter.empty()) return start;
        start.application = interpreter;
        // cmd.exe takes one pair of quotes off what follows /c; COMMAND.COM takes it as it is.
        const bool cmd = EndsWithNoCase(interpreter, "cmd.exe");
        start.commandLine = QuotedIfBlank(interpreter) + " /c " +
                            (cmd ? "\"" + start.commandLine + "\"" : start.commandLine);
        return start;
    }
    if (program.find_first_of("\\/:") != std::string_view::npos) start.application = program;
    return start;
}

StartPlan PlanStart(std::string_view text, StartFacts& facts) {
    StartPlan plan;
    if (text.find_first_not_of(kBlanks) == std::string_view::npos) return plan;
    Named named{std::string(text), {}};
    if (!facts.FileExists(named.file)) SplitProgram(text, facts, named);
    if (IsShortcut(named.file)) {
        plan.way = StartWay::Shell;
        plan.shell = {named.file, named.arguments, FolderOf(named.file)};
        plan.told = Joined(named.file, named.arguments);
        return plan;
    }
    plan.way = StartWay::Program;
    if (IsProgramImage(named.file)) {
        const std::string interpreter = IsBatch(named.file) ? facts.CommandInterpreter() : std::string();
        plan.program = ProgramStartFor(named.file, named.arguments, interpreter);
        plan.told = Joined(named.file, named.arguments);
        return plan;
    }
    // A document: its program starts in the document's folder, as Explorer starts it.
    std::string program = facts.AssociatedProgram(named.file);
    if (program.empty()) program = kFallbackProgram;
    plan.program = ProgramStartFor(program, QuotedIfBlank(named.file));
    plan.program.folder = FolderOf(named.file);
    plan.told = Joined(program, named.file);
    return plan;
}

}  // namespace sd
