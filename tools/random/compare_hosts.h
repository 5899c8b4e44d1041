// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/random/run.h"
#include "tools/scenario/driver.h"
#include "tools/scenario/headless_driver.h"

namespace avtosalon::random_play {

// A fresh game in another host, such as real windows.
using DriverFactory = std::function<std::unique_ptr<scenario::Driver>(const Project&)>;

// Where the hosts differ on purpose; every other entry of what the player sees must agree.
// A click in a text box also places the caret differently on purpose (see Lockstep::Do).
bool IntendedDifference(const Project& project, const std::string& key);

// The first entry, in key order, on which the hosts disagree.
struct HostDifference {
  std::string key;
  std::string headless;
  std::string other;
};

// One game played at once in the headless host and in another host, step by step.
class Lockstep {
 public:
  Lockstep(const Project& project, const DriverFactory& other);
  Lockstep(const Lockstep&) = delete;
  Lockstep& operator=(const Lockstep&) = delete;

  // Takes the step in both hosts, each as a player could there.
  void Do(const scenario::Action& step);
  std::optional<HostDifference> Differs();
  const Runtime& Game() { return headless_.Game(); }

 private:
  void CarryCaret(const scenario::Target& clicked);

  const Project& project_;
  scenario::HeadlessDriver headless_;
  std::unique_ptr<scenario::Driver> other_;
  std::vector<std::string> headless_shown_;  // message boxes, failures and the end, in order
  std::vector<std::string> other_shown_;
};

struct FoundDifference {
  std::uint64_t seed = 0;
  long long game = 0;
  std::size_t step = 0;
  HostDifference difference;
  Steps steps;  // shrunk
  std::string scenario;
};

struct CompareResult {
  long long steps = 0;
  long long games = 0;
  std::vector<FoundDifference> differences;
};

// Plays each seed's random steps in both hosts and compares everything the player sees after
// every step; a seed stops at its first difference, shrunk to a scenario file.
CompareResult CompareSeeds(const Project& project, const RunOptions& options,
                           const DriverFactory& other);

}  // namespace avtosalon::random_play
