// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/random/compare_hosts.h"

#include <algorithm>
#include <set>
#include <variant>

#include "tools/random/random_player.h"
#include "tools/random/shrink.h"
#include "tools/random/take.h"
#include "tools/scenario/script_writer.h"

namespace avtosalon::random_play {
namespace {

const std::string kNone = "(none)";

std::function<void(const HostEvent&)> Recorder(std::vector<std::string>& shown) {
  return [&shown](const HostEvent& event) {
    switch (event.kind) {
      case HostEvent::Kind::kMessage:
        shown.push_back("msgbox " + std::to_string(event.message.style) + " " +
                        scenario::Quote(event.message.title) + " " +
                        scenario::Quote(event.message.prompt));
        break;
      case HostEvent::Kind::kFatal:
        shown.push_back("fatal " + std::string(FailureKindName(event.failure)));
        break;
      case HostEvent::Kind::kEnded:
        shown.push_back("ended");
        break;
    }
  };
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : " | ") + line;
  return text;
}

// The control a state key names, when it names one: "Form1.Label1.Size".
const ControlSpec* ControlOf(const Project& project, const std::string& key,
                             std::string& property) {
  const auto first = key.find('.');
  const auto last = key.rfind('.');
  if (first == std::string::npos || first == last) return nullptr;
  property = key.substr(last + 1);
  for (const auto& form : project.forms) {
    if (form.spec.name != key.substr(0, first)) continue;
    for (const ControlSpec& control : form.spec.controls) {
      if (control.name == key.substr(first + 1, last - first - 1)) return &control;
    }
  }
  return nullptr;
}

// The closing lines of a scenario that shows the difference: checks of what the headless host
// shows, which fail in real windows where the runtime's record differs there too.
std::vector<std::string> Closing(const Project& project, const HostDifference& difference) {
  std::vector<std::string> lines{"# " + difference.key + ": headless " +
                                 scenario::Quote(difference.headless) + ", the other host " +
                                 scenario::Quote(difference.other)};
  std::string property;
  static const std::set<std::string> kExpectable{"Caption", "Text",      "Visible",
                                                 "Enabled", "ListIndex", "Value"};
  if (ControlOf(project, difference.key, property) && kExpectable.contains(property)) {
    lines.push_back("expect " + difference.key + " " + scenario::Quote(difference.headless));
  } else if (difference.key == "program") {
    lines.push_back(difference.headless == "running" ? "expect running" : "expect ended");
  }
  return lines;
}

}  // namespace

bool IntendedDifference(const Project& project, const std::string& key) {
  std::string property;
  const ControlSpec* control = ControlOf(project, key, property);
  if (!control || property != "Size") return false;
  // A label that sizes itself to its caption is measured with real fonts in real windows and
  // estimated headless.
  if (control->auto_size) return true;
  // An image shows its picture at the picture's natural size; headless draws nothing.
  return control->kind == ControlKind::kImage;
}

Lockstep::Lockstep(const Project& project, const DriverFactory& other)
    : project_(project), headless_(project), other_(other(project)) {
  headless_.Start(Recorder(headless_shown_));
  other_->Start(Recorder(other_shown_));
}

void Lockstep::Do(const scenario::Action& step) {
  TakeStep(headless_, step);
  TakeStep(*other_, step);
  if (const auto* click = std::get_if<scenario::Click>(&step)) CarryCaret(click->target);
}

// Where a click puts the caret in a text box depends on the pointer's place and on real font
// widths, and the headless host has neither: it takes the caret the other host's click gave.
// Everything that follows from that caret is compared as usual.
void Lockstep::CarryCaret(const scenario::Target& clicked) {
  const Form* form = headless_.Game().FormAt(clicked.form);
  if (!form || clicked.control < 0 || !form->Reachable(clicked.control) ||
      form->At(clicked.control).Kind() != ControlKind::kTextBox) {
    return;
  }
  for (const scenario::ShownEntry& entry : other_->State()) {
    if (entry.form == clicked.form && entry.control == clicked.control &&
        entry.property == "Caret") {
      headless_.PlaceCaret(*form, clicked.control, std::stoi(entry.value));
      return;
    }
  }
}

