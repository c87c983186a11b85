# mingw-w64-x86_64.cmake - Cross-builds the 64-bit Windows program with Debian's mingw-w64
# (posix threads flavour), statically linked so that gdfconv.exe needs only the DLLs every
# Windows has. Programs built with it run here under wine (CMAKE_CROSSCOMPILING_EMULATOR).
#
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GDFCONV_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GDFCONV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GDFCONV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${GDFCONV_MINGW_PREFIX}-windres)
set(CMAKE_AR ${GDFCONV_MINGW_PREFIX}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${GDFCONV_MINGW_PREFIX}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${GDFCONV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libgcc, libstdc++ or winpthread DLL beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wide-character entry points (wmain, wWinMain): arguments arrive as UTF-16.
set(GDFCONV_WINDOWS_ENTRY_FLAGS -municode)

# Tests and test discovery run the programs under wine, through a wrapper that keeps one wine
# server and one wine prefix (inside the build folder) for all of them.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
