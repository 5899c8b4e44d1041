// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "tools/random/session.h"

namespace avtosalon::random_play {

// How many of a candidate's steps it takes to fail, or nullopt when it does not fail.
using FailsAfter = std::function<std::optional<std::size_t>(const Steps&)>;

struct Shrunk {
  Steps steps;
  long long tries = 0;    // candidates played
  bool finished = false;  // false: the budget ran out first
};

// The shortest step list found that still fails: cuts what follows the failure, deletes runs
// of steps from halves down to single steps, and makes single steps simpler (shorter texts,
// shorter waits, one key press), until no deletion or simplification fails any more. The
// result fails, and deleting any one of its steps makes it pass, unless the budget ran out.
Shrunk Shrink(Steps steps, const FailsAfter& fails, long long budget = 20000);

// Simpler forms of one step, the simplest first.
std::vector<scenario::Action> Simpler(const scenario::Action& step);

}  // namespace avtosalon::random_play
