# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a file includes a folder of ours that its layer must not see:
# game/ sees nothing of ours, shell/ only game/, forms/ only shell/ and game/, and a
# host (shell/qt/, shell/web/) is seen by nobody below the tools.
cmake_minimum_required(VERSION 3.25)

set(allowed_game "game")
set(allowed_shell "game;shell")
set(allowed_forms "game;shell;forms")

set(faults "")
foreach(layer game shell forms)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${source}")
    # The Qt host sits above the runtime: it may see shell/ and game/, like a tool.
    if(relative MATCHES "^shell/qt/")
      set(allowed "game;shell")
    # The page's entry points start the game itself, as app/ does for the Qt game.
    elseif(relative STREQUAL "shell/web/web_main.cpp")
      set(allowed "game;shell;forms")
    else()
      set(allowed "${allowed_${layer}}")
    endif()
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" folder "${line}")
      string(REGEX MATCH "^#include \"shell/(qt|web)/" host "${line}")
      if(NOT folder IN_LIST allowed OR (host AND NOT relative MATCHES "^shell/${CMAKE_MATCH_1}/"))
        string(APPEND faults "  ${relative}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "includes across the layers:\n${faults}")
endif()
