#pragma once

#include <string>

#include "shell/description.h"

// Shorthands for writing control tables.
namespace avtosalon::design {

inline constexpr int kRegular = 400;
inline constexpr int kSemibold = 600;
inline constexpr int kBold = 700;

inline FontSpec Font(std::string family, double points, int weight = kRegular,
                     bool italic = false) {
  return FontSpec{std::move(family), points, weight, italic};
}

inline FontSpec SansSerif(double points, int weight = kBold) {
  return Font("MS Sans Serif", points, weight);
}

inline constexpr Colour kBlack{0x00000000};
inline constexpr Colour kWhite{0x00FFFFFF};
inline constexpr Colour kLightYellow{0x0080FFFF};
inline constexpr Colour kRed{0x000000FF};
inline constexpr Colour kBlue{0x00FF0000};
inline constexpr Colour kGreen{0x0042A240};
inline constexpr Colour kDarkGreen{0x00008000};

}  // namespace avtosalon::design
