# Coverage instrumentation for libFuzzer over the whole build, so the fuzzers
# see the edges of every library and of the plug-in binaries they load. The
# plug-in binaries take the sanitizer runtime from the fuzzer that loads them,
# so their link leaves its symbols undefined. Without SONDREL_SANITIZE the
# fuzzers run three to four times as fast, for long runs whose corpus is
# then replayed on a sanitized build (README.md).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "SONDREL_FUZZ needs clang (CXX=clang++-14)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link
  -fsanitize-coverage-ignorelist=${CMAKE_CURRENT_LIST_DIR}/CoverageIgnore.txt)
