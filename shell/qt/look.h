// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "shell/types.h"

// How the design's colours, fonts and layout units become Qt's.
namespace avtosalon::qt {

inline QColor ToQColor(Colour colour) {
  return QColor(colour.Red(), colour.Green(), colour.Blue());
}

// Layout units to device-independent pixels (96 dpi).
int ToPixels(int units);
QRect ToPixels(const Rect& rect);

// The free font that stands in for a design font, with full Cyrillic coverage.
QString SubstituteFamily(const std::string& family);
QFont ToQFont(const FontSpec& font);

}  // namespace avtosalon::qt
