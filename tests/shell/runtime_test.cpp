#include "shell/runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/headless_host.h"

namespace avtosalon {
namespace {

// A small two-window project whose handlers write down what happened, so each rule of
// the runtime can be watched on its own.
std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

struct WindowA {
  static constexpr std::string_view kName = "A";
  explicit WindowA(const Resolver& find)
      : window(find.Window()),
        box(find.Get<TextBox>("Box")),
        label(find.Get<Label>("Label")),
        set_box(find.Get<avtosalon::Button>("SetBox")),
        list(find.Get<ListBox>("List")),
        option(find.Get<OptionButton>("Option")),
        fast(find.Get<Timer>("Fast")),
        slow(find.Get<Timer>("Slow")) {}
  WindowHandle window;
  TextBox box;
  Label label;
  avtosalon::Button set_box;
  ListBox list;
  OptionButton option;
  Timer fast;
  Timer slow;
};

struct WindowB {
  static constexpr std::string_view kName = "B";
  explicit WindowB(const Resolver& find) : window(find.Window()) {}
  WindowHandle window;
};

// Names a control its window's table lacks.
struct WindowC {
  static constexpr std::string_view kName = "C";
  explicit WindowC(const Resolver& find) : missing(find.Get<Label>("NoSuchControl")) {}
  Label missing;
};

void LogChange(Program& rt) { Log().push_back("change:" + rt.Window<WindowA>().box.Text()); }
void SetBoxThenLog(Program& rt) {
  rt.Window<WindowA>().box.SetText("set");
  Log().push_back("after set");
}
void FailHalfway(Program& rt) {
  rt.Window<WindowA>().label.SetCaption("written");
  throw Failure(FailureKind::kOverflow);
}
void OpenB(Program& rt) {
  rt.Window<WindowB>().window.Show();
  Log().push_back(std::string("B visible, A ") +
                  (rt.Window<WindowA>().window.Visible() ? "visible" : "hidden"));
  rt.Window<WindowA>().window.Hide();
}
void BackToA(Program& rt) {
  rt.Window<WindowA>().window.Show();
  rt.Window<WindowB>().window.Hide();
}
void Tick(Program& rt) { Log().push_back("tick@" + std::to_string(rt.Now())); }
void SlowTick(Program& rt) { Log().push_back("slow@" + std::to_string(rt.Now())); }
void Load(Program& rt) {
  Log().push_back("load");
  rt.MsgBox("hello", kInformationStyle, "title");
}
void EndNow(Program& rt) {
  rt.End();
  Log().push_back("after end");
}
void BadName(Program& rt) { rt.Window<WindowC>().missing.SetCaption("x"); }
void ListClick(Program& rt) {
  Log().push_back("list:" + std::to_string(rt.Window<WindowA>().list.ListIndex()));
}
void OptionClick(Program&) { Log().push_back("option"); }
void LabelClick(Program&) { Log().push_back("label"); }

ControlSpec Button(std::string name, int tab) {
  return {.kind = ControlKind::kCommandButton, .name = std::move(name), .tab_index = tab};
}

Project TestProject() {
  FormSpec a{.name = "A", .caption = "A"};
  a.controls = {
      {.kind = ControlKind::kTextBox, .name = "Box", .tab_index = 3},
      {.kind = ControlKind::kLabel, .name = "Label"},
      Button("SetBox", 2),
      Button("Fail", 5),
      Button("Open", 1),
      Button("Hidden", 0),
      Button("End", 6),
      Button("Bad", 7),
      {.kind = ControlKind::kListBox, .name = "List", .items = {"x", "y"}, .tab_index = 8},
      {.kind = ControlKind::kOptionButton, .name = "Option", .tab_index = 9},
      {.kind = ControlKind::kOptionButton, .name = "Option2", .tab_index = 10},
      {.kind = ControlKind::kOptionButton, .name = "Option3", .tab_index = 11},
      {.kind = ControlKind::kLabel, .name = "Clickable", .tab_index = 12},
      {.kind = ControlKind::kTimer, .name = "Fast", .enabled = false, .interval = 1000},
      {.kind = ControlKind::kTimer, .name = "Slow", .enabled = false, .interval = 3000},
  };
  a.controls[5].visible = false;
  FormSpec b{.name = "B", .caption = "B", .controls = {Button("Back", 0)}};
  return Project{.forms = {
                     {.spec = a,
                      .bindings = {{"", Event::kLoad, Load},
                                   {"Box", Event::kChange, LogChange},
                                   {"SetBox", Event::kClick, SetBoxThenLog},
                                   {"Fail", Event::kClick, FailHalfway},
                                   {"Open", Event::kClick, OpenB},
                                   {"Hidden", Event::kClick, OpenB},
                                   {"End", Event::kClick, EndNow},
                                   {"Bad", Event::kClick, BadName},
                                   {"List", Event::kClick, ListClick},
                                   {"Option", Event::kClick, OptionClick},
                                   {"Fast", Event::kTimer, Tick},
                                   {"Option2", Event::kClick, OptionClick},
                                   {"Option3", Event::kClick, OptionClick},
                                   {"Clickable", Event::kClick, LabelClick},
                                   {"Slow", Event::kTimer, SlowTick}},
                      .handles = FindHandles<WindowA>},
                     {.spec = b,
                      .bindings = {{"Back", Event::kClick, BackToA}},
                      .close_as = "Back",
                      .handles = FindHandles<WindowB>},
                     {.spec = FormSpec{.name = "C", .controls = {{.name = "Label"}}},
                      .handles = FindHandles<WindowC>},
                 }};
}

class RuntimeTest : public ::testing::Test {
 protected:
  RuntimeTest() : project_(TestProject()), runtime_(project_, host_) {
    Log().clear();
    runtime_.Start();
  }
  const Form& A() { return *runtime_.Find("A"); }
  const WindowA& Handles() { return *runtime_.Handles<WindowA>(); }
  int In(const Form& form, std::string_view name) { return form.Find(name).value(); }
  bool Click(std::string_view name) { return runtime_.Click(0, In(A(), name)); }
  bool Press(std::string_view name, Key key) { return runtime_.Press(0, In(A(), name), key); }
  std::string Focused() { return A().Focus() < 0 ? "" : A().At(A().Focus()).Name(); }

