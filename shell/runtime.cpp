#include "shell/runtime.h"

#include <algorithm>
#include <limits>

namespace avtosalon {
namespace {

[[noreturn]] void CallFailed() { throw Failure(FailureKind::kCallFailure); }

bool HasCaption(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kCommandButton ||
         kind == ControlKind::kOptionButton || kind == ControlKind::kFrame;
}

bool HasPicture(ControlKind kind) {
  return kind == ControlKind::kImage || kind == ControlKind::kPictureBox;
}

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

// --- ControlRef / FormRef ---------------------------------------------------

std::string ControlRef::Caption() const {
  if (!HasCaption(Get().Kind())) CallFailed();
  return Get().caption;
}
void ControlRef::SetCaption(std::string_view caption) const {
  runtime_->SetCaption(*form_, index_, caption);
}
std::string ControlRef::Text() const {
  if (Get().Kind() != ControlKind::kTextBox) CallFailed();
  return Get().caption;
}
void ControlRef::SetText(std::string_view text) const { runtime_->SetText(*form_, index_, text); }
bool ControlRef::Visible() const { return Get().visible; }
void ControlRef::SetVisible(bool visible) const { runtime_->SetVisible(*form_, index_, visible); }
bool ControlRef::Enabled() const { return Get().enabled; }
void ControlRef::SetEnabled(bool enabled) const { runtime_->SetEnabled(*form_, index_, enabled); }
int ControlRef::ListIndex() const {
  if (Get().Kind() != ControlKind::kListBox) CallFailed();
  return Get().list_index;
}
PictureRef ControlRef::Picture() const {
  if (!HasPicture(Get().Kind())) CallFailed();
  return Get().picture;
}
void ControlRef::SetPicture(PictureRef picture) const {
  runtime_->SetPicture(*form_, index_, std::move(picture));
}

ControlRef FormRef::operator[](std::string_view control) const {
  const auto index = form_->Find(control);
  if (!index) CallFailed();
  return ControlRef(*runtime_, *form_, *index);
}
void FormRef::Show() const { runtime_->ShowForm(*form_); }
void FormRef::Hide() const { runtime_->HideForm(*form_); }

// --- Runtime ----------------------------------------------------------------

Runtime::Runtime(const Project& project, Host& host) : project_(project), host_(host) {
  forms_.resize(project.forms.size());
}

Runtime::~Runtime() = default;

void Runtime::Start() {
  if (forms_.empty()) return;
  Form& main = Create(0);
  Raise(main, -1, Event::kLoad);
  if (!ended_) ShowForm(main);
}

std::optional<int> Runtime::FormIndex(std::string_view name) const {
  for (std::size_t i = 0; i < project_.forms.size(); ++i) {
    if (project_.forms[i].spec.name == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

Form* Runtime::Find(std::string_view name) {
  const auto index = FormIndex(name);
  return index ? forms_[static_cast<std::size_t>(*index)].get() : nullptr;
}

const Form* Runtime::Find(std::string_view name) const {
  const auto index = FormIndex(name);
  return index ? forms_[static_cast<std::size_t>(*index)].get() : nullptr;
}

Form& Runtime::Create(int index) {
  auto& slot = forms_[static_cast<std::size_t>(index)];
  if (!slot) {
    slot = std::make_unique<Form>(project_.forms[static_cast<std::size_t>(index)], index,
                                  next_picture_handle_);
    host_.FormCreated(*slot);
    for (int i = 0; i < static_cast<int>(slot->Controls().size()); ++i) ScheduleTimer(*slot, i);
  }
  return *slot;
}

FormRef Runtime::Window(std::string_view name) {
  const auto index = FormIndex(name);
  if (!index) CallFailed();
  return FormRef(*this, Create(*index));
}

void Runtime::MsgBox(std::string_view prompt, int style, std::string_view title) {
  host_.ShowMessage(MessageBox{style, std::string(title), std::string(prompt)});
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
  host_.ReportFatal(kind);
  CloseAll();
}

// All windows close, shown or hidden, and no further event runs.
void Runtime::CloseAll() {
  ended_ = true;
  due_.clear();
  for (auto& form : forms_) {
    if (form) form->SetVisible(false);
  }
  host_.ProgramEnded();
}

void Runtime::Raise(Form& form, int control, Event event, bool boundary) {
  if (ended_) return;
  const std::string_view name = control >= 0 ? std::string_view(form.At(control).Name()) : "";
  const Handler handler = form.HandlerFor(name, event);
  if (!handler) return;
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
      const auto after =
          std::ranges::find_if(order, [&](int i) { return form->At(i).spec->tab_index > lost; });
      if (after != order.end()) next = *after;
    }
    form->SetFocusPending(false);
    form->SetFocus(next);
    host_.FocusChanged(*form);
  }
}

const FontSpec& Runtime::FontOf(const Form& form, int control) {
  for (int i = control; i >= 0; i = form.At(i).container) {
    if (form.At(i).spec->font) return *form.At(i).spec->font;
  }
  return form.Spec().font;
}

// --- Property writes ------------------------------------------------------------

void Runtime::Resize(Form& form, int control) {
  Control& c = form.At(control);
  if (!c.spec->auto_size) return;
  // The design size belongs to the design caption; the label keeps its left and top edge
  // and grows or shrinks by what its caption's width changes.
  const FontSpec& font = FontOf(form, control);
  const int design = host_.MeasureText(font, c.spec->caption).width;
  const int now = host_.MeasureText(font, c.caption).width;
  const int width = std::max(0, c.spec->rect.width + now - design);
  if (width == c.rect.width) return;
  c.rect.width = width;
  host_.ControlChanged(form, control, Property::kWidth);
}

void Runtime::SetCaption(Form& form, int control, std::string_view caption) {
  Control& c = form.At(control);
  if (!HasCaption(c.Kind())) CallFailed();
  if (c.caption == caption) return;
  c.caption = std::string(caption);
  host_.ControlChanged(form, control, Property::kCaption);
  Resize(form, control);
}

void Runtime::SetText(Form& form, int control, std::string_view text) {
  Control& c = form.At(control);
  if (c.Kind() != ControlKind::kTextBox) CallFailed();
  c.caret = static_cast<int>(text.size());
  if (c.caption == text) return;
  c.caption = std::string(text);
  host_.ControlChanged(form, control, Property::kText);
  Raise(form, control, Event::kChange);
}

void Runtime::SetVisible(Form& form, int control, bool visible) {
  Control& c = form.At(control);
  if (c.Kind() == ControlKind::kTimer) CallFailed();
  if (c.visible == visible) return;
  c.visible = visible;
  host_.ControlChanged(form, control, Property::kVisible);
}

void Runtime::SetEnabled(Form& form, int control, bool enabled) {
  Control& c = form.At(control);
  if (c.enabled == enabled) return;
  c.enabled = enabled;
  if (c.Kind() == ControlKind::kTimer) {
    ScheduleTimer(form, control);
    host_.TimersChanged();
  } else {
    host_.ControlChanged(form, control, Property::kEnabled);
  }
}

void Runtime::SetPicture(Form& form, int control, PictureRef picture) {
  Control& c = form.At(control);
  if (c.Kind() != ControlKind::kImage) CallFailed();
  if (c.picture == picture) return;
  c.picture = std::move(picture);
  host_.ControlChanged(form, control, Property::kPicture);
}

void Runtime::SetListIndex(Form& form, int control, int index) {
  Control& c = form.At(control);
  if (c.list_index == index) return;
  c.list_index = index;
  host_.ControlChanged(form, control, Property::kListIndex);
}

void Runtime::ShowForm(Form& form) {
  if (ended_) return;
  const bool was_visible = form.Visible();
  form.SetVisible(true);
  if (!form.EverShown()) form.SetFocusPending(true);
  form.MarkShown();
  if (!was_visible) host_.FormVisibilityChanged(form);
  host_.FocusChanged(form);
  if (depth_ == 0) SettleFocus();
}

void Runtime::HideForm(Form& form) {
  if (!form.Visible()) return;
  form.SetVisible(false);
  host_.FormVisibilityChanged(form);
}

// --- Input ----------------------------------------------------------------------

bool Runtime::MoveFocus(Form& form, int control) {
  if (ended_ || !form.CanFocus(control)) return false;
  if (form.Focus() != control) {
    form.SetFocus(control);
    host_.FocusChanged(form);
  }
  return true;
}

bool Runtime::Tab(Form& form, bool backwards) {
  if (ended_ || !form.Visible()) return false;
  const auto order = form.TabOrder();
  if (order.empty()) return false;
  auto at = std::ranges::find(order, form.Focus());
  std::ptrdiff_t next = 0;
  if (at != order.end()) {
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    next = ((at - order.begin()) + (backwards ? size - 1 : 1)) % size;
  }
  return MoveFocus(form, order[static_cast<std::size_t>(next)]);
}

bool Runtime::Click(Form& form, int control) {
  if (ended_ || !form.Reachable(control)) return false;
  Control& c = form.At(control);
  if (c.Kind() == ControlKind::kListBox || c.Kind() == ControlKind::kTimer ||
      c.Kind() == ControlKind::kLine) {
    return false;
  }
  if (form.TakesFocus(control)) MoveFocus(form, control);
  if (c.Kind() == ControlKind::kOptionButton) {
    for (int i = 0; i < static_cast<int>(form.Controls().size()); ++i) {
      Control& other = form.At(i);
      if (other.Kind() != ControlKind::kOptionButton || other.container != c.container) continue;
      const bool chosen = i == control;
      if (other.value == chosen) continue;
      other.value = chosen;
      host_.ControlChanged(form, i, Property::kValue);
    }
  }
  if (c.Kind() == ControlKind::kTextBox) return true;
  Raise(form, control, Event::kClick);
  return true;
}

bool Runtime::Select(Form& form, int list, int item) {
  if (ended_ || !form.Reachable(list)) return false;
  Control& c = form.At(list);
  if (c.Kind() != ControlKind::kListBox || item < 0 || item >= static_cast<int>(c.items.size())) {
    return false;
  }
  MoveFocus(form, list);
  SetListIndex(form, list, item);
  Raise(form, list, Event::kClick);
  return true;
}

bool Runtime::Edit(Form& form, int box, std::string_view text, int caret) {
  if (ended_ || !form.Reachable(box) || form.At(box).Kind() != ControlKind::kTextBox) {
    return false;
  }
  MoveFocus(form, box);
  Control& c = form.At(box);
  if (c.caption != text) {
    c.caption = std::string(text);
    c.caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    host_.ControlChanged(form, box, Property::kText);
    Raise(form, box, Event::kChange);
  } else {
    c.caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  }
  return true;
}

bool Runtime::Close(Form& form) {
  if (ended_ || !form.Visible()) return false;
  const std::string& as = project_.forms[static_cast<std::size_t>(form.Index())].close_as;
  if (as.empty()) {
    End();
    return true;
  }
  const auto control = form.Find(as);
  if (!control) return false;
  Raise(form, *control, Event::kClick);
  return true;
}

// --- Clock ----------------------------------------------------------------------

void Runtime::ScheduleTimer(const Form& form, int control) {
  const Control& c = form.At(control);
  if (c.Kind() != ControlKind::kTimer) return;
  const TimerKey key{form.Index(), control};
  if (c.enabled && c.interval > 0 && !ended_) {
    due_[key] = now_ + c.interval;
  } else {
    due_.erase(key);
  }
}

std::optional<std::int64_t> Runtime::MillisecondsToNextTick() const {
  if (due_.empty()) return std::nullopt;
  const auto earliest = std::ranges::min_element(due_, {}, [](const auto& e) { return e.second; });
  return std::max<std::int64_t>(0, earliest->second - now_);
}

void Runtime::AdvanceClock(std::int64_t milliseconds) {
  const std::int64_t target = now_ + std::max<std::int64_t>(0, milliseconds);
  while (!ended_ && !due_.empty()) {
    // std::map orders by window, then control, so ties go in creation order.
    const auto earliest =
        std::ranges::min_element(due_, {}, [](const auto& e) { return e.second; });
    if (earliest->second > target) break;
    const auto [form_index, control] = earliest->first;
    now_ = earliest->second;
    Form& form = *forms_[static_cast<std::size_t>(form_index)];
    earliest->second += form.At(control).interval;
    Raise(form, control, Event::kTimer, /*boundary=*/true);
  }
  now_ = target;
  host_.TimersChanged();
}

}  // namespace avtosalon
