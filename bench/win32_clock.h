#pragma once
// The wall clock of the Windows benchmarks, in nanoseconds since 1970: the
// same clock as `date +%s%N` on the Linux side of Wine, so the scripts can
// subtract a time they took from one a Windows program printed.

#include <windows.h>

inline long long NowNanoseconds() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const long long ticks = (static_cast<long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (ticks - 116444736000000000LL) * 100;  // 100 ns ticks since 1601
}