  Project project_;
  HeadlessHost host_;
  Runtime runtime_;
};

TEST_F(RuntimeTest, StartRaisesLoadBeforeTheWindowIsShown) {
  ASSERT_EQ(runtime_.Events().size(), 1u);
  EXPECT_EQ(runtime_.Events()[0].message.prompt, "hello");
  EXPECT_EQ(Log(), std::vector<std::string>{"load"});
  EXPECT_TRUE(A().Visible());
  EXPECT_EQ(runtime_.Find("B"), nullptr) << "B is created on first use only";
}

TEST_F(RuntimeTest, SettingTextRaisesChangeInsideTheSetter) {
  Click("SetBox");
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "change:set", "after set"}));
}

TEST_F(RuntimeTest, SettingTheSameTextRaisesNoChange) {
  Click("SetBox");
  Click("SetBox");
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "change:set", "after set", "after set"}));
}

TEST_F(RuntimeTest, EachEditByThePlayerIsOneChange) {
  runtime_.Edit(0, In(A(), "Box"), "1", 1);
  runtime_.Edit(0, In(A(), "Box"), "12", 2);
  runtime_.Edit(0, In(A(), "Box"), "12", 2);
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "change:1", "change:12"}));
}

TEST_F(RuntimeTest, HiddenOrDisabledControlsAndHiddenWindowsRaiseNothing) {
  EXPECT_FALSE(Click("Hidden"));
  Handles().set_box.SetEnabled(false);
  EXPECT_FALSE(Click("SetBox"));
  Handles().box.SetEnabled(false);
  EXPECT_FALSE(runtime_.Edit(0, In(A(), "Box"), "7", 1));
  EXPECT_EQ(Handles().box.Text(), "") << "a disabled box keeps its text";
  EXPECT_EQ(Log(), std::vector<std::string>{"load"}) << "and raises no Change";
  Click("Open");
  EXPECT_FALSE(runtime_.Click(0, In(A(), "Fail"))) << "A is hidden now";
  EXPECT_EQ(A().At(In(A(), "Label")).caption, "");
}

