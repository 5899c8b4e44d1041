// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/random/shrink.h"

#include <algorithm>
#include <type_traits>

#include "tools/scenario/text_editing.h"

namespace avtosalon::random_play {
namespace {

constexpr std::size_t kMostCharacterCuts = 12;

std::vector<std::string> ShorterTexts(const std::string& text) {
  std::vector<std::string> shorter;
  if (text.empty()) return shorter;
  shorter.emplace_back();
  const std::vector<std::string> characters = scenario::Characters(text);
  if (characters.size() < 2) return shorter;
  for (std::size_t cut = 0; cut < std::min(characters.size(), kMostCharacterCuts); ++cut) {
    std::string rest;
    for (std::size_t i = 0; i < characters.size(); ++i) {
      if (i != cut) rest += characters[i];
    }
    shorter.push_back(std::move(rest));
  }
  return shorter;
}

}  // namespace

std::vector<scenario::Action> Simpler(const scenario::Action& step) {
  std::vector<scenario::Action> simpler;
  std::visit(
      [&](const auto& action) {
        using T = std::decay_t<decltype(action)>;
        if constexpr (std::is_same_v<T, scenario::Type> || std::is_same_v<T, scenario::Paste>) {
          for (std::string& text : ShorterTexts(action.text)) {
            T shorter = action;
            shorter.text = std::move(text);
            simpler.emplace_back(std::move(shorter));
          }
        } else if constexpr (std::is_same_v<T, scenario::Press>) {
          if (action.count > 1) simpler.emplace_back(T{action.target, action.key, 1});
        } else if constexpr (std::is_same_v<T, scenario::Select>) {
          if (action.item > 0) simpler.emplace_back(T{action.target, 0});
        } else if constexpr (std::is_same_v<T, scenario::Wait>) {
          if (action.milliseconds > 0) simpler.emplace_back(T{0});
          if (action.milliseconds > 1) simpler.emplace_back(T{action.milliseconds / 2});
        }
      },
      step);
  return simpler;
}

Shrunk Shrink(Steps steps, const FailsAfter& fails, long long budget) {
  Shrunk shrunk;
  const auto failing = fails(steps);
  shrunk.tries = 1;
  if (!failing) {
    shrunk.steps = std::move(steps);
    return shrunk;
  }
  steps.resize(std::min(steps.size(), *failing));

  // Keeps the candidate, cut after its failure, when it still fails.
  const auto attempt = [&](Steps candidate) {
    if (shrunk.tries >= budget) return false;
    ++shrunk.tries;
    const auto after = fails(candidate);
    if (!after) return false;
    candidate.resize(std::min(candidate.size(), *after));
    steps = std::move(candidate);
    return true;
  };

  bool changed = true;
  while (changed && shrunk.tries < budget) {
    changed = false;
    for (std::size_t chunk = std::max<std::size_t>(1, steps.size() / 2);; chunk /= 2) {
      for (std::size_t start = 0; start < steps.size();) {
        Steps candidate(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(start));
        const std::size_t end = std::min(steps.size(), start + chunk);
        candidate.insert(candidate.end(), steps.begin() + static_cast<std::ptrdiff_t>(end),
                         steps.end());
        if (attempt(std::move(candidate))) {
          changed = true;
        } else {
          start += chunk;
        }
      }
      if (chunk <= 1) break;
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
      for (scenario::Action& simpler : Simpler(steps[i])) {
        Steps candidate = steps;
        candidate[i] = std::move(simpler);
        if (attempt(std::move(candidate))) {
          changed = true;
          break;
        }
      }
    }
  }
  shrunk.steps = std::move(steps);
  shrunk.finished = shrunk.tries < budget;
  return shrunk;
}

}  // namespace avtosalon::random_play
