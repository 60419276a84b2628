#!/usr/bin/env python3
"""Lists the DLLs and functions an exe imports and fails on any that the first Windows 95 lacks.

The exe may import only from KERNEL32, USER32, GDI32 and ADVAPI32 (shell mode starts with
nothing else loaded; SHELL32, COMDLG32 and COMCTL32 are loaded on first use), and only functions
of the allow-list below. With --sources, the functions the code loads on first use (LazyFunction
and LazyProc calls) are checked against the same list; OptionalFunction lookups are the ones
allowed to be missing, and are not.

The allow-list holds functions that the Win32 reference documents for the first Windows 95
release: each entry's page in the Platform SDK reference of the MSDN Library (the 1998-2001
editions), whose Requirements read "Windows 95/98: Requires Windows 95 or later" (not "Windows 95
OSR2", "Windows 98" or an Internet Explorer version), together with Microsoft's TechNet white
paper on the Win32 API differences between Windows 95, its OSR 2 and Windows NT 4.0
(technet.microsoft.com, library/cc750195) for what the first release lacks. MSVCRT.DLL is not part of that release at all.
Add a function only after reading its page.

Usage: check_imports.py EXE [--report] [--sources SRC_DIR]
"""
import re
import subprocess
import sys
from pathlib import Path

STARTUP_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL"}
LAZY_DLLS = {"SHELL32.DLL", "COMDLG32.DLL", "COMCTL32.DLL"}
WINDOWS_95 = {
    "KERNEL32.DLL": """
        CloseHandle CopyFileA CreateDirectoryA CreateFileA CreateMutexA CreateProcessA
        DeleteCriticalSection DeleteFileA EnterCriticalSection ExitProcess FindClose
        FindFirstFileA FindNextFileA FlushFileBuffers FormatMessageA FreeLibrary GetCommandLineA
        GetCurrentDirectoryA GetCurrentProcess GetCurrentProcessId GetCurrentThreadId
        GetEnvironmentVariableA GetExitCodeProcess GetFileAttributesA GetFileSize GetFullPathNameA GetLastError
        GetLocalTime GetModuleFileNameA GetModuleHandleA GetPrivateProfileStringA GetProcAddress
        GetProcessHeap GetShortPathNameA GetStartupInfoA GetSystemDirectoryA GetTempFileNameA
        GetTempPathA GetTickCount GetVersion GetVersionExA GetWindowsDirectoryA GlobalAlloc
        GlobalFree GlobalLock GlobalMemoryStatus GlobalUnlock HeapAlloc HeapFree
        InitializeCriticalSection LeaveCriticalSection LoadLibraryA MoveFileA MulDiv OpenEventA ReadFile
        RemoveDirectoryA SetCurrentDirectoryA SetEndOfFile SetEvent SetFileAttributesA SetFilePointer
        SetLastError SetUnhandledExceptionFilter Sleep TlsAlloc TlsFree TlsGetValue TlsSetValue
        VirtualProtect VirtualQuery WaitForSingleObject WriteFile WritePrivateProfileStringA
        lstrcmpiA lstrcpyA lstrcpynA lstrlenA""",
    "USER32.DLL": """
        AdjustWindowRectEx AppendMenuA BeginPaint BringWindowToTop CallWindowProcA CheckMenuItem
        ClientToScreen CreatePopupMenu CreateWindowExA DefWindowProcA DeleteMenu DestroyIcon
        DestroyMenu DestroyWindow DispatchMessageA DrawEdge DrawFocusRect DrawIconEx DrawTextA
        EnableMenuItem EnableWindow EndPaint ExitWindowsEx FillRect FindWindowA FrameRect
        GetAsyncKeyState GetClassInfoA GetClassNameA GetClientRect GetCursorPos GetDC GetDlgCtrlID
        GetFocus GetForegroundWindow GetKeyState GetMenuItemCount GetMessageA GetParent GetSubMenu
        GetSysColor GetSysColorBrush GetSystemMetrics GetWindow GetWindowLongA GetWindowRect
        GetWindowTextA GetWindowTextLengthA InflateRect InsertMenuItemA InvalidateRect IsChild
        IsDialogMessageA IsWindow IsWindowEnabled IsWindowVisible KillTimer LoadBitmapA
        LoadCursorA LoadIconA LoadImageA MapWindowPoints MessageBeep MessageBoxA MoveWindow
        OffsetRect PostMessageA PostQuitMessage PtInRect RedrawWindow RegisterClassA
        RegisterWindowMessageA ReleaseCapture ReleaseDC ScreenToClient SendMessageA SetCapture
        SetCursor SetFocus SetForegroundWindow SetRect SetTimer SetWindowLongA SetWindowPos
        SetWindowTextA ShowWindow SystemParametersInfoA TrackPopupMenu TranslateMessage UnionRect
        UpdateWindow WindowFromPoint wsprintfA""",
    "GDI32.DLL": """
        BitBlt CreateBitmap CreateCompatibleBitmap CreateCompatibleDC CreateFontA
        CreateFontIndirectA CreatePen CreateSolidBrush DeleteDC DeleteObject ExtTextOutA
        GetDeviceCaps GetObjectA GetPixel GetStockObject GetTextExtentPoint32A GetTextMetricsA
        LineTo MoveToEx PatBlt Rectangle SelectObject SetBkColor SetBkMode SetPixel SetTextColor
        StretchBlt TextOutA""",
    "ADVAPI32.DLL": """
        RegCloseKey RegCreateKeyExA RegDeleteKeyA RegDeleteValueA RegEnumKeyExA RegEnumValueA
        RegOpenKeyExA RegQueryValueExA RegSetValueExA""",
    "SHELL32.DLL": """
        FindExecutableA SHBrowseForFolderA SHGetMalloc SHGetPathFromIDListA ShellExecuteA
        Shell_NotifyIconA""",
    "COMDLG32.DLL": "CommDlgExtendedError GetOpenFileNameA",
    "COMCTL32.DLL": "InitCommonControls",
}
WINDOWS_95 = {dll: set(names.split()) for dll, names in WINDOWS_95.items()}


