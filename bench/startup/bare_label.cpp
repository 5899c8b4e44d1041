// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The smallest Qt Widgets program that shows what the game shows at first: a window with one
// label, then a message box. bench_startup measures the game's start against this one's.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Автосалон"));
  label.show();
  QMessageBox box(QMessageBox::Information, QStringLiteral("Первое окно"),
                  QStringLiteral("Ваша задача собрать 10 миллионов $ и купить Автосалон."),
                  QMessageBox::Ok, &label);
  return box.exec();
}
