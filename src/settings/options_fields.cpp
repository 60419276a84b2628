// The start-up copy of the settings the running program keeps.
#include "settings/options_fields.h"

#include "core/setting_numbers.h"

namespace sd {

void ReadCopiedSettings(Program& program) {
    Platform& platform = program.platform;
    for (const OptionsField& field : kOptionsFields) {
        if (field.IsDoubleClickAction())
            program.vars.DoubleClickAction = ReadDoubleClickAction(platform.ReadSetting(field.key));
        else if (field.copy)
            program.vars.*field.copy = platform.ReadSetting(field.key);
    }
}

}  // namespace sd
