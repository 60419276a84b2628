// The shell's crash-loop guard: counting shell-mode starts that never got going.
#include "core/start_guard.h"

#include "core/setting_keys.h"
#include "core/setting_numbers.h"

namespace sd {

StartDecision DecideShellStart(std::string_view storedCount) {
    const double stored = LeadingNumber(storedCount);
    // Anything but a count (empty, text, negative) reads as none; the count stops at the
    // limit, so a start that gives up and dies gives up again next time.
    int unfinished = 0;
    if (stored >= kUnfinishedStartsToGiveUp)
        unfinished = kUnfinishedStartsToGiveUp;
    else if (stored >= 1)
        unfinished = static_cast<int>(stored);
    return {unfinished >= kUnfinishedStartsToGiveUp, std::to_string(unfinished + 1)};
}

bool MarkShellStart(Program& program) {
    Platform& platform = program.platform;
    const StartDecision decision =
        DecideShellStart(platform.ReadSetting(keys::UnfinishedShellStarts));
    platform.WriteSetting(keys::UnfinishedShellStarts, decision.mark);
    program.shellStartMarked = true;
    return decision.giveUp;
}

void ClearShellStartMark(Program& program) {
    if (!program.shellStartMarked) return;
    program.shellStartMarked = false;
    ForgetUnfinishedStarts(program.platform);
}

void ForgetUnfinishedStarts(Platform& platform) {
    platform.WriteSetting(keys::UnfinishedShellStarts, "0");
}

}  // namespace sd
