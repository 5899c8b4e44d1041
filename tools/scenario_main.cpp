// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// avtosalon-scenario [--gui] FILE...: plays each scenario from a fresh start of the game.
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "forms/project.h"
#include "tools/scenario/headless_driver.h"
#include "tools/scenario/player.h"
#include "tools/scenario/qt_driver.h"

namespace {

constexpr const char* kUsage =
    "usage: avtosalon-scenario [--gui] FILE...\n"
    "Plays each scenario FILE from a fresh start of the game, headless or, with --gui, in\n"
    "real windows, and reports every check that did not hold. Exit status: 0 when every\n"
    "check held, 1 when one did not, 2 when a file cannot be read.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace avtosalon;
  bool gui = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (argument == "--gui") {
      gui = true;
    } else {
      files.emplace_back(argument);
    }
  }
  if (files.empty()) {
    std::cerr << kUsage;
    return 2;
  }

  std::vector<scenario::Script> scripts;
  for (const std::string& file : files) {
    auto parsed = scenario::Load(file, GameProject());
    if (!parsed.script) {
      std::cerr << parsed.error << '\n';
      return 2;
    }
    scripts.push_back(std::move(*parsed.script));
  }

  std::unique_ptr<scenario::QtSession> qt;
  if (gui) qt = std::make_unique<scenario::QtSession>(argc, argv);
  bool all_held = true;
  for (const scenario::Script& script : scripts) {
    std::unique_ptr<scenario::Driver> driver;
    if (gui) {
      driver = qt->NewDriver(GameProject());
    } else {
      driver = std::make_unique<scenario::HeadlessDriver>(GameProject());
    }
    all_held = scenario::Play(script, *driver, std::cout) && all_held;
  }
  return all_held ? 0 : 1;
}
