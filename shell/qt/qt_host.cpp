#include "shell/qt/qt_host.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QStyleHints>
#include <algorithm>

#include "shell/qt/accessibility.h"
#include "shell/qt/accessible_names.h"
#include "shell/qt/control_widgets.h"
#include "shell/qt/key_repeat_filter.h"
#include "shell/qt/look.h"
#include "shell/qt/pictures.h"
#include "shell/qt/placement.h"
#include "shell/qt/pointer_filter.h"

namespace avtosalon::qt {
namespace {

void Paint(QWidget* widget, const Control& control, QPalette::ColorRole back_role,
           QPalette::ColorRole fore_role) {
  // Qt hands a parent's colours down to its children; a control without colours of its
  // own takes the platform's defaults instead.
  QPalette palette = QApplication::palette(widget);
  if (control.spec->back) {
    palette.setColor(back_role, ToQColor(*control.spec->back));
    widget->setBackgroundRole(back_role);
    widget->setAutoFillBackground(true);
  }
  if (control.spec->fore) {
    palette.setColor(QPalette::Active, fore_role, ToQColor(*control.spec->fore));
    palette.setColor(QPalette::Inactive, fore_role, ToQColor(*control.spec->fore));
  }
  palette.setColor(QPalette::Disabled, fore_role, QColor(0x80, 0x80, 0x80));
  if (control.spec->back)
    palette.setColor(QPalette::Disabled, back_role, ToQColor(*control.spec->back));
  widget->setPalette(palette);
}

QMessageBox::Icon IconFor(int style) {
  return style == kErrorStyle ? QMessageBox::Critical : QMessageBox::Information;
}

}  // namespace

QtHost::QtHost(Clock clock) : clock_(clock) {
  InstallAccessibility();
  wall_.start();
  tick_.setSingleShot(true);
  tick_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick_, &QTimer::timeout, [this] { input_->AdvanceClockTo(wall_.elapsed()); });
  if (clock_ == Clock::kReal) pointer_clock_ = [this] { return wall_.elapsed(); };
  pointer_filter_ = std::make_unique<PointerFilter>(
      [this](const QWidget* target) { return PointerMayPress(target); });
  QCoreApplication::instance()->installEventFilter(pointer_filter_.get());
  key_repeat_filter_ = std::make_unique<KeyRepeatFilter>();
  QCoreApplication::instance()->installEventFilter(key_repeat_filter_.get());
}

QtHost::~QtHost() = default;

QWidget* QtHost::Window(int form) const {
  return form < static_cast<int>(views_.size())
             ? views_[static_cast<std::size_t>(form)].window.get()
             : nullptr;
}

QWidget* QtHost::Widget(int form, int control) const {
  if (!Window(form)) return nullptr;
  return views_[static_cast<std::size_t>(form)].widgets[static_cast<std::size_t>(control)];
}

std::optional<std::pair<int, int>> QtHost::ControlOf(const QWidget* widget) const {
  for (std::size_t f = 0; f < views_.size(); ++f) {
    const auto& widgets = views_[f].widgets;
    for (std::size_t c = 0; c < widgets.size(); ++c) {
      if (widgets[c] && widgets[c] == widget)
        return std::pair{static_cast<int>(f), static_cast<int>(c)};
    }
  }
  return std::nullopt;
}

QWidget* QtHost::ActiveWindow() const {
  for (const View& view : views_) {
    if (view.window && view.window->isVisible()) return view.window.get();
  }
  return nullptr;
}

// --- Building the windows ------------------------------------------------------

void QtHost::FormCreated(const Form& form) {
  const auto index = static_cast<std::size_t>(form.Index());
  if (views_.size() <= index) views_.resize(index + 1);
  View& view = views_[index];
  view.form = &form;
  const FormSpec& spec = form.Spec();
  view.window =
      std::make_unique<FormWindow>(Site{this, form.Index(), -1}, ToQColor(spec.back), spec.picture);
  view.window->setWindowTitle(QString::fromStdString(spec.caption));
  view.window->setFont(ToQFont(spec.font));
  const QRect client = ToPixels(spec.client);
  view.window->setGeometry(client);
  view.window->setFixedSize(client.size());
  ForgetEarlyAccessible(view.window.get());
  view.window->setAccessibleName(QString::fromStdString(spec.caption));

  view.widgets.assign(form.Controls().size(), nullptr);
  for (int i = 0; i < static_cast<int>(form.Controls().size()); ++i) Build(form, i, view);
}

