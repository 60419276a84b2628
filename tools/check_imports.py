#!/usr/bin/env python3
"""Lists the DLLs and functions an exe imports and fails on any that Windows 95/98 lack.

Two lists: the imports known to exist on Windows 95 (an allow-list: anything else fails until
someone has checked it and added it), and the ones known to be missing there (a deny-list,
which explains the failure for the usual suspects). A full list of Windows 95's exports per DLL
would need those DLLs, which we do not have; the allow-list is short, and each addition is a
reviewed line.

Usage: check_imports.py EXE [--report]
"""
import subprocess
import sys

ALLOWED_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "SHELL32.DLL",
                "COMDLG32.DLL", "COMCTL32.DLL", "MSVCRT.DLL"}
# Shell mode must start with only these loaded; the rest are loaded on first use.
STARTUP_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL"}
# Every entry is a function of the Win32 API as Windows 95 first shipped it (Windows 95 SDK;
# none is documented as needing Windows 98, NT 4.0 or Internet Explorer), or of the C library
# in the msvcrt.dll that 95 runs. SHELL32, COMDLG32 and COMCTL32 are reached through
# GetProcAddress only (STARTUP_DLLS below).
KNOWN_ON_95 = {
    "KERNEL32.DLL": """
        CloseHandle CopyFileA CreateDirectoryA DeleteCriticalSection EnterCriticalSection
        GetCurrentThreadId InitializeCriticalSection LeaveCriticalSection
        SetUnhandledExceptionFilter TlsAlloc TlsFree TlsGetValue TlsSetValue VirtualProtect
        VirtualQuery CreateFileA CreateMutexA CreateProcessA
        DeleteFileA ExitProcess FindClose FindFirstFileA FindNextFileA FlushFileBuffers
        FormatMessageA FreeLibrary GetCommandLineA GetCurrentDirectoryA GetCurrentProcess
        GetCurrentProcessId GetExitCodeProcess GetFileAttributesA GetFileSize GetFullPathNameA
        GetLastError GetLocalTime GetModuleFileNameA GetModuleHandleA GetPrivateProfileStringA
        GetProcAddress GetProcessHeap GetStartupInfoA GetSystemDirectoryA GetTempFileNameA
        GetTempPathA GetTickCount GetVersion GetVersionExA GetWindowsDirectoryA GlobalAlloc
        GlobalFree GlobalLock GlobalMemoryStatus GlobalUnlock HeapAlloc HeapFree LoadLibraryA
        MoveFileA MulDiv OpenEventA ReadFile RemoveDirectoryA SetCurrentDirectoryA SetEndOfFile
        SetEvent SetFileAttributesA SetFilePointer SetLastError Sleep WaitForSingleObject WriteFile
        WritePrivateProfileStringA lstrcmpiA lstrcpyA lstrcpynA lstrlenA""",
    "USER32.DLL": """
        AdjustWindowRectEx AppendMenuA BeginPaint BringWindowToTop CallWindowProcA CheckMenuItem
        ClientToScreen CreatePopupMenu CreateWindowExA DefWindowProcA DeleteMenu DestroyIcon
        DestroyMenu DestroyWindow DispatchMessageA DrawEdge DrawFocusRect DrawIconEx DrawTextA
        EnableMenuItem EnableWindow EndPaint ExitWindowsEx FillRect FindWindowA FrameRect
        GetAsyncKeyState GetClassInfoA GetClassNameA GetClientRect GetCursorPos GetDC GetDlgCtrlID
        GetFocus GetForegroundWindow GetKeyState GetMenuItemCount GetMessageA GetParent GetSubMenu
        GetSysColor GetSysColorBrush GetSystemMetrics GetWindow GetWindowLongA GetWindowRect
        GetWindowTextA GetWindowTextLengthA InflateRect InsertMenuItemA InvalidateRect
        IsChild IsDialogMessageA IsWindow IsWindowEnabled IsWindowVisible KillTimer LoadBitmapA
        LoadCursorA LoadIconA LoadImageA MapWindowPoints MessageBeep MessageBoxA MoveWindow
        OffsetRect PostMessageA PostQuitMessage PtInRect RedrawWindow RegisterClassA RegisterWindowMessageA
        ReleaseCapture ReleaseDC ScreenToClient SendMessageA SetCapture SetCursor SetFocus
        SetForegroundWindow SetRect SetTimer SetWindowLongA SetWindowPos SetWindowTextA ShowWindow
        SystemParametersInfoA TrackPopupMenu TranslateMessage UnionRect UpdateWindow
        WindowFromPoint wsprintfA""",
    "GDI32.DLL": """
        BitBlt CreateBitmap CreateCompatibleBitmap CreateCompatibleDC CreateFontA CreateFontIndirectA CreatePen
        CreateSolidBrush DeleteDC DeleteObject ExtTextOutA GetDeviceCaps GetObjectA GetPixel GetStockObject
        GetTextExtentPoint32A GetTextMetricsA LineTo MoveToEx PatBlt Rectangle SelectObject
        SetBkColor SetBkMode SetPixel SetTextColor StretchBlt TextOutA""",
    "ADVAPI32.DLL": """
        RegCloseKey RegCreateKeyExA RegDeleteKeyA RegDeleteValueA RegEnumKeyExA RegEnumValueA
        RegOpenKeyExA RegQueryValueExA RegSetValueExA""",
    "MSVCRT.DLL": """
        abort calloc free malloc memchr memcmp memcpy memmove memset realloc strchr strcmp strlen
        strncmp strrchr strtod strtol strtoul""",
}
KNOWN_ON_95 = {dll: set(names.split()) for dll, names in KNOWN_ON_95.items()}

