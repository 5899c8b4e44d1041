#pragma once

#include <gtest/gtest.h>

#include <string>

#include "forms/project.h"
#include "shell/headless_host.h"
#include "shell/runtime.h"

namespace avtosalon {

// A fresh game in the headless host, with a player's hands and a tester's shortcuts.
class Game : public ::testing::Test {
 protected:
  Game() : runtime_(GameProject(), host_) { runtime_.Start(); }

  Form& Window(std::string_view form) { return *runtime_.Find(form); }
  int Index(std::string_view form, std::string_view control) {
    return Window(form).Find(control).value();
  }
  const Control& Get(std::string_view form, std::string_view control) {
    return Window(form).At(Index(form, control));
  }
  std::string Caption(std::string_view form, std::string_view control) {
    return Get(form, control).caption;
  }

  // What a player does; each returns whether the control could take it.
  bool Click(std::string_view form, std::string_view control) {
    return runtime_.Click(Window(form), Index(form, control));
  }
  bool Select(std::string_view form, std::string_view list, int item) {
    return runtime_.Select(Window(form), Index(form, list), item);
  }
  bool Edit(std::string_view form, std::string_view box, std::string_view text) {
    return runtime_.Edit(Window(form), Index(form, box), text, static_cast<int>(text.size()));
  }

  // Puts the game in a state that play would take long to reach.
  void Write(std::string_view form, std::string_view control, std::string_view caption) {
    runtime_.SetCaption(Window(form), Index(form, control), caption);
  }

  // The purchase window in its quantity step for a model and country.
  void ToQuantityStep(int model, int country) {
    Click("Form1", "Command1");
    Select("Form2", "List1", model - 1);
    Click("Form2", "Command2");
    Click("Form2", "Option" + std::to_string(country));
    Click("Form2", "Label1");
    Click("Form2", "Command3");
  }

  void ExpectRunning() {
    EXPECT_FALSE(runtime_.Ended());
    EXPECT_FALSE(runtime_.Fatal().has_value());
  }

  HeadlessHost host_;
  Runtime runtime_;
};

}  // namespace avtosalon