TEST_F(RuntimeTest, ListsAndOptionsRaiseClickAlsoWhenAlreadyChosen) {
  runtime_.Select(0, In(A(), "List"), 1);
  runtime_.Select(0, In(A(), "List"), 1);
  Click("Option");
  Click("Option");
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "list:1", "list:1", "option", "option"}));
  EXPECT_TRUE(A().At(In(A(), "Option")).value);
}

TEST_F(RuntimeTest, SwitchShowsTheTargetBeforeHidingTheSourceAndKeepsOneInstance) {
  Click("Open");
  EXPECT_EQ(Log().back(), "B visible, A visible");
  const Form* b = runtime_.Find("B");
  ASSERT_NE(b, nullptr);
  EXPECT_TRUE(b->Visible());
  EXPECT_FALSE(A().Visible());
  runtime_.Click(1, In(*b, "Back"));
  EXPECT_TRUE(A().Visible());
  EXPECT_FALSE(b->Visible());
  Click("Open");
  EXPECT_EQ(runtime_.Find("B"), b) << "the same instance comes back";
}

TEST_F(RuntimeTest, CloseBoxDoesWhatItsControlDoesOrEndsTheProgram) {
  Click("Open");
  const Form& b = *runtime_.Find("B");
  EXPECT_TRUE(runtime_.Close(1));
  EXPECT_TRUE(A().Visible());
  EXPECT_FALSE(b.Visible());
  EXPECT_TRUE(runtime_.Close(0));
  EXPECT_TRUE(runtime_.Ended());
  EXPECT_FALSE(runtime_.Fatal());
}

TEST_F(RuntimeTest, FailureStopsTheHandlerReportsItAndEndsTheProgram) {
  Click("Fail");
  EXPECT_EQ(A().At(In(A(), "Label")).caption, "written") << "earlier writes stay";
  EXPECT_EQ(runtime_.Fatal(), FailureKind::kOverflow);
  EXPECT_TRUE(runtime_.Ended());
  ASSERT_GE(runtime_.Events().size(), 3u);
  EXPECT_EQ(runtime_.Events()[1].kind, HostEvent::Kind::kFatal);
  EXPECT_EQ(runtime_.Events()[2].kind, HostEvent::Kind::kEnded);
  EXPECT_FALSE(Click("SetBox")) << "no event after the end";
}

TEST_F(RuntimeTest, FailureInANestedChangeStopsTheOuterHandler) {
  project_.forms[0].bindings[1].handler = [](Program&) {
    throw Failure(FailureKind::kTypeMismatch);
  };
  Click("SetBox");
  EXPECT_EQ(runtime_.Fatal(), FailureKind::kTypeMismatch);
  EXPECT_EQ(Log(), std::vector<std::string>{"load"}) << "\"after set\" never ran";
}

TEST_F(RuntimeTest, AHandleNamingNoControlOfItsTableIsAFailedCall) {
  Click("Bad");
  EXPECT_EQ(runtime_.Fatal(), FailureKind::kCallFailure);
}

TEST_F(RuntimeTest, EndStopsTheHandlerAtOnce) {
  Click("End");
  EXPECT_TRUE(runtime_.Ended());
  EXPECT_EQ(Log(), std::vector<std::string>{"load"});
}

TEST_F(RuntimeTest, TimersTickOnTheClockInOrderWhileEnabled) {
  Handles().slow.SetEnabled(true);
  runtime_.AdvanceClockTo(runtime_.Clock() + 500);
  Handles().fast.SetEnabled(true);
  runtime_.AdvanceClockTo(runtime_.Clock() + 2999);
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "tick@1500", "tick@2500", "slow@3000"}));
  runtime_.AdvanceClockTo(runtime_.Clock() + 1);
  EXPECT_EQ(Log().back(), "tick@3500") << "the first tick comes a whole interval after enabling";
  Handles().fast.SetEnabled(false);
  runtime_.AdvanceClockTo(runtime_.Clock() + 10000);
  EXPECT_EQ(Log().back(), "slow@12000");
  EXPECT_EQ(std::count(Log().begin(), Log().end(), "tick@4500"), 0) << "disabled timers stop";
}

