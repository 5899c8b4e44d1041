// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenario/script.h"

#include <gtest/gtest.h>

#include "tools/scenario/text_editing.h"

namespace avtosalon::scenario {
namespace {

// A project just large enough to name things in.
Project Names() {
  FormSpec form{.name = "Form1"};
  form.controls = {{.kind = ControlKind::kCommandButton, .name = "Command1"},
                   {.kind = ControlKind::kTextBox, .name = "Text1"},
                   {.kind = ControlKind::kListBox, .name = "List1", .items = {"a"}}};
  return Project{.forms = {{.spec = form}}};
}

TEST(Script, ReadsEveryKindOfStep) {
  const auto parsed = Parse("s.scn", R"(# a comment

click Form1.Command1
select Form1.List1 0
type Form1.Text1 "a \"quoted\" \\ text"
key Form1.Text1 BackSpace 3
paste Form1.Text1 ""
close Form1
wait 3000
snap out.png
expect Form1.Command1.Caption "Ok"
expect Form1.Visible true
expect Form1.Created false
expect visible Form1
expect focus Form1.Text1
expect msgbox 64 "Title" "Prompt"
expect no msgbox
expect fatal Overflow
expect ended
expect running
print Form1.Text1.Text
)",
                            Names());
  ASSERT_TRUE(parsed.script) << parsed.error;
  const auto& steps = parsed.script->steps;
  ASSERT_EQ(steps.size(), 19u);
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(std::get<Type>(steps[2].action).text, "a \"quoted\" \\ text");
  EXPECT_EQ(std::get<Press>(steps[3].action).count, 3);
  EXPECT_EQ(std::get<Paste>(steps[4].action).text, "");
  EXPECT_EQ(std::get<Wait>(steps[6].action).milliseconds, 3000);
  EXPECT_EQ(std::get<ExpectMessage>(steps[13].action).prompt, "Prompt");
}

TEST(Script, MalformedLinesNameTheirFileAndLine) {
  const std::pair<const char*, const char*> kCases[] = {
      {"jump Form1.Command1", "unknown step"},
      {"click Form9.Command1", "unknown window"},
      {"click Form1.Command9", "unknown control"},
      {"click Form1.List1", "cannot be clicked"},
      {"select Form1.Command1 0", "not the right kind"},
      {"select Form1.List1 x", "not a number"},
      {"type Form1.Text1 \"open", "unterminated"},
      {"type Form1.Text1 \"a\\n\"", "backslash"},
      {"key Form1.Text1 Escape", "unknown key"},
      {"expect Form1.Command1.Colour 1", "unknown property"},
      {"expect Form1.Command1.Visible maybe", "true or false"},
      {"expect fatal Crash", "unknown failure kind"},
      {"expect Form1.Command1", "words"},
      {"wait -5", "not a number"},
  };
  for (const auto& [line, reason] : kCases) {
    const auto parsed = Parse("bad.scn", std::string("\n") + line + "\n", Names());
    EXPECT_FALSE(parsed.script) << line;
    EXPECT_TRUE(parsed.error.starts_with("bad.scn:2: ")) << parsed.error;
    EXPECT_NE(parsed.error.find(reason), std::string::npos) << line << " -> " << parsed.error;
  }
}

TEST(Script, QuoteReadsBack) {
  for (const char* text : {"", "plain", "with \"quotes\"", "back\\slash", "Ваша сумма"}) {
    const auto parsed = Parse("q.scn", "type Form1.Text1 " + Quote(text), Names());
    ASSERT_TRUE(parsed.script) << parsed.error;
    EXPECT_EQ(std::get<Type>(parsed.script->steps[0].action).text, text);
  }
}

TEST(EditLine, KeysMoveByCharactersNotBytes) {
  EditLine line{"Ваш", 4};  // after "Ва", two bytes a letter
  EXPECT_TRUE(line.Apply(Key::kBackSpace));
  EXPECT_EQ(line.text, "Вш");
  EXPECT_EQ(line.caret, 2);
  EXPECT_TRUE(line.Apply(Key::kDelete));
  EXPECT_EQ(line.text, "В");
  EXPECT_FALSE(line.Apply(Key::kDelete)) << "nothing after the caret";
  line.Apply(Key::kHome);
  EXPECT_FALSE(line.Apply(Key::kBackSpace)) << "nothing before the caret";
  line.Apply(Key::kRight);
  line.Insert("1");
  EXPECT_EQ(line.text, "В1");
  line.Apply(Key::kLeft);
  line.Apply(Key::kLeft);
  line.Insert("-");
  EXPECT_EQ(line.text, "-В1");
  EXPECT_EQ(Characters("аb"), (std::vector<std::string>{"а", "b"}));
}

}  // namespace
}  // namespace avtosalon::scenario
