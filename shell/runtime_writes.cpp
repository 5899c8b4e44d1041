#include <algorithm>

#include "shell/property_rules.h"
#include "shell/runtime.h"

namespace avtosalon {

void Runtime::Resize(Form& form, int control) {
  Control& c = form.At(control);
  if (!c.spec->auto_size) return;
  // The design size belongs to the design caption; the label keeps its left and top edge
  // and grows or shrinks by what its caption's width changes.
  const FontSpec& font = form.FontOf(control);
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
  // Writing the text a box already holds changes nothing, not even where the caret is.
  if (c.caption == text) return;
  c.caret = static_cast<int>(text.size());
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
    host_.TimersChanged(NextDue());
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