TEST_F(RuntimeTest, TimersDueTogetherTickInTableOrder) {
  Handles().slow.SetEnabled(true);
  Handles().fast.SetEnabled(true);
  runtime_.AdvanceClockTo(runtime_.Clock() + 3000);
  EXPECT_EQ(Log(),
            (std::vector<std::string>{"load", "tick@1000", "tick@2000", "tick@3000", "slow@3000"}));
}

TEST_F(RuntimeTest, TimersTickWhileTheirWindowIsHidden) {
  Handles().slow.SetEnabled(true);
  Click("Open");
  runtime_.AdvanceClockTo(runtime_.Clock() + 3000);
  EXPECT_EQ(Log().back(), "slow@3000");
}

TEST_F(RuntimeTest, FocusStartsAtTheLowestTabIndexThatCanTakeIt) {
  // "Hidden" has tab index 0 but is hidden; "Open" has 1.
  EXPECT_EQ(A().Focus(), In(A(), "Open"));
  runtime_.Press(0, -1, Key::kTab);
  EXPECT_EQ(A().Focus(), In(A(), "SetBox"));
  runtime_.Press(0, -1, Key::kBackTab);
  runtime_.Press(0, -1, Key::kBackTab);
  EXPECT_EQ(A().Focus(), In(A(), "Clickable")) << "Shift+Tab wraps around";
  runtime_.Edit(0, In(A(), "Box"), "1", 1);
  EXPECT_EQ(A().Focus(), In(A(), "Box")) << "typing moves the focus";
}

// What a key means depends on the control that has the focus, never on the toolkit.
TEST_F(RuntimeTest, KeysOnTheFocusedControl) {
  struct Case {
    const char* control;
    Key key;
    bool taken;
    std::vector<std::string> logged;  // after "load"
    const char* focus;
  };
  const std::vector<Case> cases = {
      {"SetBox", Key::kSpace, true, {"change:set", "after set"}, "SetBox"},
      {"SetBox", Key::kEnter, true, {"change:set", "after set"}, "SetBox"},
      {"SetBox", Key::kDown, false, {}, "Open"},
      {"Clickable", Key::kSpace, true, {"label"}, "Clickable"},
      {"Clickable", Key::kEnter, true, {"label"}, "Clickable"},
      {"Label", Key::kSpace, false, {}, "Open"},
      {"Option", Key::kDown, true, {"option"}, "Option2"},
      {"Option", Key::kRight, true, {"option"}, "Option2"},
      {"Option", Key::kUp, true, {"option"}, "Option3"},
      {"Option", Key::kLeft, true, {"option"}, "Option3"},
      {"Option", Key::kSpace, true, {"option"}, "Option"},
      {"List", Key::kDown, true, {"list:0"}, "List"},
      {"List", Key::kUp, true, {"list:0"}, "List"},
      {"List", Key::kEnd, true, {"list:1"}, "List"},
      {"List", Key::kSpace, false, {}, "Open"},
      {"Box", Key::kHome, false, {}, "Open"},
  };
  for (const Case& c : cases) {
    HeadlessHost host;
    Runtime runtime(project_, host);
    runtime.Start();
    Log().clear();
    const Form& a = *runtime.Find("A");
    EXPECT_EQ(runtime.Press(0, a.Find(c.control).value(), c.key), c.taken) << c.control;
    EXPECT_EQ(Log(), c.logged) << c.control;
    EXPECT_EQ(a.At(a.Focus()).Name(), c.focus) << c.control;
  }
}

TEST_F(RuntimeTest, ListKeysStepFromTheSelectionAndStopAtTheEnds) {
  runtime_.Select(0, In(A(), "List"), 1);
  EXPECT_TRUE(Press("List", Key::kDown));
  EXPECT_TRUE(Press("List", Key::kUp));
  EXPECT_TRUE(Press("List", Key::kUp));
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "list:1", "list:0"}))
      << "asking for the selected item raises nothing";
}

