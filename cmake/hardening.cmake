# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The distribution's hardening flags, as dpkg-buildflags gives them to
# every Debian package with all hardening features on: fortified functions,
# the stack protector, format checks, read-only relocations and immediate
# binding. Optimisation, debug information and path maps stay with the
# build type and the build tree (path maps would also defeat ccache across
# work trees); fortification needs optimisation, so a Debug build goes
# without it. Sanitizer builds take none of this.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags not found: built without the hardening flags "
                  "(scripts/install-deps.sh installs dpkg-dev)")
  return()
endif()

function(duoband_buildflags variable out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${variable}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O|g|f[a-z-]*prefix-map=)")
  if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    list(FILTER flags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
  endif()
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

duoband_buildflags(CPPFLAGS preprocessor_flags)
duoband_buildflags(CXXFLAGS compiler_flags)
duoband_buildflags(LDFLAGS linker_flags)
add_compile_options(${preprocessor_flags} ${compiler_flags})
add_link_options(${linker_flags})
list(JOIN preprocessor_flags " " cpp)
list(JOIN compiler_flags " " cxx)
list(JOIN linker_flags " " ld)
message(STATUS "Hardening flags: ${cpp} ${cxx} ${ld}")
