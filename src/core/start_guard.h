// The shell's crash-loop guard: a stored count of shell-mode starts that never got going.
#pragma once

#include <string>
#include <string_view>

#include "core/program.h"

namespace sd {

// After this many unfinished shell-mode starts in a row, the next one gives Explorer back.
inline constexpr int kUnfinishedStartsToGiveUp = 2;
// How long a shell-mode start must run before it counts as one that got going.
inline constexpr unsigned kStartSettleMilliseconds = 20000;

struct StartDecision {
    bool giveUp;       // the starts before this one never got going: do not try again
    std::string mark;  // what the store holds while this start is under way
};
// What a shell-mode start does, from the count its predecessors left.
StartDecision DecideShellStart(std::string_view storedCount);

// Marks this shell-mode start as under way, first thing; true when it should give up.
bool MarkShellStart(Program& program);
// This start got going, or the program ends in order: it no longer counts. Does nothing in a
// process that did not mark a start (tray, options and switch runs, a second instance).
void ClearShellStartMark(Program& program);
// A fresh switch into shell mode: whatever went wrong before no longer counts.
void ForgetUnfinishedStarts(Platform& platform);

}  // namespace sd
