#include "forms/project.h"

#include <gtest/gtest.h>

#include <set>

#include "shell/controls.h"
#include "shell/form.h"

namespace avtosalon {
namespace {

TEST(Project, WindowsInOrderWithTheMainWindowFirst) {
  const Project& project = GameProject();
  ASSERT_EQ(project.forms.size(), 3u);
  EXPECT_EQ(project.forms[0].spec.name, "Form1");
  EXPECT_EQ(project.forms[1].spec.name, "Form2");
  EXPECT_EQ(project.forms[2].spec.name, "Form3");
}

TEST(Project, EveryBindingNamesAControlOfItsWindowAndNamesAreUnique) {
  for (const FormDescription& form : GameProject().forms) {
    std::set<std::string> names;
    for (const ControlSpec& control : form.spec.controls) {
      EXPECT_TRUE(names.insert(control.name).second) << form.spec.name << "." << control.name;
      if (!control.container.empty()) {
        EXPECT_TRUE(names.contains(control.container))
            << control.name << " sits in " << control.container << ", declared before it";
      }
    }
    std::set<std::pair<std::string, Event>> bound;
    for (const Binding& binding : form.bindings) {
      EXPECT_TRUE(binding.control.empty() || names.contains(binding.control))
          << form.spec.name << "." << binding.control;
      EXPECT_TRUE(bound.insert({binding.control, binding.event}).second)
          << form.spec.name << "." << binding.control << " is bound twice";
      EXPECT_NE(binding.handler, nullptr);
    }
    if (!form.close_as.empty()) {
      EXPECT_TRUE(names.contains(form.close_as));
    }
  }
}

TEST(Project, EveryHandleResolvesToAControlOfItsWindowsTableOfItsKind) {
  std::int32_t next_handle = 1;
  const auto& forms = GameProject().forms;
  for (std::size_t i = 0; i < forms.size(); ++i) {
    ASSERT_NE(forms[i].handles, nullptr) << forms[i].spec.name;
    Form form(forms[i], static_cast<int>(i), next_handle);
    EXPECT_NO_THROW(forms[i].handles(Resolver(NoGameWriter(), form))) << forms[i].spec.name;
  }
}

// The events each window handles, and no others.
TEST(Project, BoundEventsAreExactlyTheGamesOwn) {
  const auto count = [](const FormDescription& form, Event event) {
    return std::count_if(form.bindings.begin(), form.bindings.end(),
                         [event](const Binding& b) { return b.event == event; });
  };
  const auto& forms = GameProject().forms;
  EXPECT_EQ(count(forms[0], Event::kLoad), 1);
  EXPECT_EQ(count(forms[0], Event::kClick), 7);  // Command1 to Command7
  EXPECT_EQ(count(forms[0], Event::kChange), 1);
  EXPECT_EQ(count(forms[0], Event::kTimer), 1);
  EXPECT_EQ(count(forms[1], Event::kClick), 12);  // Command1-5, Label1, List1, Option1-5
  EXPECT_EQ(count(forms[1], Event::kChange), 1);
  EXPECT_EQ(count(forms[2], Event::kClick), 19);  // Command1-13, List1-6
  EXPECT_EQ(forms[2].bindings.size(), 19u);
}

}  // namespace
}  // namespace avtosalon
