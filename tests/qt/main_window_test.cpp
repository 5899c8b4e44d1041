// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class RealWindows : public RealGame {
 protected:
  QWidget* Widget(std::string_view name) { return RealGame::Widget("Form1", name); }
};

TEST_F(RealWindows, StartUpBoxesComeFirstThenTheMainWindow) {
  ASSERT_EQ(boxes_.size(), 2);
  EXPECT_EQ(boxes_[0], "Запомните! | Ваша задача собрать 10 миллионов $ и купить Автосалон.");
  EXPECT_EQ(boxes_[1],
            "Предупреждение. | Не в коем случае не нажимайте клавишу BackSpace(<-) при стирании "
            "чисел!!!");
  QWidget* window = host_.Window(0);
  ASSERT_TRUE(window && window->isVisible());
  EXPECT_EQ(window->size(), QSize(624, 450));
  EXPECT_EQ(window->windowTitle(), "Form1");
}

TEST_F(RealWindows, MainWindowWidgetsStandWhereTheTableDrawsThem) {
  struct Expected {
    const char* name;
    QRect rect;  // pixels
    const char* text;
  };
  for (const Expected& e : {Expected{"Label3", {16, 16, 137, 25}, "SHEVROLET"},
                            {"Label6", {16, 160, 57, 25}, "BMV"},
                            {"Label2", {8, 376, 161, 25}, "Ваша сумма"},
                            {"Command1", {168, 408, 129, 33}, "Покупать>>"},
                            {"Command3", {16, 408, 145, 33}, "<<Продавать"},
                            {"Command2", {552, 416, 65, 33}, "Выход"}}) {
    QWidget* widget = Widget(e.name);
    ASSERT_NE(widget, nullptr) << e.name;
    EXPECT_EQ(widget->geometry(), e.rect) << e.name;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) text = button->text();
    EXPECT_EQ(text, e.text) << e.name;
  }
  EXPECT_EQ(qobject_cast<QLabel*>(Widget("Label1"))->text(), "1000000");
  for (const char* counter : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14"}) {
    EXPECT_EQ(qobject_cast<QLabel*>(Widget(counter))->text(), "0") << counter;
  }
}

TEST_F(RealWindows, LabelsAreOpaqueInTheirTableColours) {
  const QImage picture = host_.Window(0)->grab().toImage();
  // Inside "SHEVROLET", away from its text: the black label background.
  EXPECT_EQ(QColor(picture.pixel(150, 38)), QColor(0, 0, 0));
  // Inside the bank frame, away from its children: the frame's green 0x0042A240.
  EXPECT_EQ(QColor(picture.pixel(280, 330)), QColor(0x40, 0xA2, 0x42));
}

TEST_F(RealWindows, BuyButtonHasTheFocus) {
  EXPECT_EQ(QApplication::focusWidget(), Widget("Command1"));
}

}  // namespace
}  // namespace avtosalon::qt
