// The in-process tests' platform: the real Win32 platform, with the calls that would reach the
// user, end the session or the process, block on a modal window or start a program recorded
// and answered from a script.
#pragma once

#include "../host/recording_platform.h"
#include "platform/win32_platform.h"

namespace sd::test {

class TestPlatform : public RecordingPlatform<Win32Platform> {
public:
    using RecordingPlatform::RecordingPlatform;

    bool AnotherInstanceRunning() override { return false; }
    bool ShiftKeyDown() override { return false; }
};

}  // namespace sd::test
