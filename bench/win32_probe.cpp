// The measuring hand of bench/win32_paste.sh: a
// console program run under the same Wine server as the window it watches
// (window handles are shared between Wine's processes). Times are wall-clock
// and in milliseconds unless said otherwise.
//
//   win32_probe under-cursor        the handle of the control under the mouse
//   win32_probe client-offset CLASS where the client area of the window of
//                                   that class starts within it, in pixels
//   win32_probe watch HWND FILE     asks the top window of HWND every 20 ms
//                                   whether it answers (WM_NULL) until FILE
//                                   exists or the window is gone; then prints
//                                   the longest wait
//   win32_probe keys HWND N [C]     types N characters C ("7") into the edit
//                                   control HWND (SendInput, as a keyboard
//                                   would) one by one, each timed from the key
//                                   to the character in the text and drawn
//   win32_probe await-change HWND   prints "ready", then waits until anything
//                                   in the top window of HWND changes (a text,
//                                   a new box) and it is drawn; prints the
//                                   wall-clock time then (ns since 1970)
//   win32_probe select-all HWND     selects the whole text of an edit control
//   win32_probe caret-end HWND      puts its caret after its last character
//   win32_probe text HWND FILE      writes the control's text to FILE (UTF-8)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/win32_clock.h"

namespace {

double Milliseconds(long long fromNs, long long toNs) { return static_cast<double>(toNs - fromNs) / 1e6; }

HWND HandleArg(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(text, nullptr, 10)));
}

// Another process's control's text; SendMessageTimeout so that a window that
// went away does not hang the probe.
std::wstring TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 120'000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 120'000,
                        &got);
    text.resize(std::min<std::size_t>(got, length));
    return text;
}

std::size_t LengthOf(HWND hwnd) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 120'000, &length);
    return length;
}

// What can be seen of a window: every control's text, and the visible top
// windows of its thread (a box that opened).
struct Sight {
    HWND top;
    std::vector<std::wstring> texts;
    int tops = 0;
    bool operator==(const Sight&) const = default;
};

BOOL CALLBACK AddChild(HWND child, LPARAM into) {
    reinterpret_cast<Sight*>(into)->texts.push_back(TextOf(child));
    return TRUE;
}

BOOL CALLBACK CountTop(HWND top, LPARAM into) {
    if (IsWindowVisible(top)) ++reinterpret_cast<Sight*>(into)->tops;
    return TRUE;
}

Sight SightOf(HWND top) {
    Sight sight{top, {}, 0};
    EnumChildWindows(top, AddChild, reinterpret_cast<LPARAM>(&sight));
    EnumThreadWindows(GetWindowThreadProcessId(top, nullptr), CountTop, reinterpret_cast<LPARAM>(&sight));
    return sight;
}

// Waits until the window's thread has drawn what it has to draw.
void AwaitDrawn(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    DWORD_PTR ignored;
    SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 120'000, &ignored);
}

int Watch(HWND top, const wchar_t* stop) {
    double longest = 0;
    long pings = 0;
    while (IsWindow(top) && GetFileAttributesW(stop) == INVALID_FILE_ATTRIBUTES) {
        DWORD_PTR ignored;
        const long long start = NowNanoseconds();
        const bool answered = SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_NORMAL, 120'000, &ignored) != 0;
        const double waited = Milliseconds(start, NowNanoseconds());
        if (!answered && !IsWindow(top)) break;
        if (waited >= 100) std::printf("waited_ms %.1f from %lld\n", waited, start);
        longest = std::max(longest, waited);
        ++pings;
        Sleep(20);
    }
    std::printf("longest_wait_ms %.1f pings %ld\n", longest, pings);
    return 0;
}

int Keys(HWND edit, int count, wchar_t typed) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const std::size_t before = LengthOf(edit);
        INPUT keys[2] = {};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = typed;
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        const long long start = NowNanoseconds();
        if (SendInput(2, keys, sizeof(INPUT)) != 2) {
            std::fprintf(stderr, "SendInput refused the key\n");
            return 1;
        }
        while (LengthOf(edit) <= before) {
            if (Milliseconds(start, NowNanoseconds()) > 30'000 || !IsWindow(edit)) {
                std::fprintf(stderr, "the key did not reach the field within 30 s\n");
                return 1;
            }
            Sleep(0);
        }
        AwaitDrawn(edit);
        times.push_back(Milliseconds(start, NowNanoseconds()));
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("keys %d length %zu median_ms %.1f max_ms %.1f\n", count, LengthOf(edit), sorted[sorted.size() / 2],
                sorted.back());
    return 0;
}

int AwaitChange(HWND hwnd) {
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    const Sight before = SightOf(top);
    std::printf("ready\n");
    std::fflush(stdout);
    const long long start = NowNanoseconds();
    while (SightOf(top) == before) {
        if (Milliseconds(start, NowNanoseconds()) > 60'000 || !IsWindow(top)) {
            std::fprintf(stderr, "nothing changed within 60 s\n");
            return 1;
        }
        Sleep(1);
    }
    AwaitDrawn(top);
    std::printf("%lld\n", NowNanoseconds());
    return 0;
}

int WriteText(HWND hwnd, const wchar_t* path) {
    const std::wstring text = TextOf(hwnd);
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(
                         CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                        static_cast<int>(utf8.size()), nullptr, nullptr);
    FILE* file = _wfopen(path, L"wb");
    if (!file) return 1;
    std::fwrite(utf8.data(), 1, utf8.size(), file);
    return std::fclose(file) == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring what = argc > 1 ? argv[1] : L"";
    if (what == L"under-cursor") {
        POINT at;
        GetCursorPos(&at);
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(WindowFromPoint(at))));
        return 0;
    }
    if (what == L"client-offset" && argc > 2) {
        const HWND top = FindWindowW(argv[2], nullptr);
        RECT outer{};
        POINT client{0, 0};
        if (!top || !GetWindowRect(top, &outer) || !ClientToScreen(top, &client)) return 1;
        std::printf("%ld %ld\n", client.x - outer.left, client.y - outer.top);
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: win32_probe under-cursor | watch|keys|await-change|select-all|text HWND ...\n");
        return 2;
    }
    const HWND hwnd = HandleArg(argv[2]);
    if (!IsWindow(hwnd)) {
        std::fprintf(stderr, "no such window\n");
        return 1;
    }
    if (what == L"watch" && argc > 3) return Watch(GetAncestor(hwnd, GA_ROOT), argv[3]);
    if (what == L"keys" && argc > 3) return Keys(hwnd, std::max(1, _wtoi(argv[3])), argc > 4 ? argv[4][0] : L'7');
    if (what == L"await-change") return AwaitChange(hwnd);
    if (what == L"select-all") {
        DWORD_PTR ignored;
        SendMessageTimeoutW(hwnd, EM_SETSEL, 0, -1, SMTO_NORMAL, 120'000, &ignored);
        return 0;
    }
    if (what == L"caret-end") {
        const auto end = static_cast<WPARAM>(LengthOf(hwnd));
        DWORD_PTR ignored;
        SendMessageTimeoutW(hwnd, EM_SETSEL, end, static_cast<LPARAM>(end), SMTO_NORMAL, 120'000, &ignored);
        return 0;
    }
    if (what == L"text" && argc > 3) return WriteText(hwnd, argv[3]);
    std::fprintf(stderr, "unknown command\n");
    return 2;
}
