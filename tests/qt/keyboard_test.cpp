// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A player with only a keyboard: Tab follows the tab indexes, Space and Enter press,
// arrow keys choose, digits type.
#include <QLineEdit>

#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class Keyboard : public RealGame {
 protected:
  // The focus after each of n presses of Tab (or Shift+Tab), starting where it is.
  std::vector<std::string> Walk(int n, bool backwards = false) {
    std::vector<std::string> seen;
    for (int i = 0; i < n; ++i) {
      QWidget* focus = QApplication::focusWidget();
      if (!focus) break;
      QKeyEvent press(QEvent::KeyPress, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                      backwards ? Qt::ShiftModifier : Qt::NoModifier);
      QApplication::sendEvent(focus, &press);
      Settle();
      seen.push_back(Focused());
    }
    return seen;
  }
};

TEST_F(Keyboard, MainWindowTabOrder) {
  EXPECT_EQ(Focused(), "Form1.Command1");
  EXPECT_EQ(Walk(5), (std::vector<std::string>{"Form1.Command2", "Form1.Command3", "Form1.Text1",
                                               "Form1.Command7", "Form1.Command1"}));
  EXPECT_EQ(Walk(2, true), (std::vector<std::string>{"Form1.Command7", "Form1.Text1"}));
}

TEST_F(Keyboard, PurchaseWindowTabOrderInTheCountryStep) {
  Click("Form1", "Command1");
  Select("Form2", "List1", 0);
  Click("Form2", "Command2");
  Click("Form2", "Option1");
  EXPECT_EQ(Focused(), "Form2.Option1");
  EXPECT_EQ(Walk(6), (std::vector<std::string>{"Form2.Option2", "Form2.Option3", "Form2.Option4",
                                               "Form2.Option5", "Form2.Label1", "Form2.Command5"}));
}

TEST_F(Keyboard, SalesWindowTabOrderFollowsTheColumns) {
  Click("Form1", "Command3");
  // Everything but the model buttons and "Назад" starts disabled.
  EXPECT_EQ(Focused(), "Form3.Command7");
  EXPECT_EQ(Walk(6),
            (std::vector<std::string>{"Form3.Command8", "Form3.Command9", "Form3.Command10",
                                      "Form3.Command11", "Form3.Command12", "Form3.Command13"}));
  Click("Form3", "Command8");
  Select("Form3", "List2", 0);
  EXPECT_EQ(Focused(), "Form3.List2");
}

TEST_F(Keyboard, AWholePurchaseWithTheKeyboardOnly) {
  Press(Qt::Key_Space);  // "Покупать>>"
  ASSERT_TRUE(Window("Form2")->isVisible());
  EXPECT_EQ(Focused(), "Form2.List1");
  Press(Qt::Key_Down);  // the first model
  Press(Qt::Key_Down);  // the second: "Пикап DODGE RAM"
  EXPECT_EQ(runtime_.Find("Form2")->At(runtime_.Find("Form2")->Find("List1").value()).list_index,
            1);
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), "Form2.Command2");
  Press(Qt::Key_Return);  // "Дальше>>"
  while (Focused() != "Form2.Option1") Press(Qt::Key_Tab);
  Press(Qt::Key_Down);  // «Германия»: 20000
  EXPECT_EQ(Focused(), "Form2.Option2");
  Press(Qt::Key_Tab);
  Press(Qt::Key_Tab);
  Press(Qt::Key_Tab);
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), "Form2.Label1");
  Press(Qt::Key_Space);  // the price
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), "Form2.Command3");
  Press(Qt::Key_Space);  // "Дальше>>"
  while (Focused() != "Form2.Text1") Press(Qt::Key_Tab);
  Press(Qt::Key_End);
  Press(Qt::Key_Backspace);
  Press(Qt::Key_unknown, "4");
  EXPECT_EQ(static_cast<QLineEdit*>(Widget("Form2", "Text1"))->text(), "4");
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), "Form2.Command1");
  Press(Qt::Key_Space);  // "Купить>>"
  ASSERT_TRUE(Window("Form1")->isVisible());
  const Form& main = *runtime_.Find("Form1");
  EXPECT_EQ(main.At(main.Find("Label1").value()).caption, "920000");
  EXPECT_EQ(main.At(main.Find("Label10").value()).caption, "4");
}

}  // namespace
}  // namespace avtosalon::qt
