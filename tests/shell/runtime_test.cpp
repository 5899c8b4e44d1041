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

void LogChange(Runtime& rt) { Log().push_back("change:" + rt.Window("A")["Box"].Text()); }
void SetBoxThenLog(Runtime& rt) {
  rt.Window("A")["Box"].SetText("set");
  Log().push_back("after set");
}
void FailHalfway(Runtime& rt) {
  rt.Window("A")["Label"].SetCaption("written");
  throw Failure(FailureKind::kOverflow);
}
void OpenB(Runtime& rt) {
  rt.Window("B").Show();
  Log().push_back(std::string("B visible, A ") + (rt.Window("A").Visible() ? "visible" : "hidden"));
  rt.Window("A").Hide();
}
void BackToA(Runtime& rt) {
  rt.Window("A").Show();
  rt.Window("B").Hide();
}
void Tick(Runtime& rt) { Log().push_back("tick@" + std::to_string(rt.Now())); }
void SlowTick(Runtime& rt) { Log().push_back("slow@" + std::to_string(rt.Now())); }
void Load(Runtime& rt) {
  Log().push_back("load");
  rt.MsgBox("hello", kInformationStyle, "title");
}
void EndNow(Runtime& rt) {
  rt.End();
  Log().push_back("after end");
}
void BadName(Runtime& rt) { rt.Window("A")["NoSuchControl"].SetCaption("x"); }
void ListClick(Runtime& rt) {
  Log().push_back("list:" + std::to_string(rt.Window("A")["List"].ListIndex()));
}
void OptionClick(Runtime&) { Log().push_back("option"); }

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
      {.kind = ControlKind::kTimer, .name = "Fast", .enabled = false, .interval = 1000},
      {.kind = ControlKind::kTimer, .name = "Slow", .enabled = false, .interval = 3000},
  };
  a.controls[5].visible = false;
  FormSpec b{.name = "B", .caption = "B", .controls = {Button("Back", 0)}};
  return Project{
      .forms = {
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
                        {"Slow", Event::kTimer, SlowTick}}},
          {.spec = b, .bindings = {{"Back", Event::kClick, BackToA}}, .close_as = "Back"},
      }};
}

class RuntimeTest : public ::testing::Test {
 protected:
  RuntimeTest() : project_(TestProject()), runtime_(project_, host_) {
    Log().clear();
    runtime_.Start();
  }
  Form& A() { return *runtime_.Find("A"); }
  int In(const Form& form, std::string_view name) { return form.Find(name).value(); }
  bool Click(std::string_view name) { return runtime_.Click(A(), In(A(), name)); }

  Project project_;
  HeadlessHost host_;
  Runtime runtime_;
};

TEST_F(RuntimeTest, StartRaisesLoadBeforeTheWindowIsShown) {
  ASSERT_EQ(host_.Events().size(), 1u);
  EXPECT_EQ(host_.Events()[0].message.prompt, "hello");
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
  runtime_.Edit(A(), In(A(), "Box"), "1", 1);
  runtime_.Edit(A(), In(A(), "Box"), "12", 2);
  runtime_.Edit(A(), In(A(), "Box"), "12", 2);
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "change:1", "change:12"}));
}

TEST_F(RuntimeTest, HiddenOrDisabledControlsAndHiddenWindowsRaiseNothing) {
  EXPECT_FALSE(Click("Hidden"));
  runtime_.SetEnabled(A(), In(A(), "SetBox"), false);
  EXPECT_FALSE(Click("SetBox"));
  EXPECT_FALSE(runtime_.Edit(A(), In(A(), "Box"), "7", 1) && false);
  Click("Open");
  EXPECT_FALSE(runtime_.Click(A(), In(A(), "Fail"))) << "A is hidden now";
  EXPECT_EQ(A().At(In(A(), "Label")).caption, "");
}

