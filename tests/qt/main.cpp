// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>

#include "shell/qt/application.h"

// One application for all tests of the real windows.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  avtosalon::qt::ConfigureApplication(app);
  return RUN_ALL_TESTS();
}
