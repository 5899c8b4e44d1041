# Installs the build into a scratch prefix and checks that a desktop would find the game there:
# the launcher, its icon in every hicolor size, the program it starts and its manual page.
#   cmake -DSOURCE_DIR=... -DBUILD_DIR=... -DSTAGE=... -DID=... -DBINDIR=... [-DAPPSTREAMCLI=...]
#         -P installed_tree.cmake
include("${CMAKE_CURRENT_LIST_DIR}/png_size.cmake")

file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(share "${STAGE}/share")
set(desktop_file "${share}/applications/${ID}.desktop")
if(NOT EXISTS "${desktop_file}")
  message(FATAL_ERROR "no share/applications/${ID}.desktop")
endif()
file(STRINGS "${desktop_file}" exec REGEX "^Exec=")
file(STRINGS "${desktop_file}" icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" program "${exec}")
string(REPLACE "Icon=" "" icon "${icon}")

foreach(path
    ${BINDIR}/${program}
    share/man/man6/${program}.6
    share/metainfo/${ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${icon}.svg)
  if(NOT EXISTS "${STAGE}/${path}")
    message(SEND_ERROR "not installed: ${path}")
  endif()
endforeach()

file(GLOB sized RELATIVE "${share}/icons/hicolor" "${share}/icons/hicolor/*x*/apps/${icon}.png")
file(GLOB rasters "${SOURCE_DIR}/assets/raster/icon-*.png")
list(LENGTH sized installed)
list(LENGTH rasters drawn)
if(NOT installed EQUAL drawn)
  message(SEND_ERROR "${installed} sized icons installed, ${drawn} drawn: ${sized}")
endif()
foreach(path IN LISTS sized)
  string(REGEX MATCH "^[0-9]+x[0-9]+" directory_size "${path}")
  png_size("${share}/icons/hicolor/${path}" size)
  if(NOT size STREQUAL directory_size)
    message(SEND_ERROR "${path} is ${size}")
  endif()
endforeach()

# validate-tree also checks that the metainfo's launchable exists in the same tree.
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${STAGE}"
    RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "appstreamcli validate-tree:\n${report}")
  endif()
endif()
