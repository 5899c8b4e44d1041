// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace avtosalon {

// A loaded picture. Controls share it by pointer: giving an image the picture of a
// picture box hands over the very same object, so identity tells which one is shown.
struct Picture {
  std::string resource;  // what the host draws
  std::string origin;    // the control that holds it in its design state, "Form2.Picture3"
  std::int32_t handle = 0;
};

using PictureRef = std::shared_ptr<const Picture>;

// The 32-bit handle a program reads as the picture's default value: 0 for none.
inline std::int32_t HandleOf(const PictureRef& picture) { return picture ? picture->handle : 0; }

}  // namespace avtosalon
