#pragma once

#include <gtest/gtest.h>

#include <string>

#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "forms/form3/form3.h"
#include "forms/project.h"
#include "shell/headless_host.h"
#include "shell/runtime.h"

namespace avtosalon {

// A fresh game in the headless host, with a player's hands and a tester's shortcuts.
class Game : public ::testing::Test {
 protected:
  Game() : runtime_(GameProject(), host_) { runtime_.Start(); }

  // The windows' named controls; a window is there once the game has created it.
  const form1::Main& main() { return *runtime_.Handles<form1::Main>(); }
  const form2::Purchase& purchase() { return Existing(runtime_.Handles<form2::Purchase>()); }
  const form3::Sales& sales() { return Existing(runtime_.Handles<form3::Sales>()); }
  const form3::SalesColumn& Column(int k) { return sales().columns[k - 1]; }

  const Control& Get(const ControlHandle& control) { return control.State(); }
  std::string Caption(const ControlHandle& control) { return control.State().caption; }

  // What a player does; each returns whether the control could take it.
  bool Click(const ControlHandle& control) {
    return runtime_.Click(control.FormIndex(), control.Index());
  }
  bool Select(const ControlHandle& list, int item) {
    return runtime_.Select(list.FormIndex(), list.Index(), item);
  }
  bool Edit(const ControlHandle& box, std::string_view text) {
    return runtime_.Edit(box.FormIndex(), box.Index(), text, static_cast<int>(text.size()));
  }

  // Puts the game in a state that play would take long to reach.
  void Write(const Label& label, std::string_view caption) { label.SetCaption(caption); }

  // The purchase window in its quantity step for a model and country.
  void ToQuantityStep(int model, int country) {
    Click(main().buy_window);
    Select(purchase().models, model - 1);
    Click(purchase().to_countries);
    Click(purchase().countries[country - 1]);
    Click(purchase().unit_price);
    Click(purchase().to_quantity);
  }

  void ExpectRunning() {
    EXPECT_FALSE(runtime_.Ended());
    EXPECT_FALSE(runtime_.Fatal().has_value());
  }

  HeadlessHost host_;
  Runtime runtime_;

 private:
  template <typename W>
  static const W& Existing(const W* window) {
    if (!window) throw std::logic_error("the game has not created this window yet");
    return *window;
  }
};

}  // namespace avtosalon
