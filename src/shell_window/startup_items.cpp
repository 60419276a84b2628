// The user's own start-up list.
#include "shell_window/startup_items.h"

#include "core/setting_keys.h"
#include "session/open_file.h"
#include "session/start_rule.h"

namespace sd {

void LaunchStartUpItems(Program& program) {
    Platform& platform = program.platform;
    for (const char* key : keys::kStartUpItems) {
        const std::string item = platform.ReadSetting(key);
        if (!item.empty()) OpenFile(program, item);
    }
    const std::string folder = platform.ReadSetting(keys::StartUpFolder);
    // Explorer reports a missing folder itself.
    if (!folder.empty()) platform.StartProgram(ProgramStartFor("explorer", folder));
}

}  // namespace sd
