// Win32 platform: message boxes and the two browse dialogs.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"

namespace sd {

MsgAnswer Win32Platform::ShowMessage(const std::string& text, const std::string& title,
                                     MsgButtons buttons, MsgIcon icon) {
    UINT flags = buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK;
    if (icon == MsgIcon::Information) flags |= MB_ICONINFORMATION;
    if (icon == MsgIcon::Stop) flags |= MB_ICONSTOP;
    // In shell mode no other window may be in front; the box must still reach the user. Task
    // modal: like the program's own dialogs, the windows of this thread wait for the answer.
    flags |= MB_SETFOREGROUND | MB_TASKMODAL;
    switch (MessageBoxA(nullptr, text.c_str(), title.c_str(), flags)) {
        case IDYES: return MsgAnswer::Yes;
        case IDNO: return MsgAnswer::No;
        default: return MsgAnswer::Ok;
    }
}

namespace {

// "Desc|*.a; *.b|All|*.*" becomes the NUL-separated pairs the Open dialog takes.
std::string DialogFilter(const std::string& filter) {
    std::string pairs = filter;
    for (char& c : pairs)
        if (c == '|') c = '\0';
    pairs.append(2, '\0');
    return pairs;
}

// Whether the Open dialog takes the name as its initial file: a folder ending in a backslash,
// quotes, <>| and names of MAX_PATH characters or more make it fail before it opens (Wine's
// dialog even crashes on the first).
bool DialogTakesName(const std::string& name) {
    return name.size() < MAX_PATH && name.find_first_of("\"<>|") == std::string::npos &&
           (name.empty() || (name.back() != '\\' && name.back() != '/'));
}

// The Open dialog's flags for each use.
DWORD FileDialogFlags(const BrowseFileRequest& request) {
    DWORD flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER;
    flags |= request.use == FileDialogUse::OptionsBox ? OFN_PATHMUSTEXIST : OFN_LONGNAMES;
    if (request.keepShortcuts) flags |= OFN_NODEREFERENCELINKS;
    return flags;
}

}  // namespace

std::string Win32Platform::BrowseForFile(WindowHandle owner, const BrowseFileRequest& request) {
    using Fn = BOOL(WINAPI*)(LPOPENFILENAMEA);
    auto getOpenFileName = LazyFunction<Fn>("COMDLG32.DLL", "GetOpenFileNameA");
    if (!getOpenFileName) return {};
    char file[1024] = {};
    if (DialogTakesName(request.initialFile)) lstrcpynA(file, request.initialFile.c_str(), sizeof file);
    const std::string filter = DialogFilter(request.filter);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the size Windows 95/98 accept
    ofn.hwndOwner = static_cast<HWND>(owner);
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    // A folder too long for the dialog's MAX_PATH buffers leaves the choice to the dialog.
    const bool useDir = !request.initialDir.empty() && request.initialDir.size() < MAX_PATH;
    ofn.lpstrInitialDir = useDir ? request.initialDir.c_str() : nullptr;
    ofn.lpstrTitle = request.title.c_str();
    ofn.Flags = FileDialogFlags(request);
    if (getOpenFileName(&ofn)) return file;
    // Any other name the dialog rejects is an error rather than a cancel: open it again with an
    // empty name.
    auto extendedError = LazyFunction<DWORD(WINAPI*)()>("COMDLG32.DLL", "CommDlgExtendedError");
    if (!file[0] || !extendedError || extendedError() == 0) return {};
    file[0] = '\0';
    return getOpenFileName(&ofn) ? std::string(file) : std::string();
}

std::string Win32Platform::BrowseForFolder(WindowHandle owner, const std::string& title) {
    using BrowseFn = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA);
    using PathFn = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
    using MallocFn = HRESULT(WINAPI*)(IMalloc**);
    auto browse = LazyFunction<BrowseFn>("SHELL32.DLL", "SHBrowseForFolderA");
    auto pathOf = LazyFunction<PathFn>("SHELL32.DLL", "SHGetPathFromIDListA");
    auto getMalloc = LazyFunction<MallocFn>("SHELL32.DLL", "SHGetMalloc");
    if (!browse || !pathOf) return {};
    BROWSEINFOA info = {};
    info.hwndOwner = static_cast<HWND>(owner);
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST items = browse(&info);
    if (!items) return {};
    char path[MAX_PATH + 1] = {};  // SHGetPathFromIDListA writes at most MAX_PATH characters
    std::string chosen = pathOf(items, path) ? std::string(path) : std::string();
    // CoTaskMemFree is Windows 2000 and later; the shell's allocator frees on every system.
    IMalloc* malloc = nullptr;
    if (getMalloc && SUCCEEDED(getMalloc(&malloc)) && malloc) {
        malloc->Free(items);
        malloc->Release();
    }
    return chosen;
}

}  // namespace sd
