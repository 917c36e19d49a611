#pragma once
// The page's own limits, shared by its module and the description the page
// and its tests are built from.

#include <cstddef>

namespace web {

// The most bytes of UTF-8 a paste or drop may make a field of the page hold.
// Chromium lays a field's whole text out again on every key: at 64 KiB a key
// still shows within two frames, at 256 KiB it takes 0.1 to 0.16 s, at 1 MiB
// 0.4 s, at 10 MB over 2 s (bench/web_paste.mjs; README, "The web page").
inline constexpr std::size_t kPageLongestPaste = 65'536;

}  // namespace web