void QtHost::Build(const Form& form, int index, View& view) {
  const Control& control = form.At(index);
  QWidget* parent = control.container >= 0
                        ? view.widgets[static_cast<std::size_t>(control.container)]
                        : view.window.get();
  const Site site{this, form.Index(), index};
  QWidget* widget = nullptr;
  switch (control.Kind()) {
    case ControlKind::kLabel: {
      auto* label = new LabelWidget(site, parent);
      Paint(label, control, QPalette::Window, QPalette::WindowText);
      label->setAutoFillBackground(true);  // labels are opaque, in the default colour too
      widget = label;
      break;
    }
    case ControlKind::kCommandButton: {
      auto* button = new ButtonWidget(site, parent);
      Paint(button, control, QPalette::Button, QPalette::ButtonText);
      button->setAutoFillBackground(false);
      widget = button;
      break;
    }
    case ControlKind::kTextBox: {
      auto* box = new TextBoxWidget(site, parent);
      Paint(box, control, QPalette::Base, QPalette::Text);
      widget = box;
      break;
    }
    case ControlKind::kListBox: {
      auto* list = new ListWidget(site, parent);
      for (const std::string& item : control.items) list->addItem(QString::fromStdString(item));
      Paint(list, control, QPalette::Base, QPalette::Text);
      widget = list;
      break;
    }
    case ControlKind::kOptionButton: {
      auto* option = new OptionWidget(site, parent);
      Paint(option, control, QPalette::Window, QPalette::WindowText);
      widget = option;
      break;
    }
    case ControlKind::kFrame: {
      auto* frame = new FrameWidget(parent);
      Paint(frame, control, QPalette::Window, QPalette::WindowText);
      widget = frame;
      break;
    }
    case ControlKind::kPictureBox:
    case ControlKind::kImage: {
      auto* picture = new PictureWidget(site, parent);
      if (control.spec->back) picture->SetBack(ToQColor(*control.spec->back));
      widget = picture;
      break;
    }
    case ControlKind::kLine: {
      const Colour colour = control.spec->fore.value_or(Colour{0x00000000});
      widget = new LineWidget(
          parent, QPoint(ToPixels(control.spec->from.x), ToPixels(control.spec->from.y)),
          QPoint(ToPixels(control.spec->to.x), ToPixels(control.spec->to.y)), ToQColor(colour));
      break;
    }
    case ControlKind::kTimer:
      return;
  }
  view.widgets[static_cast<std::size_t>(index)] = widget;
  ForgetEarlyAccessible(widget);
  widget->setObjectName(QString::fromStdString(control.Name()));
  if (control.Kind() != ControlKind::kLine) widget->setFont(ToQFont(form.FontOf(index)));
  widget->setFocusPolicy(form.TakesFocus(index) ? Qt::StrongFocus : Qt::NoFocus);
  if (control.Kind() == ControlKind::kImage || control.Kind() == ControlKind::kLine)
    widget->lower();
  for (const Property property :
       {Property::kCaption, Property::kText, Property::kPicture, Property::kListIndex,
        Property::kValue, Property::kEnabled, Property::kVisible}) {
    Apply(form, index, property);
  }
}

// --- The game's writes -----------------------------------------------------------

void QtHost::ControlChanged(const Form& form, int control, Property property) {
  Apply(form, control, property);
}

void QtHost::ApplyGeometry(const Form& form, int index) {
  const Control& control = form.At(index);
  QWidget* widget = Widget(form.Index(), index);
  if (!widget || control.Kind() == ControlKind::kLine) return;
  QRect rect = ToPixels(control.rect);
  if (control.Kind() == ControlKind::kImage && control.picture) {
    const QSize natural = PictureSize(control.picture->resource);
    if (natural.isValid()) rect.setSize(natural);
  }
  widget->setGeometry(rect);
}

