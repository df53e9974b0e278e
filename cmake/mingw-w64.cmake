# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix).
# QUILLFEN_WINDOWS_PREFIX (cache or environment) is the folder the Windows libraries live in: the
# toolchain's prefix while scripts/windows-toolchain builds it, the unpacked tarball afterwards.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLFEN_MINGW_TRIPLE x86_64-w64-mingw32)

# The -posix compilers use the winpthreads threading model, without which std::thread, std::mutex
# and std::condition_variable do not exist.
set(CMAKE_C_COMPILER ${QUILLFEN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLFEN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLFEN_MINGW_TRIPLE}-windres)

if(NOT QUILLFEN_WINDOWS_PREFIX AND DEFINED ENV{QUILLFEN_WINDOWS_PREFIX})
    set(QUILLFEN_WINDOWS_PREFIX "$ENV{QUILLFEN_WINDOWS_PREFIX}")
endif()
# try_compile projects read this file again without the cache: hand the prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLFEN_WINDOWS_PREFIX)

# Libraries, headers and packages come from the prefix and the MinGW runtime (in that order:
# the prefix carries its own copy of what both have), never from the build machine; programs
# (moc, pkg-config, lrelease) from the build machine.
set(CMAKE_FIND_ROOT_PATH ${QUILLFEN_WINDOWS_PREFIX} /usr/${QUILLFEN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config answers about the prefix's .pc files alone.
if(QUILLFEN_WINDOWS_PREFIX)
    set(ENV{PKG_CONFIG_LIBDIR} "${QUILLFEN_WINDOWS_PREFIX}/lib/pkgconfig")
    set(ENV{PKG_CONFIG_PATH} "")
    set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
