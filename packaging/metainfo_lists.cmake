# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The lists the metainfo takes from other files, so that each fact is kept
# in one place: the releases from the changelog, the modaliases from the
# udev rule.

function(duoband_xml_escape text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# <release> elements, newest first, from a Debian changelog: the version of
# each entry's first line, the date of its trailer line, its "*" items.
# `newest_date` gets the newest entry's date (YYYY-MM-DD).
function(duoband_changelog_releases changelog out newest_date)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  file(STRINGS ${changelog} lines)
  set(xml "")
  set(items "")  # the entry's <li> elements so far
  set(item "")   # the item being read, continued over its lines
  foreach(line IN LISTS lines)
    # An item ends where the next one or the trailer begins.
    if(line MATCHES "^(  \\*| --) " AND NOT item STREQUAL "")
      duoband_xml_escape("${item}" item)
      string(APPEND items "          <li>${item}</li>\n")
      set(item "")
    endif()
    if(line MATCHES "^  \\* (.*)")
      set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
      set(version "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)")
      string(APPEND item " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], +([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
      math(EXPR day "${CMAKE_MATCH_1} + 0")
      set(year "${CMAKE_MATCH_3}")
      list(FIND months "${CMAKE_MATCH_2}" month)
      math(EXPR month "${month} + 1")
      if(day LESS 10)
        set(day "0${day}")
      endif()
      if(month LESS 10)
        set(month "0${month}")
      endif()
      if(NOT xml)
        set(${newest_date} "${year}-${month}-${day}" PARENT_SCOPE)
      endif()
      string(APPEND xml "    <release version=\"${version}\" date=\"${year}-${month}-${day}\">\n"
                        "      <description>\n        <ul>\n${items}"
                        "        </ul>\n      </description>\n    </release>\n")
      set(items "")
    endif()
  endforeach()
  string(STRIP "${xml}" xml)
  set(${out} "    ${xml}" PARENT_SCOPE)
endfunction()

# <modalias> elements, one per USB vendor:product the udev rule names.
function(duoband_rule_modaliases rules out)
  file(STRINGS ${rules} lines REGEX "ATTRS\\{idVendor\\}")
  set(xml "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "idVendor\\}==\"([0-9a-f]+)\".*idProduct\\}==\"([0-9a-f]+)\"" ids "${line}")
    string(TOUPPER "${CMAKE_MATCH_1}" vendor)
    string(TOUPPER "${CMAKE_MATCH_2}" product)
    string(APPEND xml "    <modalias>usb:v${vendor}p${product}d*</modalias>\n")
  endforeach()
  string(STRIP "${xml}" xml)
  set(${out} "    ${xml}" PARENT_SCOPE)
endfunction()
