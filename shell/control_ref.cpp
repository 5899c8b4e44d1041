#include "shell/property_rules.h"
#include "shell/runtime.h"

namespace avtosalon {

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

}  // namespace avtosalon
