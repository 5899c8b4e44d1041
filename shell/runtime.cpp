#include "shell/runtime.h"

#include <algorithm>

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
      const auto after = std::find_if(order.begin(), order.end(),
                                      [&](int i) { return form->At(i).spec->tab_index > lost; });
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

}  // namespace avtosalon