TEST_F(RuntimeTest, ListsAndOptionsRaiseClickAlsoWhenAlreadyChosen) {
  runtime_.Select(A(), In(A(), "List"), 1);
  runtime_.Select(A(), In(A(), "List"), 1);
  Click("Option");
  Click("Option");
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "list:1", "list:1", "option", "option"}));
  EXPECT_TRUE(A().At(In(A(), "Option")).value);
}

TEST_F(RuntimeTest, SwitchShowsTheTargetBeforeHidingTheSourceAndKeepsOneInstance) {
  Click("Open");
  EXPECT_EQ(Log().back(), "B visible, A visible");
  Form* b = runtime_.Find("B");
  ASSERT_NE(b, nullptr);
  EXPECT_TRUE(b->Visible());
  EXPECT_FALSE(A().Visible());
  runtime_.Click(*b, In(*b, "Back"));
  EXPECT_TRUE(A().Visible());
  EXPECT_FALSE(b->Visible());
  Click("Open");
  EXPECT_EQ(runtime_.Find("B"), b) << "the same instance comes back";
}

TEST_F(RuntimeTest, CloseBoxDoesWhatItsControlDoesOrEndsTheProgram) {
  Click("Open");
  Form& b = *runtime_.Find("B");
  EXPECT_TRUE(runtime_.Close(b));
  EXPECT_TRUE(A().Visible());
  EXPECT_FALSE(b.Visible());
  EXPECT_TRUE(runtime_.Close(A()));
  EXPECT_TRUE(runtime_.Ended());
  EXPECT_FALSE(runtime_.Fatal());
}

TEST_F(RuntimeTest, FailureStopsTheHandlerReportsItAndEndsTheProgram) {
  Click("Fail");
  EXPECT_EQ(A().At(In(A(), "Label")).caption, "written") << "earlier writes stay";
  EXPECT_EQ(runtime_.Fatal(), FailureKind::kOverflow);
  EXPECT_TRUE(runtime_.Ended());
  ASSERT_GE(host_.Events().size(), 3u);
  EXPECT_EQ(host_.Events()[1].kind, HostEvent::Kind::kFatal);
  EXPECT_EQ(host_.Events()[2].kind, HostEvent::Kind::kEnded);
  EXPECT_FALSE(Click("SetBox")) << "no event after the end";
}

TEST_F(RuntimeTest, FailureInANestedChangeStopsTheOuterHandler) {
  project_.forms[0].bindings[1].handler = [](Runtime&) {
    throw Failure(FailureKind::kTypeMismatch);
  };
  Click("SetBox");
  EXPECT_EQ(runtime_.Fatal(), FailureKind::kTypeMismatch);
  EXPECT_EQ(Log(), std::vector<std::string>{"load"}) << "\"after set\" never ran";
}

TEST_F(RuntimeTest, UnknownControlIsAFailedCall) {
  Click("Bad");
  EXPECT_EQ(runtime_.Fatal(), FailureKind::kCallFailure);
}

TEST_F(RuntimeTest, EndStopsTheHandlerAtOnce) {
  Click("End");
  EXPECT_TRUE(runtime_.Ended());
  EXPECT_EQ(Log(), std::vector<std::string>{"load"});
}

TEST_F(RuntimeTest, TimersTickOnTheClockInOrderWhileEnabled) {
  runtime_.SetEnabled(A(), In(A(), "Slow"), true);
  runtime_.AdvanceClock(500);
  runtime_.SetEnabled(A(), In(A(), "Fast"), true);
  runtime_.AdvanceClock(2999);
  EXPECT_EQ(Log(), (std::vector<std::string>{"load", "tick@1500", "tick@2500", "slow@3000"}));
  runtime_.AdvanceClock(1);
  EXPECT_EQ(Log().back(), "tick@3500") << "the first tick comes a whole interval after enabling";
  runtime_.SetEnabled(A(), In(A(), "Fast"), false);
  runtime_.AdvanceClock(10000);
  EXPECT_EQ(Log().back(), "slow@12000");
  EXPECT_EQ(std::count(Log().begin(), Log().end(), "tick@4500"), 0) << "disabled timers stop";
}

