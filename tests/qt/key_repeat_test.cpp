// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A held Enter or Space presses a button once, however the platform repeats the key.
#include <QLineEdit>

#include "forms/form2/form2.h"
#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class KeyRepeatTest : public RealGame {
 protected:
  // Ten Shevrolets bought, the sales window open on them in «Россия».
  void OpenSalesOfTen() {
    ChooseShevroletInRussia();
    runtime_.Edit(FormIndex("Form2"), runtime_.Handles<form2::Purchase>()->quantity.Index(), "10",
                  2);
    Click("Form2", "Command1");
    Click("Form1", "Command3");
    Click("Form3", "Command7");
    Select("Form3", "List1", 0);
  }
  static void Send(QWidget* widget, QEvent::Type type, int key, std::uint64_t stamp, bool marked) {
    QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "\r", marked);
    event.setTimestamp(stamp);
    QApplication::sendEvent(widget, &event);
  }
  // A key held for a while: the press, the platform's repeats, the release.
  void Hold(QWidget* widget, int key, bool marked) {
    stamp_ += 1000;
    Send(widget, QEvent::KeyPress, key, stamp_, false);
    for (int i = 0; i < 30; ++i) {
      stamp_ += 33;
      Send(widget, QEvent::KeyRelease, key, stamp_, marked);
      Send(widget, QEvent::KeyPress, key, stamp_, marked);
      Settle();
    }
    stamp_ += 20;
    Send(widget, QEvent::KeyRelease, key, stamp_, false);
    Settle();
  }
  std::string Fleet() {
    const Form& main = *runtime_.Find("Form1");
    return main.At(main.Find("Label9").value()).caption;
  }
  std::uint64_t stamp_ = 0;
};

TEST_F(KeyRepeatTest, EachHoldOfEnterOrSpaceOnSellSellsOneUnit) {
  OpenSalesOfTen();
  ASSERT_EQ(Fleet(), "10");
  QWidget* sell = Widget("Form3", "Command1");
  int left = 10;
  for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    for (const bool marked : {true, false}) {
      Hold(sell, key, marked);
      EXPECT_EQ(Fleet(), std::to_string(--left)) << "key " << key << (marked ? " marked" : "");
    }
  }
}

TEST_F(KeyRepeatTest, AHeldSpaceStillTypesInATextBox) {
  Hold(Widget("Form1", "Text1"), Qt::Key_Space, true);
  EXPECT_EQ(static_cast<QLineEdit*>(Widget("Form1", "Text1"))->text().size(), 31);
}

}  // namespace
}  // namespace avtosalon::qt
