# Cross-building the Windows program on Debian with mingw-w64 (64-bit, POSIX
# threads). Every executable is linked statically, so the .exe needs nothing
# but the DLLs that come with Windows; the tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RURO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RURO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RURO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${RURO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RURO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the cross-built programs through Wine, in the Wine prefix the
# caller made (WINEPREFIX) or else in a throw-away one.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine_run.sh)
