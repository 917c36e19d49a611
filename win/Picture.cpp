#include "win/Picture.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "form/pictures.h"
#include "win/Layout.h"

namespace win {

namespace {

constexpr wchar_t kIconName[] = L"IDI_ICON1";

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

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintArrow(hwnd); return 0;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);  // takes the focus, shows no mark
            return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterPictureClass(HINSTANCE instance) {
    WNDCLASSEXW picture{};
    picture.cbSize = sizeof(picture);
    picture.lpfnWndProc = PictureProc;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    picture.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    picture.lpszClassName = kPictureClass;
    return RegisterClassExW(&picture) != 0;
}

HICON ProgramIcon(HINSTANCE instance) { return LoadIconW(instance, kIconName); }

void SetIcons(HWND window, int dpi) {
    auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi));
        auto* icon = static_cast<HICON>(LoadImageW(instance, kIconName, IMAGE_ICON, size, size, LR_SHARED));
        if (icon) SendMessageW(window, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
    }
}

}  // namespace win
