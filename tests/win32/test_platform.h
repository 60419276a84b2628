// The in-process tests' platform: the real Win32 one with the recorded calls, and temp folders.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32_platform.h"
#include "recording_platform.h"

namespace sd::test {

using TestPlatform = RecordingPlatform<Win32Platform>;

// A fresh, empty folder under the temp folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

// The settings key, emptied before and after a test.
void ClearSettings();

}  // namespace sd::test
