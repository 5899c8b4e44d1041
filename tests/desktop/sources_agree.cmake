# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop id, version and picture sizes are written in several files that nothing else
# ties together; a desktop only notices a mismatch as a missing icon or a lost launcher.
#   cmake -DSOURCE_DIR=... -DVERSION=... -P sources_agree.cmake
macro(expect what got wanted)
  if(NOT "${got}" STREQUAL "${wanted}")
    message(SEND_ERROR "${what}: got \"${got}\", wanted \"${wanted}\"")
  endif()
endmacro()

include("${CMAKE_CURRENT_LIST_DIR}/png_size.cmake")

file(READ "${SOURCE_DIR}/shell/qt/application.h" header)
string(REGEX MATCH "kDesktopId = \"([^\"]*)\"" _ "${header}")
set(id "${CMAKE_MATCH_1}")
if(id STREQUAL "")
  message(FATAL_ERROR "no kDesktopId in shell/qt/application.h")
endif()

set(data "${SOURCE_DIR}/data")
foreach(file ${id}.desktop ${id}.metainfo.xml avtosalon.6 screenshots/main.png)
  if(NOT EXISTS "${data}/${file}")
    message(FATAL_ERROR "data/${file} is missing")
  endif()
endforeach()

file(STRINGS "${data}/${id}.desktop" exec REGEX "^Exec=")
file(STRINGS "${data}/${id}.desktop" icon REGEX "^Icon=")
expect("desktop file Exec" "${exec}" "Exec=avtosalon")
expect("desktop file Icon" "${icon}" "Icon=${id}")

file(READ "${data}/${id}.metainfo.xml" metainfo)
string(REGEX MATCH "<id>([^<]*)</id>" _ "${metainfo}")
expect("metainfo id" "${CMAKE_MATCH_1}" "${id}")
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${metainfo}")
expect("metainfo launchable" "${CMAKE_MATCH_1}" "${id}.desktop")
string(REGEX MATCH "<binary>([^<]*)</binary>" _ "${metainfo}")
expect("metainfo binary" "${CMAKE_MATCH_1}" "avtosalon")
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${metainfo}")
expect("newest metainfo release" "${CMAKE_MATCH_1}" "${VERSION}")
string(REGEX MATCH "<image type=\"source\" width=\"([0-9]+)\" height=\"([0-9]+)\"" _ "${metainfo}")
png_size("${data}/screenshots/main.png" screenshot_size)
expect("screenshot size" "${CMAKE_MATCH_1}x${CMAKE_MATCH_2}" "${screenshot_size}")

file(STRINGS "${data}/avtosalon.6" title REGEX "^\\.TH ")
string(REGEX MATCH "\"Avtosalon ([^\"]*)\"" _ "${title}")
expect("man page version" "${CMAKE_MATCH_1}" "${VERSION}")

# Each raster icon is installed under hicolor/NxN, so its name must tell its real size.
file(GLOB icons "${SOURCE_DIR}/assets/raster/icon-*.png")
if(icons STREQUAL "")
  message(SEND_ERROR "no assets/raster/icon-*.png")
endif()
foreach(icon_file IN LISTS icons)
  get_filename_component(name "${icon_file}" NAME_WE)
  string(REPLACE "icon-" "" size "${name}")
  png_size("${icon_file}" icon_size)
  expect("${name}.png size" "${icon_size}" "${size}x${size}")
endforeach()
