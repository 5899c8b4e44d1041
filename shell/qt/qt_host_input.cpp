#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>

#include "shell/qt/control_widgets.h"
#include "shell/qt/qt_host.h"

namespace avtosalon::qt {
namespace {

int Utf8Offset(const QString& text, int utf16_offset) {
  return static_cast<int>(text.left(utf16_offset).toUtf8().size());
}

}  // namespace

void QtHost::PlayerClicked(int form_index, int control) {
  Form* form = FormAt(form_index);
  if (applying_ || !form) return;
  SyncClock();
  runtime_->Click(*form, control);
  Applying applying(applying_);
  if (!runtime_->Ended()) Apply(*form, control, Property::kValue);
}

void QtHost::PlayerSelected(int form_index, int list, int item) {
  Form* form = FormAt(form_index);
  if (applying_ || !form) return;
  SyncClock();
  runtime_->Select(*form, list, item);
  Applying applying(applying_);
  if (!runtime_->Ended()) Apply(*form, list, Property::kListIndex);
}

void QtHost::PlayerEdited(int form_index, int box, const QString& text, int cursor) {
  Form* form = FormAt(form_index);
  if (applying_ || !form) return;
  SyncClock();
  runtime_->Edit(*form, box, text.toStdString(), Utf8Offset(text, cursor));
  if (runtime_->Ended()) return;
  // The game may have refused the edit, or written the box itself.
  auto* line = dynamic_cast<QLineEdit*>(Widget(form_index, box));
  const QString now = QString::fromStdString(form->At(box).caption);
  if (line && line->text() != now) {
    Applying applying(applying_);
    line->setText(now);
  }
}

void QtHost::PlayerFocused(int form_index, int control) {
  Form* form = FormAt(form_index);
  if (applying_ || !form || runtime_->Ended()) return;
  if (!runtime_->MoveFocus(*form, control)) {
    Applying applying(applying_);
    ApplyFocus(*form);
  }
}

void QtHost::PlayerClosed(int form_index) {
  Form* form = FormAt(form_index);
  if (applying_ || !form) return;
  SyncClock();
  runtime_->Close(*form);
}

void QtHost::PlayerChoseNeighbour(int form_index, int option, bool backwards) {
  Form* form = FormAt(form_index);
  if (applying_ || !form) return;
  std::vector<int> group;
  for (const int i : form->TabOrder()) {
    const Control& c = form->At(i);
    if (c.Kind() == ControlKind::kOptionButton && c.container == form->At(option).container) {
      group.push_back(i);
    }
  }
  const auto at = std::ranges::find(group, option);
  if (group.empty() || at == group.end()) return;
  const auto size = static_cast<std::ptrdiff_t>(group.size());
  const std::ptrdiff_t next = ((at - group.begin()) + (backwards ? size - 1 : 1)) % size;
  PlayerClicked(form_index, group[static_cast<std::size_t>(next)]);
}

bool QtHost::PointerMayPress(const QWidget* target) const {
  if (!pointer_clock_) return true;
  for (std::size_t form = 0; form < views_.size(); ++form) {
    if (views_[form].window.get() != target->window()) continue;
    return pointer_guard_.Accepts(static_cast<int>(form), pointer_clock_(),
                                  QGuiApplication::styleHints()->mouseDoubleClickInterval());
  }
  return true;
}

void QtHost::WindowsUncovered() {
  if (!pointer_clock_) return;
  for (std::size_t form = 0; form < views_.size(); ++form) {
    if (views_[form].window && views_[form].window->isVisible()) {
      pointer_guard_.Appeared(static_cast<int>(form), pointer_clock_());
    }
  }
}

}  // namespace avtosalon::qt
