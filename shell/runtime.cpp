// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/runtime.h"

#include <algorithm>

#include "shell/fatal_report.h"
#include "shell/property_rules.h"

namespace avtosalon {
namespace {

// Keeps track of how deep the running handler is nested, so only the outermost
// dispatch catches a failure.
class DepthGuard {
 public:
  explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
  ~DepthGuard() { --depth_; }

 private:
  int& depth_;
};

}  // namespace

Runtime::Runtime(const Project& project, Host& host) : project_(project), host_(host) {
  forms_.resize(project.forms.size());
}

Runtime::~Runtime() = default;

void Runtime::Start() {
  if (forms_.empty()) return;
  Form* main = nullptr;
  try {
    main = &Create(0);
  } catch (const std::exception&) {
    TakeFatalPath(FailureKind::kCallFailure);
    return;
  }
  Raise(*main, -1, Event::kLoad);
  if (!ended_) ShowForm(*main);
}

std::optional<int> Runtime::FormIndex(std::string_view name) const {
  for (std::size_t i = 0; i < project_.forms.size(); ++i) {
    if (project_.forms[i].spec.name == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

Form& Runtime::Create(int index) {
  auto& slot = forms_[static_cast<std::size_t>(index)];
  if (!slot) {
    const FormDescription& description = project_.forms[static_cast<std::size_t>(index)];
    auto form = std::make_unique<Form>(description, index, next_picture_handle_);
    if (description.handles) form->SetHandles(description.handles(Resolver(*this, *form)));
    slot = std::move(form);
    host_.FormCreated(*slot);
    for (int i = 0; i < static_cast<int>(slot->Controls().size()); ++i) ScheduleTimer(*slot, i);
  }
  return *slot;
}

Form& Runtime::Instance(std::string_view name) {
  const auto index = FormIndex(name);
  if (!index) CallFailed();
  return Create(*index);
}

void Runtime::Record(HostEvent event) {
  events_.push_back(std::move(event));
  if (observer_) observer_(events_.back());
}

void Runtime::MsgBox(std::string_view prompt, int style, std::string_view title) {
  const MessageBox box{style, std::string(title), std::string(prompt)};
  Record(HostEvent{HostEvent::Kind::kMessage, box, {}});
  host_.ShowMessage(box);
  // A timer may have ended the program while the box was open.
  if (ended_ && depth_ > 0) throw EndRequest{};
}

void Runtime::End() {
  if (!ended_) CloseAll();
  if (depth_ > 0) throw EndRequest{};
}

void Runtime::TakeFatalPath(FailureKind kind) {
  fatal_ = kind;
  due_.clear();
  const MessageBox report = FatalReport(kind);
  Record(HostEvent{HostEvent::Kind::kFatal, report, kind});
  host_.ShowMessage(report);
  CloseAll();
}

// All windows close, shown or hidden, and no further event runs.
void Runtime::CloseAll() {
  ended_ = true;
  due_.clear();
  for (auto& form : forms_) {
    if (form) form->SetVisible(false);
  }
  Record(HostEvent{HostEvent::Kind::kEnded, {}, {}});
  host_.ProgramEnded();
}

void Runtime::Raise(Form& form, int control, Event event, bool boundary) {
  if (ended_) return;
  const std::string_view name = control >= 0 ? std::string_view(form.At(control).Name()) : "";
  if (const Handler handler = form.HandlerFor(name, event)) Dispatch(handler, boundary);
}

void Runtime::Dispatch(Handler handler, bool boundary) {
  if (depth_ > 0 && !boundary) {  // nested: a failure stops the outer handler too
    DepthGuard guard(depth_);
    handler(*this);
    return;
  }
  {
    DepthGuard guard(depth_);
    try {
      handler(*this);
    } catch (const EndRequest&) {
    } catch (const Failure& failure) {
      TakeFatalPath(failure.Kind());
    } catch (const std::exception&) {
      TakeFatalPath(FailureKind::kCallFailure);
    }
  }
  if (depth_ == 0) SettleFocus();
}

void Runtime::SettleFocus() {
  if (ended_) return;
  for (const auto& form : forms_) {
    if (!form || !form->Visible()) continue;
    if (!form->FocusPending() && form->CanFocus(form->Focus())) continue;
    const auto order = form->TabOrder();
    int next = order.empty() ? -1 : order.front();
    if (!form->FocusPending() && form->Focus() >= 0) {
      // A control that lost the focus hands it on along the tab order.
      const int lost = form->At(form->Focus()).spec->tab_index;
      const auto after = std::find_if(order.begin(), order.end(),
                                      [&](int i) { return form->At(i).spec->tab_index > lost; });
      if (after != order.end()) next = *after;
    }
    form->SetFocusPending(false);
    form->SetFocus(next);
    host_.FocusChanged(*form);
  }
}

}  // namespace avtosalon