TEST_F(RuntimeTest, TimersDueTogetherTickInTableOrder) {
  runtime_.SetEnabled(A(), In(A(), "Slow"), true);
  runtime_.SetEnabled(A(), In(A(), "Fast"), true);
  runtime_.AdvanceClock(3000);
  EXPECT_EQ(Log(),
            (std::vector<std::string>{"load", "tick@1000", "tick@2000", "tick@3000", "slow@3000"}));
}

TEST_F(RuntimeTest, TimersTickWhileTheirWindowIsHidden) {
  runtime_.SetEnabled(A(), In(A(), "Slow"), true);
  Click("Open");
  runtime_.AdvanceClock(3000);
  EXPECT_EQ(Log().back(), "slow@3000");
}

TEST_F(RuntimeTest, FocusStartsAtTheLowestTabIndexThatCanTakeIt) {
  // "Hidden" has tab index 0 but is hidden; "Open" has 1.
  EXPECT_EQ(A().Focus(), In(A(), "Open"));
  runtime_.Tab(A(), false);
  EXPECT_EQ(A().Focus(), In(A(), "SetBox"));
  runtime_.Tab(A(), true);
  runtime_.Tab(A(), true);
  EXPECT_EQ(A().Focus(), In(A(), "Option")) << "Shift+Tab wraps around";
  runtime_.Edit(A(), In(A(), "Box"), "1", 1);
  EXPECT_EQ(A().Focus(), In(A(), "Box")) << "typing moves the focus";
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
    seen.push_back("box " + box.prompt);
    if (runtime) runtime->AdvanceClock(5000);
    seen.push_back("closed " + box.prompt);
  }
  void ReportFatal(FailureKind kind) override {
    seen.push_back("fatal " + std::string(FailureKindName(kind)));
  }
  void ProgramEnded() override { seen.push_back("ended"); }
  void TimersChanged() override {}
  Size MeasureText(const FontSpec&, std::string_view) const override { return {}; }
};

void AskThenWrite(Runtime& rt) {
  rt.MsgBox("wait", kInformationStyle, "");
  rt.Window("A")["Label"].SetCaption("after the box");
}
void FailingTick(Runtime&) { throw Failure(FailureKind::kOverflow); }
void StartTimer(Runtime& rt) { rt.Window("A")["Timer"].SetEnabled(true); }

TEST(RuntimeWhileABoxIsOpen, TicksGoOnAndAFailingTickEndsTheGameThere) {
  FormSpec a{.name = "A"};
  a.controls = {{.kind = ControlKind::kCommandButton, .name = "Ask", .tab_index = 0},
                {.kind = ControlKind::kCommandButton, .name = "Start", .tab_index = 1},
                {.kind = ControlKind::kLabel, .name = "Label"},
                {.kind = ControlKind::kTimer, .name = "Timer", .enabled = false, .interval = 3000}};
  const Project project{.forms = {{.spec = a,
                                   .bindings = {{"Ask", Event::kClick, AskThenWrite},
                                                {"Start", Event::kClick, StartTimer},
                                                {"Timer", Event::kTimer, FailingTick}}}}};
  SlowBoxHost host;
  Runtime runtime(project, host);
  host.runtime = &runtime;
  runtime.Start();
  Form& form = *runtime.Find("A");
  runtime.Click(form, form.Find("Start").value());
  runtime.Click(form, form.Find("Ask").value());
  EXPECT_EQ(host.seen,
            (std::vector<std::string>{"box wait", "fatal Overflow", "ended", "closed wait"}));
  EXPECT_EQ(form.At(form.Find("Label").value()).caption, "") << "the asking handler stopped";
  EXPECT_EQ(runtime.Fatal(), FailureKind::kOverflow);
}

}  // namespace
}  // namespace avtosalon
