#include "win/Picture.h"

#include <cstdint>
#include <vector>

#include "form/pictures.h"

namespace win {

namespace {

constexpr int kDefaultDpi = 96;  // a screen at 100 %, where the arrow's pixels are the screen's

// The arrow's design, repeated pixel by pixel: transparent pixels take the
// face colour.
void PaintArrow(HWND hwnd) {
    static const form::Pixels design = form::DecodeXpm(form::ArrowPicture());
    // The DIB holds 0x00RRGGBB.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    std::vector<std::uint32_t> bits(design.argb.size());
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] = (design.argb[i] >> 24) ? (design.argb[i] & 0xFFFFFF) : faceRgb;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = design.width;
    info.bmiHeader.biHeight = -design.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    const int dpi = static_cast<int>(GetDpiForWindow(hwnd));
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetStretchBltMode(dc, COLORONCOLOR);  // whole pixels, no blending
    StretchDIBits(dc, 0, 0, MulDiv(design.width, dpi, kDefaultDpi), MulDiv(design.height, dpi, kDefaultDpi), 0, 0,
                  design.width, design.height, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    EndPaint(hwnd, &paint);
}

}  // namespace

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintArrow(hwnd); return 0;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);  // takes the focus, shows no mark
            return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace win