TEST_F(RuntimeTest, ARefusedEditPutsTheGameTextBackInTheBox) {
  struct Recorder final : HeadlessHost {
    std::vector<Property> changes;
    void ControlChanged(const Form&, int, Property property) override {
      changes.push_back(property);
    }
  };
  Recorder host;
  Runtime runtime(project_, host);
  runtime.Start();
  runtime.Handles<WindowA>()->box.SetEnabled(false);
  host.changes.clear();
  EXPECT_FALSE(runtime.Edit(0, In(*runtime.Find("A"), "Box"), "typed", 5));
  EXPECT_EQ(host.changes, std::vector<Property>{Property::kText});
}

}  // namespace
}  // namespace avtosalon

namespace avtosalon {
namespace {

// A host whose message boxes stay open for a while, so the clock moves on meanwhile.
class SlowBoxHost final : public Host {
 public:
  Runtime* runtime = nullptr;
  std::vector<std::string> seen;
  void FormCreated(const Form&) override {}
  void FormVisibilityChanged(const Form&) override {}
  void ControlChanged(const Form&, int, Property) override {}
  void FocusChanged(const Form&) override {}
  void ShowMessage(const MessageBox& box) override {
    if (box.style == kErrorStyle) {
      seen.push_back("fatal report");
      return;
    }
    seen.push_back("box " + box.prompt);
    if (runtime) runtime->AdvanceClockTo(runtime->Clock() + 5000);
    seen.push_back("closed " + box.prompt);
  }
  void ProgramEnded() override { seen.push_back("ended"); }
  std::optional<std::int64_t> Now() const override { return std::nullopt; }
  void TimersChanged(std::optional<std::int64_t>) override {}
  Size MeasureText(const FontSpec&, std::string_view) const override { return {}; }
};

struct Asking {
  static constexpr std::string_view kName = "A";
  explicit Asking(const Resolver& find)
      : label(find.Get<Label>("Label")), timer(find.Get<Timer>("Timer")) {}
  Label label;
  Timer timer;
};

void AskThenWrite(Program& rt) {
  rt.MsgBox("wait", kInformationStyle, "");
  rt.Window<Asking>().label.SetCaption("after the box");
}
void FailingTick(Program&) { throw Failure(FailureKind::kOverflow); }
void StartTimer(Program& rt) { rt.Window<Asking>().timer.SetEnabled(true); }

TEST(RuntimeWhileABoxIsOpen, TicksGoOnAndAFailingTickEndsTheGameThere) {
  FormSpec a{.name = "A"};
  a.controls = {{.kind = ControlKind::kCommandButton, .name = "Ask", .tab_index = 0},
                {.kind = ControlKind::kCommandButton, .name = "Start", .tab_index = 1},
                {.kind = ControlKind::kLabel, .name = "Label"},
                {.kind = ControlKind::kTimer, .name = "Timer", .enabled = false, .interval = 3000}};
  const Project project{.forms = {{.spec = a,
                                   .bindings = {{"Ask", Event::kClick, AskThenWrite},
                                                {"Start", Event::kClick, StartTimer},
                                                {"Timer", Event::kTimer, FailingTick}},
                                   .handles = FindHandles<Asking>}}};
  SlowBoxHost host;
  Runtime runtime(project, host);
  host.runtime = &runtime;
  runtime.Start();
  const Form& form = *runtime.Find("A");
  runtime.Click(0, form.Find("Start").value());
  runtime.Click(0, form.Find("Ask").value());
  EXPECT_EQ(host.seen,
            (std::vector<std::string>{"box wait", "fatal report", "ended", "closed wait"}));
  EXPECT_EQ(form.At(form.Find("Label").value()).caption, "") << "the asking handler stopped";
  EXPECT_EQ(runtime.Fatal(), FailureKind::kOverflow);
}

}  // namespace
}  // namespace avtosalon
