// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// On a screen with a scale factor the layout stays the same, only larger and sharp.
// CTest runs this once more with QT_SCALE_FACTOR=2.
#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class Scaled : public RealGame {};

TEST_F(Scaled, TheLayoutGrowsWithTheScaleFactor) {
  const qreal scale = qApp->devicePixelRatio();
  if (scale == 1.0) GTEST_SKIP() << "runs under QT_SCALE_FACTOR=2";
  const QImage picture = Window("Form1")->grab().toImage();
  EXPECT_EQ(picture.size(), QSize(624, 450) * scale);
  EXPECT_EQ(Widget("Form1", "Command1")->geometry(), QRect(168, 408, 129, 33))
      << "geometry stays in device-independent pixels";
  // Text is drawn at the screen's resolution: a "1000000" is twice as many pixels tall.
  const QRect cash(Widget("Form1", "Label1")->mapTo(Window("Form1"), QPoint(0, 0)) * scale,
                   Widget("Form1", "Label1")->size() * scale);
  int top = -1;
  int bottom = -1;
  for (int y = cash.top(); y <= cash.bottom(); ++y) {
    for (int x = cash.left(); x <= cash.right(); ++x) {
      if (QColor(picture.pixel(x, y)).lightness() > 128) {
        if (top < 0) top = y;
        bottom = y;
        break;
      }
    }
  }
  ASSERT_GE(top, 0);
  EXPECT_GT(bottom - top, 28) << "digits of an 18 px font at twice the scale";
}

}  // namespace
}  // namespace avtosalon::qt
