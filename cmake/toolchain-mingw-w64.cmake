# What the Windows cross builds with Debian's mingw-w64 (posix threads, for
# std::mutex and std::thread) have in common; included by the toolchain file
# of each architecture, which first sets SONDREL_WINDOWS_TRIPLE and
# target_flags (the compile options of that architecture alone). The compiler
# runtimes are linked statically so the modules load on a bare Windows with
# nothing beside them.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${SONDREL_WINDOWS_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SONDREL_WINDOWS_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SONDREL_WINDOWS_TRIPLE}-windres)
set(CMAKE_AR ${SONDREL_WINDOWS_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${SONDREL_WINDOWS_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries built for the target (libpng) live in a prefix of the
# architecture's own; zlib comes from the compiler's own sysroot.
set(SONDREL_WINDOWS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../.cache/windows/${SONDREL_WINDOWS_TRIPLE}/prefix" CACHE PATH
    "Prefix of the libraries built for Windows by scripts/setup-windows.sh")
set(CMAKE_FIND_ROOT_PATH /usr/${SONDREL_WINDOWS_TRIPLE} ${SONDREL_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Prefer the static archives over import libraries.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

# _USE_MATH_DEFINES declares the maths constants (M_PI) that glibc declares
# by default.
set(CMAKE_C_FLAGS_INIT "${target_flags} -D_USE_MATH_DEFINES")
set(CMAKE_CXX_FLAGS_INIT "${target_flags} -D_USE_MATH_DEFINES")
set(static_runtime "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${static_runtime}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${static_runtime}")
# Release modules ship without their symbol tables.
set(CMAKE_MODULE_LINKER_FLAGS_RELEASE_INIT "-s")

# FindZLIB looks for the import library first; the static archive is wanted.
set(ZLIB_LIBRARY /usr/${SONDREL_WINDOWS_TRIPLE}/lib/libz.a CACHE FILEPATH "zlib for the Windows build")
