# Test programs, each made and registered with CTest by one call:
#
#   sondrel_add_test(NAME SOURCE...
#     [LIBRARIES LIB...]     linked besides the test support and GoogleTest's main
#     [BARE]                 without the test support (and so without the equaliser and
#                            its editor): only LIBRARIES and GoogleTest's main
#     [DEFINITIONS DEF...]   compile definitions
#     [VST2] [VST3] [CLAP]   drives the built binary: built first, its path known as
#                            SONDREL_VST2_PATH, SONDREL_VST3_BUNDLE or SONDREL_CLAP_PATH
#     [TIMEOUT SECONDS]      for each test (the default is CTest's)
#     [SKIP CASES]           Windows: gtest filter of the cases that need what the build lacks
#     [RUNNER COMMAND...])   Windows: what runs the program instead of the build's Wine prefix
#
# On Linux every case is a test of its own. In the Windows build the program
# is one test, run under Wine in the build's prefix, made by the wine fixture.
if(NOT WIN32)
  find_package(GTest REQUIRED)
  include(GoogleTest)
else()
  # Wine prefixes of the build's own are made for its width: a 64-bit prefix
  # for the 64-bit build (it runs 32-bit programs too).
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(SONDREL_WINE_ENV env WINEARCH=win64)
  else()
    set(SONDREL_WINE_ENV env WINEARCH=win32)
  endif()
endif()

function(sondrel_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "VST2;VST3;CLAP;BARE" "TIMEOUT;SKIP" "LIBRARIES;DEFINITIONS;RUNNER")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  if(NOT arg_BARE)
    target_link_libraries(${name} PRIVATE sondrel_test_support)
  endif()
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
  target_compile_definitions(${name} PRIVATE ${arg_DEFINITIONS})
  if(arg_VST2)
    target_compile_definitions(${name} PRIVATE SONDREL_VST2_PATH="$<TARGET_FILE:SondrelVst2>")
    add_dependencies(${name} SondrelVst2)
  endif()
  if(arg_VST3)
    target_compile_definitions(${name} PRIVATE SONDREL_VST3_BUNDLE="${SONDREL_VST3_BUNDLE}")
    add_dependencies(${name} SondrelVst3)
  endif()
  if(arg_CLAP)
    target_compile_definitions(${name} PRIVATE SONDREL_CLAP_PATH="${SONDREL_CLAP_PATH}")
    add_dependencies(${name} SondrelClap)
  endif()
  if(WIN32)
    sondrel_add_windows_test(${name})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    set(properties "")
    if(arg_TIMEOUT)
      set(properties PROPERTIES TIMEOUT ${arg_TIMEOUT})
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 ${properties})
  endif()
endfunction()

# The Windows half of sondrel_add_test, which passes its parsed arguments on.
macro(sondrel_add_windows_test name)
  target_link_libraries(${name} PRIVATE gtest_main)
  set(filter "")
  if(arg_SKIP)
    set(filter "--gtest_filter=-${arg_SKIP}")
  endif()
  if(arg_RUNNER)
    add_test(NAME ${name} COMMAND ${arg_RUNNER} $<TARGET_FILE:${name}> --gtest_brief=1 ${filter})
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 ${filter})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
  endif()
  if(arg_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
  endif()
endmacro()
