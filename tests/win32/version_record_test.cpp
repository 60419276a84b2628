// The version record the resource script gives the exe (this test exe carries the same one).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string VersionString(const std::vector<char>& record, const char* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(record.data(), path.c_str(), &value, &length) || !length) return {};
    return static_cast<const char*>(value);
}

TEST(VersionRecord, NamesTheProductAndItsVersion) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeA(exe, &ignored));
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(GetFileVersionInfoA(exe, 0, static_cast<DWORD>(record.size()), record.data()));
    EXPECT_EQ(VersionString(record, "ProductName"), "SwiftDash");
    EXPECT_EQ(VersionString(record, "FileDescription"), "SwiftDash for Windows 95/98");
    EXPECT_EQ(VersionString(record, "Comments"),
              "Compatible with Windows 95/98 SwiftDash replaces your explorer shell to make games faster.");
    EXPECT_EQ(VersionString(record, "FileVersion"), "1.03");
    EXPECT_EQ(VersionString(record, "ProductVersion"), "1.03");
    EXPECT_EQ(VersionString(record, "InternalName"), "SwiftDash");
    EXPECT_EQ(VersionString(record, "OriginalFilename"), "SwiftDash.exe");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(3, 1));  // 1.3.0.0
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}

}  // namespace