void QtHost::Apply(const Form& form, int index, Property property) {
  const Control& control = form.At(index);
  QWidget* widget = Widget(form.Index(), index);
  if (!widget) return;
  const QString caption = QString::fromStdString(control.caption);
  switch (property) {
    case Property::kCaption:
      if (auto* label = dynamic_cast<QLabel*>(widget)) label->setText(caption);
      if (auto* button = dynamic_cast<QAbstractButton*>(widget)) button->setText(caption);
      if (auto* frame = dynamic_cast<FrameWidget*>(widget)) frame->SetTitle(caption);
      widget->setAccessibleName(QString::fromStdString(AccessibleName(form, index)));
      ApplyGeometry(form, index);
      break;
    case Property::kText:
      if (auto* box = dynamic_cast<QLineEdit*>(widget); box && box->text() != caption) {
        box->setText(caption);
      }
      break;
    case Property::kVisible:
      widget->setVisible(control.visible);
      break;
    case Property::kEnabled:
      widget->setEnabled(control.enabled);
      break;
    case Property::kListIndex:
      if (auto* list = dynamic_cast<QListWidget*>(widget)) {
        list->setCurrentRow(control.list_index);
        if (control.list_index < 0) list->clearSelection();
      }
      break;
    case Property::kPicture:
      if (auto* picture = dynamic_cast<PictureWidget*>(widget)) {
        picture->SetPicture(control.picture ? control.picture->resource : std::string());
      }
      widget->setAccessibleName(QString::fromStdString(AccessibleName(form, index)));
      ApplyGeometry(form, index);
      break;
    case Property::kValue:
      if (auto* option = dynamic_cast<QRadioButton*>(widget)) option->setChecked(control.value);
      break;
    case Property::kWidth:
      ApplyGeometry(form, index);
      break;
  }
}

void QtHost::FormVisibilityChanged(const Form& form) {
  QWidget* window = Window(form.Index());
  if (!window) return;
  if (form.Visible()) {
    KeepOnScreen(*window);
    window->show();
    KeepOnScreen(*window);  // again, now that the frame around it is known
    window->activateWindow();
    if (pointer_clock_) pointer_guard_.Appeared(form.Index(), pointer_clock_());
  } else {
    window->hide();
  }
}

void QtHost::FocusChanged(const Form& form) {
  if (!form.Visible() || form.Focus() < 0) return;
  if (QWidget* widget = Widget(form.Index(), form.Focus()); widget && !widget->hasFocus()) {
    widget->setFocus(Qt::OtherFocusReason);
  }
}

// --- Boxes, the end, the clock ----------------------------------------------------

void QtHost::ShowMessage(const MessageBox& box) {
  QMessageBox message(IconFor(box.style), QString::fromStdString(box.title),
                      QString::fromStdString(box.prompt), QMessageBox::Ok, ActiveWindow());
  message.exec();
  WindowsUncovered();
  ReturnKeyboard();
}

// With no window manager, nothing hands the keyboard back to the window under a box that
// has closed: the keys would go nowhere until a click.
void QtHost::ReturnKeyboard() {
  for (const View& view : views_) {
    if (!view.form || !view.form->Visible() || !view.window || !view.window->isVisible()) continue;
    view.window->activateWindow();
    FocusChanged(*view.form);
  }
}

// The timing of presses against windows that have just appeared; see PointerGuard.
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

void QtHost::ProgramEnded() {
  tick_.stop();
  for (View& view : views_) {
    if (!view.window) continue;
    view.window->AllowClose();
    view.window->close();
  }
  if (quit_on_end_) QCoreApplication::quit();
}

std::optional<std::int64_t> QtHost::Now() const {
  if (clock_ != Clock::kReal) return std::nullopt;
  return wall_.elapsed();
}

void QtHost::TimersChanged(std::optional<std::int64_t> next_due) {
  if (clock_ != Clock::kReal) return;
  if (!next_due) {
    tick_.stop();
    return;
  }
  const std::int64_t wait = std::clamp<std::int64_t>(*next_due - wall_.elapsed(), 0, 1 << 30);
  tick_.start(static_cast<int>(wait));
}

Size QtHost::MeasureText(const FontSpec& font, std::string_view text) const {
  const QFontMetrics metrics(ToQFont(font));
  const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return Size{metrics.horizontalAdvance(q) * kUnitsPerPixel, metrics.height() * kUnitsPerPixel};
}

}  // namespace avtosalon::qt
