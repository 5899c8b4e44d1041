#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/failure.h"
#include "shell/form.h"
#include "shell/host.h"
#include "shell/project.h"

namespace avtosalon {

class Runtime;

// What a handler holds to read and write one control. Every write goes through the
// runtime, which tells the host and raises the events the write causes.
class ControlRef {
 public:
  ControlRef(Runtime& runtime, Form& form, int index)
      : runtime_(&runtime), form_(&form), index_(index) {}

  std::string Caption() const;
  void SetCaption(std::string_view caption) const;
  std::string Text() const;
  // Raises the text box's Change, nested, when the text really changes.
  void SetText(std::string_view text) const;
  bool Visible() const;
  void SetVisible(bool visible) const;
  bool Enabled() const;
  void SetEnabled(bool enabled) const;
  int ListIndex() const;
  PictureRef Picture() const;
  void SetPicture(PictureRef picture) const;

 private:
  const Control& Get() const { return form_->At(index_); }
  Runtime* runtime_;
  Form* form_;
  int index_;
};

class FormRef {
 public:
  FormRef(Runtime& runtime, Form& form) : runtime_(&runtime), form_(&form) {}
  // An unknown name is a failed runtime call.
  ControlRef operator[](std::string_view control) const;
  void Show() const;
  void Hide() const;
  bool Visible() const { return form_->Visible(); }

 private:
  Runtime* runtime_;
  Form* form_;
};

class Runtime {
 public:
  Runtime(const Project& project, Host& host);
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;
  ~Runtime();

  // Creates the start-up window, raises its Load and shows it.
  void Start();

  // --- For handlers -------------------------------------------------------
  // Window access: the window's single instance, created in its design state on first use.
  FormRef Window(std::string_view name);
  void MsgBox(std::string_view prompt, int style, std::string_view title);
  // Ends the program at once; inside a handler it does not return.
  void End();

  // --- For hosts and tools ------------------------------------------------
  const Project& GetProject() const { return project_; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  // The window's instance, or nullptr while its reference is empty. Creates nothing.
  Form* Find(std::string_view name);
  const Form* Find(std::string_view name) const;
  Form* FormAt(int index) { return forms_[static_cast<std::size_t>(index)].get(); }
  const Form* FormAt(int index) const { return forms_[static_cast<std::size_t>(index)].get(); }
  std::optional<int> FormIndex(std::string_view name) const;

  bool Ended() const { return ended_; }
  std::optional<FailureKind> Fatal() const { return fatal_; }

  // The player's input. Each returns false, and raises nothing, when the target cannot
  // take it: the program has ended, or the control or its window is hidden or disabled.
  bool Click(Form& form, int control);
  bool Select(Form& form, int list, int item);
  bool Edit(Form& form, int box, std::string_view text, int caret);
  bool Close(Form& form);
  // Focus moved by the pointer or the Tab key.
  bool MoveFocus(Form& form, int control);
  bool Tab(Form& form, bool backwards);

  // The clock: due timer events run in order.
  void AdvanceClock(std::int64_t milliseconds);
  std::optional<std::int64_t> MillisecondsToNextTick() const;
  std::int64_t Now() const { return now_; }

  // --- Used by ControlRef ---------------------------------------------------
  void SetCaption(Form& form, int control, std::string_view caption);
  void SetText(Form& form, int control, std::string_view text);
  void SetVisible(Form& form, int control, bool visible);
  void SetEnabled(Form& form, int control, bool enabled);
  void SetPicture(Form& form, int control, PictureRef picture);
  void SetListIndex(Form& form, int control, int index);
  void ShowForm(Form& form);
  void HideForm(Form& form);
  // The font a control draws with: its own, else its container's, else the window's.
  static const FontSpec& FontOf(const Form& form, int control);

 private:
  struct EndRequest {};
  using TimerKey = std::pair<int, int>;  // window index, control index

  Form& Create(int index);
  // An event from outside any handler, or a timer tick (which may arrive while a message
  // box holds a handler), is a boundary: a failure in it takes the fatal-error path there.
  void Raise(Form& form, int control, Event event, bool boundary = false);
  void TakeFatalPath(FailureKind kind);
  void CloseAll();
  void ScheduleTimer(const Form& form, int control);
  void Resize(Form& form, int control);
  // Gives each visible window a focus it can hold, once an event has run to its end.
  void SettleFocus();

  const Project& project_;
  Host& host_;
  std::vector<std::unique_ptr<Form>> forms_;
  std::int32_t next_picture_handle_ = 1;
  int depth_ = 0;
  bool ended_ = false;
  std::optional<FailureKind> fatal_;
  std::int64_t now_ = 0;
  std::map<TimerKey, std::int64_t> due_;
};

}  // namespace avtosalon
