# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a C++ file of ours is not laid out as .clang-format says.
cmake_minimum_required(VERSION 3.25)

set(sources "")
foreach(folder app bench forms fuzz game shell tests tools)
  file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(APPEND sources ${found})
endforeach()

execute_process(COMMAND "${CLANG_FORMAT}" --dry-run -Werror ${sources}
                WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE status ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "not clang-formatted (run clang-format -i on these):\n${report}")
endif()
