// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The six models and five countries the game trades in, and the one price grid that
// buying and selling share.
namespace avtosalon {

inline constexpr int kModelCount = 6;
inline constexpr int kCountryCount = 5;

// Each window names a model in its own words; the texts differ on purpose ("BMV", "BMW").
struct Model {
  std::string_view main_caption;  // main window's model row
  std::string_view list_item;     // purchase window's model list
  std::string_view sales_button;  // sales window's column heading
};

const std::array<Model, kModelCount>& Models();
const std::array<std::string_view, kCountryCount>& Countries();

// Whole dollars per unit; model 1 to 6, country 1 to 5. Anything else throws std::out_of_range.
std::int32_t Price(int model, int country);

}  // namespace avtosalon
