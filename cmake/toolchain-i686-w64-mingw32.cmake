# Cross build for 32-bit Windows (see toolchain-mingw-w64.cmake).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SONDREL_WINDOWS_TRIPLE i686-w64-mingw32)
# 32-bit Windows hosts may call us on a 4-byte aligned stack: every function
# realigns before it touches SSE2 data.
set(target_flags "-mincoming-stack-boundary=2")
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake)
