// A bitmap resource drawn with one colour made transparent, by mask and BitBlt (TransparentBlt
// is Windows 98 and later).
#pragma once

#include <windows.h>

namespace sd {

class Picture {
public:
    Picture() = default;
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Loads the bitmap; pixels of `key` become transparent. Without a key the picture is opaque.
    bool Load(HINSTANCE instance, int id, COLORREF key);
    bool LoadOpaque(HINSTANCE instance, int id);
    void Draw(HDC dc, int x, int y) const;
    SIZE size() const { return size_; }
    // Gives the bitmaps back; the picture then draws nothing.
    void Release();

private:

    HBITMAP image_ = nullptr;  // with the key colour turned black when masked
    HBITMAP mask_ = nullptr;   // white where transparent, black where drawn
    SIZE size_ = {0, 0};
};

// A copy of a button picture for the button's disabled state, its ground (the colour of its
// top-left pixel) turned white: the system greys a disabled button's picture by embossing
// every pixel that is not white, so a picture on a grey ground would show as a grey square.
HBITMAP DisabledButtonPicture(HBITMAP picture);

// Pure magenta marks the transparent pixels of the button pictures.
inline constexpr COLORREF kKeyColour = RGB(255, 0, 255);

}  // namespace sd
