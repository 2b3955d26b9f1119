# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How the test programs are compiled. Their own code is built without
# optimisation: what they time and exercise is the libraries', which keep the
# build type's flags, and an optimised test file costs twice the compile
# time for nothing. A program of several files parses the test framework's
# headers once, precompiled.
function(duoband_test_program target)
  target_compile_options(${target} PRIVATE -O0)
  get_target_property(sources ${target} SOURCES)
  list(LENGTH sources files)
  if(files GREATER 2)
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <string> <vector> <filesystem>)
  endif()
endfunction()
