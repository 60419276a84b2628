// A check for every window: each control's caption, drawn in the control's own font, fits the
// room the control gives it (no "Return to Windov").
#pragma once

#include <windows.h>

namespace sd::test {

// Walks the window's children (and their children); fails the test for each clipped caption.
void ExpectCaptionsFit(HWND window);

}  // namespace sd::test
