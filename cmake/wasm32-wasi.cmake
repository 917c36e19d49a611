# WebAssembly with Debian's clang 14, wasi-libc and libc++ for wasm32: the
# calculation for the web page. No WASI system calls are imported; the
# module is a library ("reactor") with no main.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
# Binutils' ar cannot index wasm objects; LLVM's can (Debian package llvm-14).
set(CMAKE_AR llvm-ar-14)
set(CMAKE_RANLIB llvm-ranlib-14)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The C++ library of this target has no from_chars for double, and its
# to_chars for double brings over 100 KiB of tables: the C library does both.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -DRURO_NO_FLOAT_FROM_CHARS -DRURO_NO_FLOAT_TO_CHARS")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-mexec-model=reactor -Wl,--no-entry -Wl,--gc-sections -Wl,--strip-all")
