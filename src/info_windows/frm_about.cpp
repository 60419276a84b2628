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

// Black, as the labels are drawn, unless the background is too dark to read it on: some
// colour schemes (Wine's default among them) make the title-bar text colour black.
COLORREF ReadableTextColour(COLORREF background) {
    const int luminance = (299 * GetRValue(background) + 587 * GetGValue(background) +
                           114 * GetBValue(background)) / 1000;
    return luminance < 128 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

void SetFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

void frmAbout::Form_Load() {
    const HINSTANCE instance = host_.instance();
    background_.LoadOpaque(instance, IDB_ABOUT);
    titleFont_ = CreatePointFont("MS Sans Serif", 1350, false, host_.dpi());
    contactFont_ = CreatePointFont("MS Sans Serif", 825, true, host_.dpi());
    SetFont(Control(AboutControl::lblTitle), titleFont_);
    SetFont(Control(AboutControl::Label1), contactFont_);
    SetFont(Control(AboutControl::Label2), contactFont_);
    for (AboutControl label : kAboutFittedLabels) FitLabelToText(Control(label));
    // The main window's icon (a shared resource, not destroyed here), at its natural size.
    SendMessageA(Control(AboutControl::Image1), STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_SWIFTDASH))), 0);
    SendMessageA(Control(AboutControl::cmdOK), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void frmAbout::Form_Unload() {
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
    if (label == Control(AboutControl::Label1) || label == Control(AboutControl::Label2)) {
        const COLORREF background = GetSysColor(COLOR_CAPTIONTEXT);
        SetBkColor(dc, background);
        SetTextColor(dc, ReadableTextColour(background));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_CAPTIONTEXT));
    }
    SetTextColor(dc, RGB(0, 0, 0));
    // The others let the picture show through.
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void frmAbout::OnCommand(int id) {
    // Enter reaches OK as the default button, Esc as IDCANCEL.
    if (id == IDCANCEL || controls_.FromId(id) == AboutControl::cmdOK)
        cmdOK_Click();
    else if (controls_.FromId(id) == AboutControl::cmdSysInfo)
        cmdSysInfo_Click();
}

LRESULT frmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(ControlId(IndexOf(AboutControl::cmdOK)), DC_HASDEFID);
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_CTLCOLORSTATIC:
            return OnLabelColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
