# BUILD_FUZZERS: libFuzzer needs clang. Everything is built with coverage
# instrumentation for the fuzzer and with AddressSanitizer and
# UndefinedBehaviorSanitizer, so that the libraries the fuzz targets link are
# checked as well.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "BUILD_FUZZERS needs clang: configure with "
                      "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