std::optional<HostDifference> Lockstep::Differs() {
  if (headless_shown_ != other_shown_) {
    return HostDifference{"shown", Joined(headless_shown_), Joined(other_shown_)};
  }
  const scenario::ShownState mine = headless_.State();
  const scenario::ShownState theirs = other_->State();
  const auto same_thing = [](const scenario::ShownEntry& a, const scenario::ShownEntry& b) {
    return a.form == b.form && a.control == b.control && a.property == b.property;
  };
  for (std::size_t i = 0; i < std::max(mine.size(), theirs.size()); ++i) {
    if (i >= mine.size() || i >= theirs.size() || !same_thing(mine[i], theirs[i])) {
      // Not the same things shown: name the first one that only one host shows.
      const bool mine_only = i < mine.size();
      const scenario::ShownEntry& entry = mine_only ? mine[i] : theirs[i];
      return HostDifference{scenario::KeyOf(project_, entry), mine_only ? entry.value : kNone,
                            mine_only ? kNone : entry.value};
    }
    if (mine[i].value == theirs[i].value) continue;
    std::string key = scenario::KeyOf(project_, mine[i]);
    if (!IntendedDifference(project_, key)) {
      return HostDifference{std::move(key), mine[i].value, theirs[i].value};
    }
  }
  return std::nullopt;
}

namespace {

// Steps taken before the first difference shows, when it is a difference in the given entry;
// nullopt otherwise.
std::optional<std::size_t> DiffersAfter(const Project& project, const DriverFactory& other,
                                        const Steps& steps, const std::string& key) {
  Lockstep pair(project, other);
  for (std::size_t i = 0; i <= steps.size(); ++i) {
    if (i > 0) pair.Do(steps[i - 1]);
    if (const auto difference = pair.Differs()) {
      if (difference->key != key) return std::nullopt;
      return i;
    }
  }
  return std::nullopt;
}

// Plays random steps in both hosts until they differ, the game ends or the steps run out.
std::optional<HostDifference> PlayGame(const Project& project, const DriverFactory& other,
                                       RandomPlayer& player, long long most_steps,
                                       long long& played, Steps& steps) {
  Lockstep pair(project, other);
  std::optional<HostDifference> difference = pair.Differs();
  while (!difference && played < most_steps) {
    const auto step = player.Next(pair.Game());
    if (!step) break;
    steps.push_back(*step);
    pair.Do(*step);
    ++played;
    difference = pair.Differs();
  }
  return difference;
}

}  // namespace

CompareResult CompareSeeds(const Project& project, const RunOptions& options,
                           const DriverFactory& other) {
  const Places places(project);
  CompareResult result;
  PlayEachSeed(project, places, options,
               [&](std::uint64_t seed, long long game, RandomPlayer& player, long long& played) {
                 ++result.games;
                 Steps steps;
                 // One game at a time: a game's real windows answer any message box that shows.
                 const std::optional<HostDifference> difference =
                     PlayGame(project, other, player, options.steps, played, steps);
                 result.steps += static_cast<long long>(steps.size());
                 if (!difference) return false;
                 FoundDifference found{seed, game, steps.size(), *difference, steps, {}};
                 if (options.shrink) {
                   found.steps =
                       Shrink(
                           steps,
                           [&](const Steps& candidate) {
                             return DiffersAfter(project, other, candidate, difference->key);
                           },
                           options.shrink_budget)
                           .steps;
                 }
                 std::optional<HostDifference> shown;
                 {
                   Lockstep replay(project, other);
                   shown = replay.Differs();
                   for (std::size_t i = 0; i < found.steps.size() && !shown; ++i) {
                     replay.Do(found.steps[i]);
                     shown = replay.Differs();
                   }
                 }
                 found.scenario = scenario::ScenarioText(
                     project, found.steps,
                     {Origin("--compare-hosts ", seed, options, game, found.step),
                      "the hosts differ on " + shown.value_or(*difference).key,
                      "shrunk from " + std::to_string(found.step) + " steps to " +
                          std::to_string(found.steps.size())},
                     Closing(project, shown.value_or(*difference)));
                 result.differences.push_back(std::move(found));
                 return true;
               });
  return result;
}

}  // namespace avtosalon::random_play
