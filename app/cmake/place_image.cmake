# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the default image folder beside the program, keeping files that are
# already there (a password changed in the build tree survives a rebuild).
file(MAKE_DIRECTORY ${TO})
foreach(name 1.bc 2.bc 1.jpg)
  if(NOT EXISTS ${TO}/${name})
    file(COPY ${FROM}/${name} DESTINATION ${TO})
  endif()
endforeach()
file(CHMOD ${TO}/1.bc PERMISSIONS OWNER_READ OWNER_WRITE)
