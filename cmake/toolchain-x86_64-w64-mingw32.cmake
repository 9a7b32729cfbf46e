# Cross build for 64-bit Windows (see toolchain-mingw-w64.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SONDREL_WINDOWS_TRIPLE x86_64-w64-mingw32)
# The 64-bit Windows stack is aligned to 16 bytes only, and GCC cannot
# realign it there for the 32- and 64-byte vectors of the AVX2 and AVX-512
# kernels: an aligned move of one spilled to the stack would fault. Debian's
# mingw-w64 GCC writes unaligned moves for them already; the assembler
# writes every aligned vector move as its unaligned form, which runs as fast
# on aligned data, so that no compiler or code change can bring the fault
# back.
set(target_flags "-Wa,-muse-unaligned-vector-move")
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake)
