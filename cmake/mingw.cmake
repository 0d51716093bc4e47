# Cross-compiles the Windows program with MinGW-w64: HD_MINGW_ARCH i686 for
# hushdesk.exe, x86_64 for the build that runs the Windows tests where Wine
# cannot run 32-bit programs (a kernel without 32-bit emulation).
# HD_MINGW_THREADS picks the compilers' thread model: hushdesk.exe is built
# with the win32 one, which needs no winpthread runtime (that runtime imports
# calls Windows XP lacks); GoogleTest needs std::mutex, so the tests are
# built with the posix one.
set(HD_MINGW_ARCH "i686" CACHE STRING "i686 or x86_64")
set(HD_MINGW_THREADS "posix" CACHE STRING "posix or win32")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HD_MINGW_ARCH HD_MINGW_THREADS)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${HD_MINGW_ARCH})
set(HD_MINGW_PREFIX ${HD_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${HD_MINGW_PREFIX}-gcc-${HD_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${HD_MINGW_PREFIX}-g++-${HD_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${HD_MINGW_PREFIX}-windres)
set(CMAKE_STRIP ${HD_MINGW_PREFIX}-strip CACHE FILEPATH "")
set(CMAKE_OBJDUMP ${HD_MINGW_PREFIX}-objdump CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/${HD_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Windows tests run under Wine; the wrapper uses the project's prefix and display.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
