// The Options dialog: three tabs of controls from its table; load fills them from the store and
// the running program's copies, OK writes them back and refreshes the copies.
#include "settings/frm_options.h"

#include <commctrl.h>

#include "core/setting_keys.h"
#include "resources/resource_ids.h"
#include "ui/controls.h"
#include "ui/picture.h"

namespace sd {

namespace {

constexpr int Index(const char* name) { return ControlIndex(kOptionsControls, name); }

// A member of a control array: "txtStartUpItem(0)".
std::string Member(const char* array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

// The option button a double-click action selects: 0 and 1 "Do nothing", 2 to 5 their own,
// any other none.
int OptionForAction(int action) {
    if (action == 0) return 0;
    return action >= 1 && action <= 5 ? action - 1 : -1;
}

constexpr const char* kFolderTitle = "Browse for Destination...";

}  // namespace

HWND frmOptions::Control(const char* name) const { return ControlOf(controls_, kOptionsControls, name); }

std::string frmOptions::Text(const char* name) const {
    HWND control = Control(name);
    std::string text(GetWindowTextLengthA(control) + 1, '\0');
    text.resize(GetWindowTextA(control, text.data(), static_cast<int>(text.size())));
    return text;
}

void frmOptions::SetText(const char* name, const std::string& text) {
    SetWindowTextA(Control(name), text.c_str());
}

bool frmOptions::Checked(const char* name) const {
    return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmOptions::Form_Load() {
    Platform& platform = program_.platform;
    const ProgramState& vars = program_.vars;
    controls_ = CreateControls(hwnd_, host_, kOptionsControls);
    browsePicture_ = LoadBitmapA(host_.instance(), MAKEINTRESOURCEA(IDB_BROWSE));
    disabledBrowsePicture_ = DisabledButtonPicture(browsePicture_);
    SendMessageA(Control("cmdBrowse"), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(browsePicture_));
    const LPARAM picture = SendMessageA(Control("cmdBrowse"), BM_GETIMAGE, IMAGE_BITMAP, 0);
    auto givePicture = [&](const std::string& button) {
        SendMessageA(Control(button.c_str()), BM_SETIMAGE, IMAGE_BITMAP, picture);
    };

    for (int i = 0; i < keys::kStartUpItemCount; ++i) {
        SetText(Member("txtStartUpItem", i).c_str(), platform.ReadSetting(keys::StartUpItem(i)));
        givePicture(Member("cmdBrowseStartUpItem", i));
    }
    givePicture("cmdBrowseDir(1)");
    givePicture("cmdDC_OpenFile_Browse");
    SetText("txtStartUpFolder", platform.ReadSetting(keys::StartUpFolder));
    SetText("txtStartMenuFolder", vars.StartMenuFolderPath);
    SetText("txtDesktopFolder", vars.DesktopFolderPath);
    SetText("txtExplorerPath", vars.ExplorerPathValue);
    givePicture("cmdStartMenuFolder");
    givePicture("cmdDesktopFolder");
    givePicture("cmdExplorerPath");
    const int option = OptionForAction(vars.DoubleClickAction);
    if (option >= 0) {
        SelectOption(kOptionsControls, controls_, Index(kDoubleClickOptions[option]));
        optDC_Click();
    }
    SetText("txtDC_OpenFile", vars.DoubleClickFile);

    for (const char* label : {"lblStartMenuFolder", "lblDesktopFolder", "lblExplorerPath"})
        FitLabelToText(Control(label));  // sized to their captions
    SendMessageA(Control("OKButton"), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    tooltips_.Create(hwnd_, kOptionsControls, controls_, kOptionsTooltips);
    ShowTab(0);
}

void frmOptions::Form_Activate() { SetFocus(Control("OKButton")); }

void frmOptions::Form_Unload() {
    controls_.clear();
    // The buttons only borrowed the pictures; they are gone now.
    for (HBITMAP* picture : {&browsePicture_, &disabledBrowsePicture_}) {
        if (*picture) DeleteObject(*picture);
        *picture = nullptr;
    }
}

void frmOptions::ShowTab(int page) {
    ShowPage(kOptionsControls, controls_, page);
    tooltips_.Refresh();
    // The tab control lies under the page's controls: repaint them all, in z-order.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void frmOptions::optDC_Click() {
    const BOOL openFile = Checked("optDC_OpenFile");
    EnableWindow(Control("txtDC_OpenFile"), openFile);
    EnableWindow(Control("cmdDC_OpenFile_Browse"), openFile);
    SendMessageA(Control("cmdDC_OpenFile_Browse"), BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(openFile ? browsePicture_ : disabledBrowsePicture_));
}

void frmOptions::Browse_Click(const BrowseButton& browse) {
    Platform& platform = program_.platform;
    // The browser belongs to this dialog, so that the activation comes back here when it
    // closes (the main window may be hidden) and the dialog waits for it.
    const HWND dialog = hwnd_;
    const unsigned flags = kProgramsFlags | (browse.keepShortcut ? kKeepShortcutFlag : 0);
    const std::string chosen =
        browse.folder ? platform.BrowseForFolder(dialog, kFolderTitle)
                      : platform.BrowseForFile(dialog, {"Browse", flags, kProgramsFilter,
                                                        Text(browse.textBox), ""});
    // A message from outside may still have closed it meanwhile.
    if (chosen.empty() || hwnd_ != dialog) return;
    SetText(browse.textBox, chosen);
}

void frmOptions::OKButton_Click() {
    Platform& platform = program_.platform;
    ProgramState& vars = program_.vars;
    for (int i = 0; i < keys::kStartUpItemCount; ++i)
        platform.WriteSetting(keys::StartUpItem(i), Text(Member("txtStartUpItem", i).c_str()));
    platform.WriteSetting(keys::StartUpFolder, Text("txtStartUpFolder"));
    platform.WriteSetting(keys::StartMenuFolder, Text("txtStartMenuFolder"));
    platform.WriteSetting(keys::DesktopFolder, Text("txtDesktopFolder"));
    platform.WriteSetting(keys::ExplorerPath, Text("txtExplorerPath"));
    vars.StartMenuFolderPath = Text("txtStartMenuFolder");
    vars.DesktopFolderPath = Text("txtDesktopFolder");
    vars.ExplorerPathValue = Text("txtExplorerPath");
    for (int option = 0; option < static_cast<int>(std::size(kDoubleClickOptions)); ++option) {
        if (!Checked(kDoubleClickOptions[option])) continue;
        vars.DoubleClickAction = option + 1;
        break;
    }
    platform.WriteSetting(keys::DoubleClickOnMainWindow, std::to_string(vars.DoubleClickAction));
    vars.DoubleClickFile = Text("txtDC_OpenFile");
    platform.WriteSetting(keys::DoubleClickOpenFile, vars.DoubleClickFile);
    Unload();
}

void frmOptions::OnCommand(int id, int code) {
    if (id == IDCANCEL) return CancelButton_Click();  // Esc
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(std::size(kOptionsControls)) || code != BN_CLICKED) return;
    const ControlSpec& control = kOptionsControls[index];
    if (control.kind == ControlKind::OptionButton) {
        SelectOption(kOptionsControls, controls_, index);
        return optDC_Click();
    }
    if (index == Index("OKButton")) return OKButton_Click();
    if (index == Index("CancelButton")) return CancelButton_Click();
    for (const BrowseButton& browse : kBrowseButtons)
        if (index == Index(browse.button)) return Browse_Click(browse);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the tabs, before the dialog keys take the Tab key.
bool frmOptions::OnPreTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    HWND tabs = Control("Tab");
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return false;
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    ShowTab((static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) + step) % count);
    return true;
}

LRESULT frmOptions::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == Control("Tab") && header->code == static_cast<UINT>(TCN_SELCHANGE))
                ShowTab(static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        case kPreTranslateMessage:
            return OnPreTranslate(*reinterpret_cast<const MSG*>(lParam));
        case DM_GETDEFID:
            return MAKELRESULT(ControlId(Index("OKButton")), DC_HASDEFID);
        case WM_CTLCOLORSTATIC: return FaceColouredStatic(reinterpret_cast<HDC>(wParam));
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
