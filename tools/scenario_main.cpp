// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// avtosalon-scenario [--gui | --web] FILE...: plays each scenario from a fresh start of the game.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "forms/project.h"
#include "tools/scenario/headless_driver.h"
#include "tools/scenario/player.h"
#include "tools/scenario/qt_driver.h"

namespace {

// The web page runs in Chromium, driven by the DevTools protocol from node: the
// player there reads the same files and checks what the page shows.
int PlayInBrowser(const std::vector<std::string>& files) {
  const char* page = std::getenv("AVTOSALON_WEB_PAGE");
  std::vector<std::string> words = {"node", AVTOSALON_WEB_PLAYER,
                                    page ? page : AVTOSALON_WEB_DEFAULT_PAGE};
  words.insert(words.end(), files.begin(), files.end());
  std::vector<char*> arguments;
  for (std::string& word : words) arguments.push_back(word.data());
  arguments.push_back(nullptr);
  execvp("node", arguments.data());
  std::cerr << "avtosalon-scenario: cannot run node for --web\n";
  return 2;
}

constexpr const char* kUsage =
    "usage: avtosalon-scenario [--gui | --web] FILE...\n"
    "Plays each scenario FILE from a fresh start of the game, headless, with --gui in real\n"
    "windows or with --web in the web page (node and Chromium), and reports every check\n"
    "that did not hold. Exit status: 0 when every check held, 1 when one did not, 2 when a\n"
    "file cannot be read.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace avtosalon;
  bool gui = false;
  bool web = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (argument == "--gui") {
      gui = true;
    } else if (argument == "--web") {
      web = true;
    } else {
      files.emplace_back(argument);
    }
  }
  if (files.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  if (web) return PlayInBrowser(files);

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
