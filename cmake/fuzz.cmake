# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer targets and the replay of their seed corpora.
#
# The fuzz build (clang, -DDUOBAND_FUZZ=ON) compiles every library with
# libFuzzer's coverage instrumentation (-fsanitize=fuzzer-no-link), so a
# fuzz target sees every edge it reaches in the code it calls, not only in
# its own file; it also defaults to the address and undefined-behaviour
# sanitizers, with every report fatal. Other builds only replay the seeds.
option(DUOBAND_FUZZ "Build the libFuzzer targets (clang), every library instrumented for them" OFF)

if(DUOBAND_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz build needs clang: CXX=clang++ CC=clang cmake -DDUOBAND_FUZZ=ON ...")
  endif()
  if(NOT DUOBAND_SANITIZE)
    set(DUOBAND_SANITIZE address,undefined)
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link -fno-sanitize-recover=all)
endif()

set(DUOBAND_FUZZ_REPLAY_MAIN ${CMAKE_CURRENT_LIST_DIR}/fuzz_replay_main.cpp)

# duoband_fuzz_target(NAME SOURCE CORPUS LIBRARY...)
# SOURCE defines LLVMFuzzerTestOneInput. Every build gets NAME_replay and the
# test fuzz.NAME.seeds, which runs each file of the folder CORPUS through
# it; the fuzz build also gets the libFuzzer executable NAME.
function(duoband_fuzz_target name source corpus)
  add_executable(${name}_replay ${source} ${DUOBAND_FUZZ_REPLAY_MAIN})
  target_link_libraries(${name}_replay PRIVATE ${ARGN})
  add_test(NAME fuzz.${name}.seeds COMMAND ${name}_replay ${corpus})
  if(DUOBAND_FUZZ)
    add_executable(${name} ${source})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARGN})
  endif()
endfunction()
