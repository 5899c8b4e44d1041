#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "game/failure.h"
#include "shell/controls.h"
#include "shell/description.h"
#include "shell/form.h"
#include "shell/game_state.h"
#include "shell/host.h"
#include "shell/input.h"
#include "shell/program.h"

namespace avtosalon {

// Runs one game: owns the windows, dispatches events, keeps the clock. Each audience sees
// it through its own interface: handlers as a Program, hosts as PlayerInput, tools and
// tests as GameState.
class Runtime final : public Program, public PlayerInput, public GameState, private PropertyWriter {
 public:
  Runtime(const Project& project, Host& host);
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;
  ~Runtime();

  // Creates the start-up window, raises its Load and shows it.
  void Start();

  // Program
  void MsgBox(std::string_view prompt, int style, std::string_view title) override;
  void End() override;
  std::int64_t Now() const override { return now_; }

  // PlayerInput
  bool Click(int form, int control) override;
  bool Select(int form, int list, int item) override;
  bool Edit(int form, int box, std::string_view text, int caret) override;
  bool Press(int form, int control, Key key) override;
  bool Focus(int form, int control) override;
  bool Close(int form) override;
  void AdvanceClockTo(std::int64_t now) override;

  // GameState
  const Project& GetProject() const override { return project_; }
  int FormCount() const override { return static_cast<int>(forms_.size()); }
  const Form* FormAt(int index) const override {
    return forms_[static_cast<std::size_t>(index)].get();
  }
  std::optional<int> FormIndex(std::string_view name) const override;
  bool Ended() const override { return ended_; }
  std::optional<FailureKind> Fatal() const override { return fatal_; }
  std::int64_t Clock() const override { return now_; }
  std::optional<std::int64_t> NextDue() const override;
  const std::vector<HostEvent>& Events() const override { return events_; }
  void SetObserver(Observer observer) override { observer_ = std::move(observer); }

 protected:
  Form& Instance(std::string_view name) override;

 private:
  struct EndRequest {};
  using TimerKey = std::pair<int, int>;  // window index, control index

  // PropertyWriter
  void SetCaption(Form& form, int control, std::string_view caption) override;
  void SetText(Form& form, int control, std::string_view text) override;
  void SetVisible(Form& form, int control, bool visible) override;
  void SetEnabled(Form& form, int control, bool enabled) override;
  void SetPicture(Form& form, int control, PictureRef picture) override;
  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void SetListIndex(Form& form, int control, int index);

  Form& Create(int index);
  // The window the player's input names, if the program runs and it can take input.
  Form* Target(int form);
  // An event from outside any handler, or a timer tick (which may arrive while a message
  // box holds a handler), is a boundary: a failure in it takes the fatal-error path there.
  void Raise(Form& form, int control, Event event, bool boundary = false);
  void Dispatch(Handler handler, bool boundary);
  void Record(HostEvent event);
  void TakeFatalPath(FailureKind kind);
  void CloseAll();
  void ScheduleTimer(const Form& form, int control);
  void Resize(Form& form, int control);
  // Gives each visible window a focus it can hold, once an event has run to its end.
  void SettleFocus();
  bool MoveFocus(Form& form, int control);
  bool Tab(Form& form, bool backwards);
  bool ChooseNeighbour(Form& form, int option, bool backwards);
  bool StepList(Form& form, int list, Key key);
  // Runs the timers due by the host's clock before the player's input is handled.
  void CatchUp();

  const Project& project_;
  Host& host_;
  std::vector<std::unique_ptr<Form>> forms_;
  std::int32_t next_picture_handle_ = 1;
  int depth_ = 0;
  bool ended_ = false;
  std::optional<FailureKind> fatal_;
  std::int64_t now_ = 0;
  std::map<TimerKey, std::int64_t> due_;
  std::vector<HostEvent> events_;
  Observer observer_;
};

}  // namespace avtosalon
