// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "tools/scenario/driver.h"

class QApplication;

namespace avtosalon::scenario {

// The application that real-window scenarios play in; one for the whole run.
class QtSession {
 public:
  QtSession(int& argc, char** argv);
  QtSession(const QtSession&) = delete;
  QtSession& operator=(const QtSession&) = delete;
  ~QtSession();

  // A fresh game in real windows, driven by real mouse and key events.
  std::unique_ptr<Driver> NewDriver(const Project& project);

 private:
  std::unique_ptr<QApplication> app_;
};

}  // namespace avtosalon::scenario
