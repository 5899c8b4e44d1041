# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets OUT to "WIDTHxHEIGHT" of a PNG, read from its IHDR chunk.
function(png_size file out)
  file(READ "${file}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  set(${out} "${width}x${height}" PARENT_SCOPE)
endfunction()
