// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/look.h"

#include <array>
#include <cmath>
#include <string_view>

namespace avtosalon::qt {
namespace {

struct Substitute {
  std::string_view design;
  const char* free;
};

// Chosen for Cyrillic coverage in the weight and slant used, and metrics near the design's.
constexpr std::array kSubstitutes{
    Substitute{"MS Sans Serif", "Liberation Sans"},
    Substitute{"Microsoft Sans Serif", "Liberation Sans"},
    Substitute{"Arial", "Liberation Sans"},
    Substitute{"MS Reference Sans Serif", "DejaVu Sans"},  // wide, like the design font
    Substitute{"Times New Roman", "Liberation Serif"},
    Substitute{"Bookman Old Style", "URW Bookman"},
    Substitute{"Monotype Corsiva", "Z003"},
    Substitute{"Garamond", "P052"},  // bold EB Garamond has no Cyrillic letters
    Substitute{"Small Fonts", "Nimbus Sans Narrow"},
};

}  // namespace

int ToPixels(int units) { return static_cast<int>(std::lround(units / double{kUnitsPerPixel})); }

QRect ToPixels(const Rect& rect) {
  return QRect(ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width),
               ToPixels(rect.height));
}

QString SubstituteFamily(const std::string& family) {
  for (const Substitute& substitute : kSubstitutes) {
    if (substitute.design == family) return QString::fromLatin1(substitute.free);
  }
  return QString::fromStdString(family);
}

QFont ToQFont(const FontSpec& font) {
  QFont q(SubstituteFamily(font.family));
  // Points at 96 dpi, so 13.5 pt is 18 px whatever the screen says its dpi is.
  q.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
  q.setWeight(font.weight >= 700   ? QFont::Bold
              : font.weight >= 600 ? QFont::DemiBold
                                   : QFont::Normal);
  q.setItalic(font.italic);
  q.setStyleStrategy(QFont::PreferAntialias);
  return q;
}

}  // namespace avtosalon::qt
