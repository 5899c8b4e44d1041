// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "forms/project.h"
#include "shell/qt/qt_host.h"
#include "shell/runtime.h"

namespace avtosalon::qt {

// The game in real windows. Message boxes are closed with Enter, as a player would,
// and written down.
class RealGame : public ::testing::Test {
 protected:
  RealGame() : host_(QtHost::Clock::kVirtual), runtime_(GameProject(), host_) {
    host_.Attach(runtime_);
    QObject::connect(&closer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      boxes_.push_back(box->windowTitle() + " | " + box->text());
      buttons_.push_back(box->buttons().size() == 1 ? box->buttons()[0]->text() : "?");
      Key(box, Qt::Key_Return);
    });
    closer_.start(5);
    runtime_.Start();
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  static void Key(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
    Settle();
  }
  // A key pressed where the keyboard focus is.
  static void Press(int key, const QString& text = {}) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    Key(focus, key, text);
  }

  int FormIndex(std::string_view form) { return runtime_.FormIndex(form).value(); }
  QWidget* Window(std::string_view form) { return host_.Window(FormIndex(form)); }
  QWidget* Widget(std::string_view form, std::string_view control) {
    return host_.Widget(FormIndex(form), runtime_.Find(form)->Find(control).value());
  }
  std::string Focused() {
    const auto control = host_.ControlOf(QApplication::focusWidget());
    if (!control) return "";
    const Form& form = *runtime_.FormAt(control->first);
    return form.Name() + "." + form.At(control->second).Name();
  }
  void Click(std::string_view form, std::string_view control) {
    runtime_.Click(FormIndex(form), runtime_.Find(form)->Find(control).value());
    Settle();
  }
  void Select(std::string_view form, std::string_view list, int item) {
    runtime_.Select(FormIndex(form), runtime_.Find(form)->Find(list).value(), item);
    Settle();
  }
  // From the main window to the purchase window's quantity, for a Shevrolet in «Россия».
  void ChooseShevroletInRussia() {
    Click("Form1", "Command1");
    Select("Form2", "List1", 0);
    Click("Form2", "Command2");
    Click("Form2", "Option1");
    Click("Form2", "Label1");
    Click("Form2", "Command3");
  }

  QtHost host_;
  Runtime runtime_;
  QTimer closer_;
  QStringList boxes_;
  QStringList buttons_;
};

}  // namespace avtosalon::qt
