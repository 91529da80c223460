# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads compilers, which
# std::thread needs). The libraries come from the target's root and from QUADRIMO_WINDOWS_PREFIX
# (scripts/build-windows.sh builds them there); nothing of the build machine's own is found.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${QUADRIMO_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One file to copy: the C and C++ runtimes and the threads library are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)
# pkg-config sees the target's libraries only.
set(ENV{PKG_CONFIG_LIBDIR} "${QUADRIMO_WINDOWS_PREFIX}/lib/pkgconfig")
