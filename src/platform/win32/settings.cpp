// Win32 platform: the settings store, one REG_SZ value per key under HKEY_CURRENT_USER.
#include <windows.h>

#include "platform/win32_platform.h"

namespace sd {

std::string Win32Platform::ReadSetting(const std::string& key) {
    HKEY section = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, options_.settingsKey.c_str(), 0, KEY_QUERY_VALUE,
                      &section) != ERROR_SUCCESS)
        return {};
    std::string value;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(section, key.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
        std::string data(size, '\0');
        if (RegQueryValueExA(section, key.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS) {
            data.resize(size < data.size() ? size : data.size());
            value = data.substr(0, data.find('\0'));
        }
    }
    RegCloseKey(section);
    return value;
}

void Win32Platform::WriteSetting(const std::string& key, const std::string& value) {
    HKEY section = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, options_.settingsKey.c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &section,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(section, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(section);
}

}  // namespace sd
