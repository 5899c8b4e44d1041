// The main window's close box ends the program and takes the window away with it.
#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class CloseBox : public RealGame {};

TEST_F(CloseBox, ClosingTheMainWindowEndsTheGameAndHidesIt) {
  ASSERT_TRUE(Window("Form1")->isVisible());
  Window("Form1")->close();
  Settle();
  EXPECT_TRUE(runtime_.Ended());
  EXPECT_FALSE(Window("Form1")->isVisible());
}

}  // namespace
}  // namespace avtosalon::qt