def imports(exe):
    """{DLL name in capitals: [function, ...]} from objdump's import table."""
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


def lazy_lookups(src):
    """{DLL: {function, ...}} that the sources load on first use."""
    found = {}
    call = re.compile(r'\bLazy(?:Function<[^;]*?>|Proc)\(\s*"([^"]+)"\s*,\s*"([^"]+)"')
    for path in sorted(Path(src).rglob("*.cpp")):
        for dll, name in call.findall(path.read_text(errors="replace")):
            found.setdefault(dll.upper(), set()).add(name)
    return found


def problems(table, lazy=None):
    found = []
    for dll, names in table.items():
        if dll == "MSVCRT.DLL":
            found.append(f"{dll}: not part of the first Windows 95 release; the exe does not load there")
        elif dll in LAZY_DLLS:
            found.append(f"{dll}: imported directly; shell mode must load it on first use only")
        elif dll not in STARTUP_DLLS:
            found.append(f"{dll}: not a DLL that the first Windows 95 ships")
        for name in names:
            if dll in WINDOWS_95 and name not in WINDOWS_95[dll]:
                found.append(f"{dll}!{name}: not documented for the first Windows 95; read its "
                             "page, then add it to WINDOWS_95 in tools/check_imports.py")
    for dll, names in (lazy or {}).items():
        for name in sorted(names):
            if name not in WINDOWS_95.get(dll, ()):
                found.append(f"{dll}!{name} (loaded on first use): not documented for the first "
                             "Windows 95; look it up with OptionalFunction and do without it")
    return found


def main():
    args = sys.argv[1:]
    exe = args[0]
    table = imports(exe)
    lazy = lazy_lookups(args[args.index("--sources") + 1]) if "--sources" in args else None
    if "--report" in args:
        for dll in sorted(table):
            print(f"{dll} ({len(table[dll])}): {' '.join(sorted(table[dll]))}")
    found = problems(table, lazy)
    for p in found:
        print("import problem:", p)
    if not table:
        print("no imports read from", exe)
        return 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
