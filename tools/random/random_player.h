// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "shell/runtime.h"
#include "tools/random/chooser.h"
#include "tools/random/places.h"
#include "tools/scenario/script.h"

namespace avtosalon::random_play {

// Chooses the next step among what a player could reach at that moment: the visible window's
// shown and enabled controls, its close box, the clock. More than half of the steps follow a
// trader's plan (buy where a model is cheap, sell where it is dear, press the win button once
// the goal is reached), so that games get deep; the rest press, select, type, paste and wait
// at random, with texts that are often not numbers at all.
class RandomPlayer {
 public:
  RandomPlayer(const Project& project, const Places& places, Chooser& chooser);

  // Nullopt once the program has ended.
  std::optional<scenario::Action> Next(const Runtime& game);

  // Text for a box: numbers the box expects now and then, otherwise anything.
  std::string Garbage();

 private:
  std::optional<scenario::Action> Planned(const Runtime& game, const Form& form);
  std::optional<scenario::Action> PlannedPurchase(const Runtime& game, const Form& form);
  std::optional<scenario::Action> PlannedSale(const Runtime& game, const Form& form);
  scenario::Action Wild(const Runtime& game, const Form& form);
  std::string TextToPaste(const Runtime& game, const Form& form, int box);
  std::string TextToType();
  scenario::Action ClickOn(const Form& form, int control) const;
  double Cash(const Runtime& game) const;

  const Project& project_;
  const Places& places_;
  Chooser& chooser_;
  std::string planned_quantity_;
};

}  // namespace avtosalon::random_play
