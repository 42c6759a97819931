# Included before any target when KVL_BUILD_FUZZERS is on: every object of a fuzz build carries
# libFuzzer's coverage hooks and the sanitizers, or, for measuring what the corpora reach,
# llvm-cov's instrumentation instead of the sanitizers.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz targets need clang: configure with the fuzz preset")
endif()

option(KVL_FUZZ_COVERAGE "Instrument the fuzz build for llvm-cov instead of the sanitizers" OFF)
if(KVL_FUZZ_COVERAGE)
  add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
  add_link_options(-fprofile-instr-generate)
else()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
