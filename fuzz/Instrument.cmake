# Coverage instrumentation for libFuzzer over the whole build, so the fuzzers
# see the edges of every library and of the plug-in binaries they load. The
# plug-in binaries take the sanitizer runtime from the fuzzer that loads them,
# so their link leaves its symbols undefined.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "SONDREL_FUZZ needs clang (CXX=clang++-14)")
endif()
if(NOT SONDREL_SANITIZE)
  message(FATAL_ERROR "SONDREL_FUZZ needs SONDREL_SANITIZE=ON")
endif()
add_compile_options(-fsanitize=fuzzer-no-link)
