// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A double click meant for one window never lands on the window that replaces it.
#include <QMouseEvent>

#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class PointerGuarded : public RealGame {
 protected:
  PointerGuarded() {
    host_.SetPointerClock([this] { return now_; });
  }
  // A press and a release of the left button in the middle of the control's widget.
  void MouseClick(std::string_view form, std::string_view control, QEvent::Type press_type) {
    QWidget* widget = Widget(form, control);
    const QPointF at = widget->rect().center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(press_type, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    Settle();
  }
  void BuyOneUnit(std::int64_t at) {
    now_ = at;
    ChooseShevroletInRussia();
  }
  std::int64_t now_ = 0;
};

TEST_F(PointerGuarded, TheSecondClickOfADoubleClickOnBuyDoesNotPressExit) {
  BuyOneUnit(1'000);
  now_ = 5'000;
  MouseClick("Form2", "Command1", QEvent::MouseButtonPress);  // «Купить>>»
  ASSERT_TRUE(Window("Form1")->isVisible());
  for (const std::int64_t gap : {60, 150, 300}) {
    now_ = 5'000 + gap;
    MouseClick("Form1", "Command2", QEvent::MouseButtonDblClick);  // «Выход», just under it
    MouseClick("Form1", "Command2", QEvent::MouseButtonPress);
    EXPECT_FALSE(runtime_.Ended()) << gap << " ms after";
  }
  EXPECT_EQ(runtime_.Find("Form1")->At(runtime_.Find("Form1")->Find("Label9").value()).caption,
            "1");
  now_ = 6'000;  // a deliberate click, once the window has been up for a moment
  MouseClick("Form1", "Command2", QEvent::MouseButtonPress);
  EXPECT_TRUE(runtime_.Ended());
}

TEST_F(PointerGuarded, EveryWindowSwitchAndEveryMessageBoxIsGuarded) {
  now_ = 1'000;
  MouseClick("Form1", "Command1", QEvent::MouseButtonPress);  // «Покупать>>»
  ASSERT_TRUE(Window("Form2")->isVisible());
  now_ = 1'100;
  MouseClick("Form2", "Command5", QEvent::MouseButtonPress);  // «Назад»
  EXPECT_TRUE(Window("Form2")->isVisible());
  now_ = 2'000;
  MouseClick("Form2", "Command5", QEvent::MouseButtonPress);
  ASSERT_TRUE(Window("Form1")->isVisible());
  now_ = 3'000;
  MouseClick("Form1", "Command7", QEvent::MouseButtonPress);  // the win button: a message box
  ASSERT_EQ(boxes_.size(), 3);
  MouseClick("Form1", "Command7", QEvent::MouseButtonPress);
  EXPECT_EQ(boxes_.size(), 3) << "the box has just closed";
  now_ = 4'000;
  MouseClick("Form1", "Command7", QEvent::MouseButtonPress);
  EXPECT_EQ(boxes_.size(), 4);
}

}  // namespace
}  // namespace avtosalon::qt
