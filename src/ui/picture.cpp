// Bitmaps with a transparent colour, drawn by mask.
#include "ui/picture.h"

namespace sd {

Picture::~Picture() { Release(); }

void Picture::Release() {
    if (image_) DeleteObject(image_);
    if (mask_) DeleteObject(mask_);
    image_ = mask_ = nullptr;
}

bool Picture::LoadOpaque(HINSTANCE instance, int id) {
    Release();
    image_ = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    if (!image_) return false;
    BITMAP info;
    GetObjectA(image_, sizeof info, &info);
    size_ = {info.bmWidth, info.bmHeight};
    return true;
}

bool Picture::Load(HINSTANCE instance, int id, COLORREF key) {
    if (!LoadOpaque(instance, id)) return false;
    mask_ = CreateBitmap(size_.cx, size_.cy, 1, 1, nullptr);
    HDC screen = GetDC(nullptr);
    HDC imageDc = CreateCompatibleDC(screen);
    HDC maskDc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldImage = SelectObject(imageDc, image_);
    HGDIOBJ oldMask = SelectObject(maskDc, mask_);
    // Blitting colour to mono maps the background colour to white and all else to black.
    SetBkColor(imageDc, key);
    BitBlt(maskDc, 0, 0, size_.cx, size_.cy, imageDc, 0, 0, SRCCOPY);
    // Then the key pixels of the image become black, so SRCPAINT leaves the screen there: mono
    // to colour maps 0 to the text colour and 1 to the background colour.
    SetTextColor(imageDc, RGB(255, 255, 255));
    SetBkColor(imageDc, RGB(0, 0, 0));
    BitBlt(imageDc, 0, 0, size_.cx, size_.cy, maskDc, 0, 0, SRCAND);
    SelectObject(imageDc, oldImage);
    SelectObject(maskDc, oldMask);
    DeleteDC(imageDc);
    DeleteDC(maskDc);
    return true;
}

void Picture::Draw(HDC dc, int x, int y) const {
    if (!image_) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = nullptr;
    if (mask_) {
        old = SelectObject(source, mask_);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        BitBlt(dc, x, y, size_.cx, size_.cy, source, 0, 0, SRCAND);
        SelectObject(source, image_);
        BitBlt(dc, x, y, size_.cx, size_.cy, source, 0, 0, SRCPAINT);
    } else {
        old = SelectObject(source, image_);
        BitBlt(dc, x, y, size_.cx, size_.cy, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

HBITMAP DisabledButtonPicture(HBITMAP picture) {
    BITMAP info;
    if (!picture || !GetObjectA(picture, sizeof info, &info)) return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP copy = CreateCompatibleBitmap(screen, info.bmWidth, info.bmHeight);
    if (!copy) {
        ReleaseDC(nullptr, screen);
        return nullptr;  // the button then shows no picture while disabled
    }
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldFrom = SelectObject(from, picture);
    HGDIOBJ oldTo = SelectObject(to, copy);
    BitBlt(to, 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
    const COLORREF ground = GetPixel(to, 0, 0);
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x)
            if (GetPixel(to, x, y) == ground) SetPixel(to, x, y, RGB(255, 255, 255));
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    return copy;
}

}  // namespace sd
