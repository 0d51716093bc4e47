# Cross-compiles the Windows program with MinGW-w64: HD_MINGW_ARCH i686 for
# hushdesk.exe, x86_64 for the build that runs the Windows tests where Wine
# cannot run 32-bit programs (a kernel without 32-bit emulation). The
# posix-thread compilers are used because GoogleTest needs std::mutex.
set(HD_MINGW_ARCH "i686" CACHE STRING "i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${HD_MINGW_ARCH})
set(CMAKE_C_COMPILER ${HD_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${HD_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${HD_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HD_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Windows tests run under Wine; the wrapper uses the project's prefix and display.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
