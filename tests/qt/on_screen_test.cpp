// Every window lies wholly inside the screen's available area, whatever the scale factor.
// CTest runs this on a 1280 x 1024 screen, once as it is and once with QT_SCALE_FACTOR=2.
#include <QScreen>

#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class OnScreen : public RealGame {};

// On each axis a window lies inside the area, or starts at its edge when it is larger.
void ExpectInside(const QWidget& window) {
  const QRect area = window.screen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  const auto axis = [](int start, int length, int area_start, int area_length) {
    return length > area_length ? start == area_start
                                : start >= area_start && start + length <= area_start + area_length;
  };
  EXPECT_TRUE(axis(frame.x(), frame.width(), area.x(), area.width()) &&
              axis(frame.y(), frame.height(), area.y(), area.height()))
      << window.windowTitle().toStdString() << " at " << frame.x() << "," << frame.y() << " size "
      << frame.width() << "x" << frame.height() << " on " << area.width() << "x" << area.height();
}

TEST_F(OnScreen, EveryWindowLiesInsideTheAvailableArea) {
  ExpectInside(*Window("Form1"));
  Click("Form1", "Command1");
  ExpectInside(*Window("Form2"));
  Click("Form2", "Command5");
  ExpectInside(*Window("Form1"));
  Click("Form1", "Command3");
  ExpectInside(*Window("Form3"));
}

}  // namespace
}  // namespace avtosalon::qt
