// The Options dialog: three tabs of controls from its table; load fills them from the store and
// the running program's copies, OK writes them back and refreshes the copies.
#include "settings/frm_options.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "settings/options_fields.h"
#include "ui/controls.h"
#include "ui/picture.h"

namespace sd {

using enum OptionsControl;

namespace {

constexpr const char* kFolderTitle = "Browse for Destination...";

}  // namespace

void frmOptions::Form_Load() {
    Platform& platform = program_.platform;
    const ProgramState& vars = program_.vars;
    browsePicture_ = LoadBitmapA(host_.instance(), MAKEINTRESOURCEA(IDB_BROWSE));
    disabledBrowsePicture_ = DisabledButtonPicture(browsePicture_);
    SendMessageA(Control(cmdBrowse), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(browsePicture_));
    const LPARAM picture = SendMessageA(Control(cmdBrowse), BM_GETIMAGE, IMAGE_BITMAP, 0);
    for (const BrowseButton& browse : kBrowseButtons)
        SendMessageA(Control(browse.button), BM_SETIMAGE, IMAGE_BITMAP, picture);

    for (const OptionsField& field : kOptionsFields) {
        if (!field.IsDoubleClickAction()) {
            controls_.SetText(field.control, field.copy ? vars.*field.copy : platform.ReadSetting(field.key));
        } else if (const DoubleClickChoice* choice = DoubleClickChoiceFor(vars.DoubleClickAction)) {
            controls_.SelectOption(choice->option);
            optDC_Click();
        }
    }

    for (OptionsControl label : {lblStartMenuFolder, lblDesktopFolder, lblExplorerPath})
        FitLabelToText(Control(label));  // sized to their captions
    SendMessageA(Control(OKButton), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    tooltips_.Create(hwnd_, kOptionsControls, controls_.windows(), kOptionsTooltips);
    ShowTab(0);
}

void frmOptions::Form_Activate() { SetFocus(Control(OKButton)); }

void frmOptions::Form_Unload() {
    // The buttons only borrowed the pictures; they are gone now.
    for (HBITMAP* picture : {&browsePicture_, &disabledBrowsePicture_}) {
        if (*picture) DeleteObject(*picture);
        *picture = nullptr;
    }
}

void frmOptions::ShowTab(int page) {
    controls_.ShowPage(page);
    tooltips_.Refresh();
    // The tab control lies under the page's controls: repaint them all, in z-order.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void frmOptions::optDC_Click() {
    const BOOL openFile = controls_.Checked(optDC_OpenFile);
    EnableWindow(Control(txtDC_OpenFile), openFile);
    EnableWindow(Control(cmdDC_OpenFile_Browse), openFile);
    SendMessageA(Control(cmdDC_OpenFile_Browse), BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(openFile ? browsePicture_ : disabledBrowsePicture_));
}

void frmOptions::Browse_Click(const BrowseButton& browse) {
    Platform& platform = program_.platform;
    // The browser belongs to this dialog, so that the activation comes back here when it
    // closes (the main window may be hidden) and the dialog waits for it.
    const HWND dialog = hwnd_;
    BrowseFileRequest request{"Browse", kProgramsFilter, controls_.Text(browse.textBox), ""};
    request.use = FileDialogUse::OptionsBox;
    request.keepShortcuts = browse.keepShortcut;
    const std::string chosen = browse.folder ? platform.BrowseForFolder(dialog, kFolderTitle)
                                             : platform.BrowseForFile(dialog, request);
    // A message from outside may still have closed it meanwhile.
    if (chosen.empty() || hwnd_ != dialog) return;
    controls_.SetText(browse.textBox, chosen);
}

void frmOptions::OKButton_Click() {
    Platform& platform = program_.platform;
    ProgramState& vars = program_.vars;
    for (const OptionsField& field : kOptionsFields) {
        if (field.IsDoubleClickAction()) {
            // None selected keeps the number that was read.
            for (const DoubleClickChoice& choice : kDoubleClickChoices) {
                if (!controls_.Checked(choice.option)) continue;
                vars.DoubleClickAction = choice.number;
                break;
            }
            platform.WriteSetting(field.key, std::to_string(vars.DoubleClickAction));
            continue;
        }
        const std::string text = controls_.Text(field.control);
        platform.WriteSetting(field.key, text);
        if (field.copy) vars.*field.copy = text;
    }
    Unload();
}

void frmOptions::OnCommand(int id, int code) {
    if (id == IDCANCEL) return CancelButton_Click();  // Esc
    const auto control = controls_.FromId(id);
    if (!control || code != BN_CLICKED) return;
    if (controls_.Row(*control).kind == ControlKind::OptionButton) {
        controls_.SelectOption(*control);
        return optDC_Click();
    }
    if (*control == OKButton) return OKButton_Click();
    if (*control == CancelButton) return CancelButton_Click();
    for (const BrowseButton& browse : kBrowseButtons)
        if (*control == browse.button) return Browse_Click(browse);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the tabs, before the dialog keys take the Tab key.
bool frmOptions::OnPreTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    HWND tabs = Control(Tab);
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return false;
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    ShowTab((static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) + step) % count);
    return true;
}

LRESULT frmOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == Control(Tab) && header->code == static_cast<UINT>(TCN_SELCHANGE))
                ShowTab(static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        case kPreTranslateMessage:
            return OnPreTranslate(*reinterpret_cast<const MSG*>(lParam));
        case DM_GETDEFID:
            return MAKELRESULT(ControlId(IndexOf(OKButton)), DC_HASDEFID);
        case WM_CTLCOLORSTATIC: return FaceColouredStatic(reinterpret_cast<HDC>(wParam));
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
