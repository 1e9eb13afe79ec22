# BUILD_FUZZERS: libFuzzer needs clang. Everything is built with coverage
# instrumentation for the fuzzer, on top of the AddressSanitizer and
# UndefinedBehaviorSanitizer that build_options adds, so that the libraries
# the fuzz targets link are checked as well.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "BUILD_FUZZERS needs clang: configure with "
                      "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
endif()
target_compile_options(build_options INTERFACE -fsanitize=fuzzer-no-link)
