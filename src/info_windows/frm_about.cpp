// The About dialog: its picture, its labels with their fonts, and its two buttons.
#include "info_windows/frm_about.h"

#include "resources/resource_ids.h"
#include "ui/controls.h"

namespace sd {

namespace {

// A font of `hundredths` of a point at the screen's DPI.
HFONT CreatePointFont(const char* face, int hundredths, bool bold, int dpi) {
    return CreateFontA(-MulDiv(hundredths, dpi, 7200), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                       FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

void SetFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

HWND frmAbout::Control(const char* name) const { return ControlOf(controls_, kAboutControls, name); }

void frmAbout::Form_Load() {
    const HINSTANCE instance = host_.instance();
    controls_ = CreateControls(hwnd_, host_, kAboutControls);
    background_.LoadOpaque(instance, IDB_ABOUT);
    titleFont_ = CreatePointFont("MS Sans Serif", 1350, false, host_.dpi());
    contactFont_ = CreatePointFont("MS Sans Serif", 825, true, host_.dpi());
    SetFont(Control("lblTitle"), titleFont_);
    SetFont(Control("Label1"), contactFont_);
    SetFont(Control("Label2"), contactFont_);
    for (const char* label : kAboutFittedLabels) FitLabelToText(Control(label));
    // The main window's icon (a shared resource, not destroyed here), at its natural size.
    SendMessageA(Control("Image1"), STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_SWIFTDASH))), 0);
    SendMessageA(Control("cmdOK"), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void frmAbout::Form_Unload() {
    controls_.clear();
    background_.Release();
    // The labels died with the window, so their fonts are free to go.
    DeleteObject(titleFont_);
    DeleteObject(contactFont_);
    titleFont_ = contactFont_ = nullptr;
}

void frmAbout::cmdSysInfo_Click() {
    sysInfo_.Show();
    Unload();
}

void frmAbout::PaintBackground(HDC dc) {
    // The picture is drawn at its natural size; whatever of the client it leaves (at a DPI
    // above 96) is the dialog face.
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    background_.Draw(dc, 0, 0);
}

LRESULT frmAbout::OnLabelColour(HDC dc, HWND label) {
    SetTextColor(dc, RGB(0, 0, 0));
    if (label == Control("Label1") || label == Control("Label2")) {
        SetBkColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_CAPTIONTEXT));
    }
    // The others let the picture show through.
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void frmAbout::OnCommand(int id) {
    // Enter reaches OK as the default button, Esc as IDCANCEL.
    if (id == IDCANCEL || id == ControlId(ControlIndex(kAboutControls, "cmdOK")))
        cmdOK_Click();
    else if (id == ControlId(ControlIndex(kAboutControls, "cmdSysInfo")))
        cmdSysInfo_Click();
}

LRESULT frmAbout::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(ControlId(ControlIndex(kAboutControls, "cmdOK")), DC_HASDEFID);
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_CTLCOLORSTATIC:
            return OnLabelColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
