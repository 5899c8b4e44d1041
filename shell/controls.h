#pragma once

#include <any>
#include <string>
#include <string_view>

#include "shell/form.h"
#include "shell/picture.h"
#include "shell/property_rules.h"

namespace avtosalon {

// The runtime's side of a property write: it tells the host and raises the events the
// write causes. Handles write through it.
class PropertyWriter {
 public:
  virtual void SetCaption(Form& form, int control, std::string_view caption) = 0;
  // Raises the text box's Change, nested, when the text really changes.
  virtual void SetText(Form& form, int control, std::string_view text) = 0;
  virtual void SetVisible(Form& form, int control, bool visible) = 0;
  virtual void SetEnabled(Form& form, int control, bool enabled) = 0;
  virtual void SetPicture(Form& form, int control, PictureRef picture) = 0;
  virtual void ShowForm(Form& form) = 0;
  virtual void HideForm(Form& form) = 0;

 protected:
  ~PropertyWriter() = default;
};

// One control of one window instance, found once by its table name. The typed handles
// below let a handler use only the properties that their kind has.
class ControlHandle {
 public:
  ControlHandle() = default;
  ControlHandle(PropertyWriter& writer, Form& form, int index)
      : writer_(&writer), form_(&form), form_index_(form.Index()), index_(index) {}

  int FormIndex() const { return form_index_; }
  int Index() const { return index_; }
  const Control& State() const { return form_->At(index_); }

 protected:
  std::string Caption() const { return State().caption; }
  void SetCaption(std::string_view caption) const { writer_->SetCaption(*form_, index_, caption); }
  std::string Text() const { return State().caption; }
  void SetText(std::string_view text) const { writer_->SetText(*form_, index_, text); }
  bool Visible() const { return State().visible; }
  void SetVisible(bool visible) const { writer_->SetVisible(*form_, index_, visible); }
  bool Enabled() const { return State().enabled; }
  void SetEnabled(bool enabled) const { writer_->SetEnabled(*form_, index_, enabled); }
  int ListIndex() const { return State().list_index; }
  PictureRef Picture() const { return State().picture; }
  void SetPicture(PictureRef picture) const {
    writer_->SetPicture(*form_, index_, std::move(picture));
  }

 private:
  PropertyWriter* writer_ = nullptr;
  Form* form_ = nullptr;
  int form_index_ = -1;
  int index_ = -1;
};

class Label : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kLabel;
  using ControlHandle::Caption;
  using ControlHandle::ControlHandle;
  using ControlHandle::Enabled;
  using ControlHandle::SetCaption;
  using ControlHandle::SetEnabled;
  using ControlHandle::SetVisible;
  using ControlHandle::Visible;
};

class Button : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kCommandButton;
  using ControlHandle::ControlHandle;
  using ControlHandle::Enabled;
  using ControlHandle::SetEnabled;
  using ControlHandle::SetVisible;
  using ControlHandle::Visible;
};

class TextBox : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kTextBox;
  using ControlHandle::ControlHandle;
  using ControlHandle::Enabled;
  using ControlHandle::SetEnabled;
  using ControlHandle::SetText;
  using ControlHandle::SetVisible;
  using ControlHandle::Text;
  using ControlHandle::Visible;
};

class ListBox : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kListBox;
  using ControlHandle::ControlHandle;
  using ControlHandle::Enabled;
  using ControlHandle::ListIndex;
  using ControlHandle::SetEnabled;
  using ControlHandle::SetVisible;
  using ControlHandle::Visible;
};

class OptionButton : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kOptionButton;
  using ControlHandle::ControlHandle;
  using ControlHandle::SetVisible;
  using ControlHandle::Visible;
};

class Image : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kImage;
  using ControlHandle::ControlHandle;
  using ControlHandle::Picture;
  using ControlHandle::SetPicture;
};

class PictureBox : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kPictureBox;
  using ControlHandle::ControlHandle;
  using ControlHandle::Picture;
};

class Timer : public ControlHandle {
 public:
  static constexpr ControlKind kKind = ControlKind::kTimer;
  using ControlHandle::ControlHandle;
  using ControlHandle::Enabled;
  using ControlHandle::SetEnabled;
};

// The window itself.
class WindowHandle {
 public:
  WindowHandle() = default;
  WindowHandle(PropertyWriter& writer, Form& form)
      : writer_(&writer), form_(&form), form_index_(form.Index()) {}
  int FormIndex() const { return form_index_; }
  void Show() const { writer_->ShowForm(*form_); }
  void Hide() const { writer_->HideForm(*form_); }
  bool Visible() const { return form_->Visible(); }

 private:
  PropertyWriter* writer_ = nullptr;
  Form* form_ = nullptr;
  int form_index_ = -1;
};

// Finds a window's controls by their table names when the window is created. A name
// missing from the table, or of another kind, is a fault in the program's own tables.
class Resolver {
 public:
  Resolver(PropertyWriter& writer, Form& form) : writer_(writer), form_(form) {}

  template <typename Handle>
  Handle Get(std::string_view name) const {
    return Handle(writer_, form_, Find(name, Handle::kKind));
  }
  WindowHandle Window() const { return WindowHandle(writer_, form_); }

 private:
  int Find(std::string_view name, ControlKind kind) const;
  PropertyWriter& writer_;
  Form& form_;
};

// A window's HandleFinder: W is built from a Resolver.
template <typename W>
std::any FindHandles(const Resolver& find) {
  return W(find);
}

// The writer behind handles that belong to no game; any write through it is a failed call.
PropertyWriter& NoGameWriter();

// Where W's controls sit in the project's tables, found without a game: for tools that
// plan input by window and control index. Only FormIndex() and Index() may be read.
template <typename W>
W IndicesOf(const Project& project) {
  for (std::size_t i = 0; i < project.forms.size(); ++i) {
    if (project.forms[i].spec.name != W::kName) continue;
    std::int32_t next_handle = 1;
    Form form(project.forms[i], static_cast<int>(i), next_handle);
    return W(Resolver(NoGameWriter(), form));
  }
  CallFailed();
}

}  // namespace avtosalon
