# Cross build for 32-bit Windows with Debian's mingw-w64 (posix threads, for
# std::mutex and std::thread). The compiler runtimes are linked statically so
# the modules load on a bare Windows with nothing beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries built for the target (libpng) live in this prefix; zlib comes
# from the compiler's own sysroot.
set(SONDREL_WINDOWS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../.cache/windows/prefix" CACHE PATH
    "Prefix of the libraries built for Windows by scripts/setup-windows.sh")
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${SONDREL_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Prefer the static archives over import libraries.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

# 32-bit Windows hosts may call us on a 4-byte aligned stack: every function
# realigns before it touches SSE2 data. _USE_MATH_DEFINES declares the maths
# constants (M_PI) that glibc declares by default.
set(CMAKE_C_FLAGS_INIT "-mincoming-stack-boundary=2 -D_USE_MATH_DEFINES")
set(CMAKE_CXX_FLAGS_INIT "-mincoming-stack-boundary=2 -D_USE_MATH_DEFINES")
set(static_runtime "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${static_runtime}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${static_runtime}")
# Release modules ship without their symbol tables.
set(CMAKE_MODULE_LINKER_FLAGS_RELEASE_INIT "-s")

# FindZLIB looks for the import library first; the static archive is wanted.
set(ZLIB_LIBRARY /usr/${triple}/lib/libz.a CACHE FILEPATH "zlib for the Windows build")