FORBIDDEN = {
    "KERNEL32.DLL": {"IsDebuggerPresent", "AddVectoredExceptionHandler",
                     "RemoveVectoredExceptionHandler", "GetTickCount64", "TryEnterCriticalSection",
                     "GetHandleInformation", "InitializeCriticalSectionEx", "GetFileSizeEx",
                     "SetFilePointerEx", "GlobalMemoryStatusEx", "MoveFileExA", "MoveFileExW",
                     "ReplaceFileA", "ReplaceFileW", "IsProcessorFeaturePresent"},
    "COMCTL32.DLL": {"InitCommonControlsEx"},
}
FORBIDDEN_PARTS = ("SRW", "ConditionVariable", "Fls", "InitOnce", "GetModuleHandleEx")


def imports(exe):
    out = subprocess.run(["i686-w64-mingw32-objdump", "-p", exe], check=True,
                         capture_output=True, text=True).stdout
    table, dll = {}, None
    for line in out.splitlines():
        line = line.strip()
        if line.startswith("DLL Name:"):
            dll = line.split(":", 1)[1].strip().upper()
            table[dll] = []
        elif dll and len(line.split()) == 3 and line.split()[1].isdigit():
            table[dll].append(line.split()[2])
        elif dll and not line:
            dll = None if table.get(dll) else dll
    return table


def problems(table):
    found = []
    for dll, names in table.items():
        if dll not in ALLOWED_DLLS:
            found.append(f"{dll}: not a DLL that Windows 95/98 ship")
        if dll not in STARTUP_DLLS:
            found.append(f"{dll}: imported directly; shell mode must load it on first use only")
        for name in names:
            if name in FORBIDDEN.get(dll, ()) or any(p in name for p in FORBIDDEN_PARTS):
                found.append(f"{dll}!{name}: absent from Windows 95/98")
            if dll == "MSVCRT.DLL" and (name.endswith("_s") or "64" in name or name in (
                    "___lc_codepage_func", "___mb_cur_max_func")):
                found.append(f"{dll}!{name}: absent from the Windows 95/98 msvcrt")
            if dll in ALLOWED_DLLS and name not in KNOWN_ON_95.get(dll, ()):
                found.append(f"{dll}!{name}: not known to exist on Windows 95; check it, then "
                             "add it to KNOWN_ON_95 in tools/check_imports.py")
    return found


def main():
    exe = sys.argv[1]
    table = imports(exe)
    if "--report" in sys.argv:
        for dll in sorted(table):
            print(f"{dll} ({len(table[dll])}): {' '.join(sorted(table[dll]))}")
    found = problems(table)
    for p in found:
        print("import problem:", p)
    if not table:
        print("no imports read from", exe)
        return 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
