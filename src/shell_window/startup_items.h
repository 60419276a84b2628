// The user's own start-up list: three programs or documents and one folder.
#pragma once

#include "core/program.h"

namespace sd {

// Opens each non-empty StartUpItem0..2 in order, then the StartUpFolder in Explorer; the
// settings are read afresh on every call.
void LaunchStartUpItems(Program& program);

}  // namespace sd
