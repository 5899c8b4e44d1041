// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scenario/qt_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

#include "shell/qt/application.h"
#include "shell/qt/control_widgets.h"
#include "shell/qt/qt_host.h"

namespace avtosalon::scenario {
namespace {

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void SendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

// A left click at a point of a widget, delivered to whatever lies there, as a pointer would.
void ClickAt(QWidget* widget, QPoint local) {
  QWidget* window = widget->window();
  const QPoint in_window = widget->mapTo(window, local);
  QWidget* target = window->childAt(in_window);
  if (!target) target = window;
  const QPoint at = target->mapFrom(window, in_window);
  const QPointF global = target->mapToGlobal(QPointF(at));
  // Qt gives the focus on a click only for the platform's own events, not for sent ones.
  if (target->isEnabled() && (target->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
    target->setFocus(Qt::MouseFocusReason);
  }
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

Qt::Key QtKey(Key key) {
  switch (key) {
    case Key::kBackSpace:
      return Qt::Key_Backspace;
    case Key::kDelete:
      return Qt::Key_Delete;
    case Key::kHome:
      return Qt::Key_Home;
    case Key::kEnd:
      return Qt::Key_End;
    case Key::kLeft:
      return Qt::Key_Left;
    case Key::kRight:
      return Qt::Key_Right;
  }
  return Qt::Key_unknown;
}

std::string Bool(bool value) { return value ? "true" : "false"; }

// What a widget shows of a property, where it shows one.
std::optional<std::string> ReadWidget(const QWidget& widget, std::string_view property) {
  if (property == "Visible") return Bool(!widget.isHidden());
  if (property == "Enabled") return Bool(!widget.testAttribute(Qt::WA_ForceDisabled));
  if (property == "Position") return std::to_string(widget.x()) + "," + std::to_string(widget.y());
  if (property == "Size")
    return std::to_string(widget.width()) + "x" + std::to_string(widget.height());
  if (property == "Caption") {
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
      return label->text().toStdString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
      return button->text().toStdString();
    }
    if (const auto* frame = dynamic_cast<const qt::FrameWidget*>(&widget)) {
      return frame->Title().toStdString();
    }
  }
  if (property == "Value") {
    if (const auto* option = qobject_cast<const QRadioButton*>(&widget)) {
      return Bool(option->isChecked());
    }
  }
  if (property == "Text") {
    if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) return box->text().toStdString();
  }
  if (property == "Caret") {
    if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) {
      return std::to_string(box->text().left(box->cursorPosition()).toUtf8().size());
    }
  }
  if (property == "ListIndex") {
    if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
      const QModelIndexList selected = list->selectionModel()->selectedRows();
      return std::to_string(selected.isEmpty() ? -1 : selected.front().row());
    }
  }
  if (property == "Picture") {
    if (const auto* picture = dynamic_cast<const qt::PictureWidget*>(&widget)) {
      return picture->Picture();
    }
  }
  return std::nullopt;
}

class QtDriver final : public Driver {
 public:
  explicit QtDriver(const Project& project)
      : host_(qt::QtHost::Clock::kVirtual), runtime_(project, host_) {
    host_.Attach(runtime_);
    // Message boxes are closed with Enter, as a player would, as soon as they show; the
    // runtime reports them.
    watcher_.setInterval(0);
    QObject::connect(&watcher_, &QTimer::timeout, [this] { AnswerBox(); });
  }

  ~QtDriver() override {
    watcher_.stop();
    Settle();
  }

  void Start(std::function<void(const HostEvent&)> observer) override {
    runtime_.SetObserver(std::move(observer));
    watcher_.start();
    runtime_.Start();
    Settle();
  }

  Runtime& Game() override { return runtime_; }

  void Click(const Form& form, int control) override {
    QWidget* widget = host_.Widget(form.Index(), control);
    ClickAt(widget, widget->rect().center());
    Settle();
  }

  void Select(const Form& form, int list, int item) override {
    auto* widget = static_cast<QListWidget*>(host_.Widget(form.Index(), list));
    widget->scrollToItem(widget->item(item));
    const QPoint in_viewport = widget->visualItemRect(widget->item(item)).center();
    ClickAt(widget->viewport(), in_viewport);
    Settle();
  }

  void Type(const Form& form, int box, std::string_view text) override {
    if (text.empty()) return;
    QWidget* widget = FocusOn(form, box);
    for (const char32_t code :
         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4()) {
      if (!form.Reachable(box)) break;
      const QString character = QString::fromUcs4(&code, 1);
      if (character.size() == 1) {
        SendKey(widget, 0, Qt::NoModifier, character);
      } else {
        // A character beyond the first 65536 (an emoji) comes whole from an input method, as
        // from an emoji picker: Qt's line edit takes no key whose text is a surrogate pair.
        QInputMethodEvent commit;
        commit.setCommitString(character);
        QApplication::sendEvent(widget, &commit);
      }
      Settle();
    }
  }

  void Press(const Form& form, int box, Key key) override {
    SendKey(FocusOn(form, box), QtKey(key));
    Settle();
  }

  void Paste(const Form& form, int box, std::string_view text) override {
    QWidget* widget = FocusOn(form, box);
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    SendKey(widget, Qt::Key_A, Qt::ControlModifier);
    SendKey(widget, Qt::Key_V, Qt::ControlModifier);
    Settle();
  }

  void Close(const Form& form) override {
    host_.Window(form.Index())->close();
    Settle();
  }

  void Wait(long long milliseconds) override {
    runtime_.AdvanceClockTo(runtime_.Clock() + milliseconds);
    Settle();
  }

  std::optional<std::string> Snap(const std::string& file) override {
    for (int i = 0; i < runtime_.FormCount(); ++i) {
      const Form* form = runtime_.FormAt(i);
      if (!form || !form->Visible()) continue;
      if (!host_.Window(i)->grab().save(QString::fromStdString(file))) {
        return "cannot write " + file;
      }
      return std::nullopt;
    }
    return "no window is visible";
  }

  int Focus(const Form& form) override {
    const auto control = host_.ControlOf(QApplication::focusWidget());
    return control && control->first == form.Index() ? control->second : -1;
  }

  // The runtime's record, with every entry a widget shows taken from the widget instead.
  ShownState State() override {
    return RuntimeState(
        runtime_, [this](const Form& form) { return Focus(form); },
        [this](const Form& form, int control,
               std::string_view property) -> std::optional<std::string> {
          if (control < 0) {
            const QWidget* window = host_.Window(form.Index());
            if (!window) return std::nullopt;
            return window->isVisible() ? "visible" : "hidden";
          }
          const QWidget* widget = host_.Widget(form.Index(), control);
          return widget ? ReadWidget(*widget, property) : std::nullopt;
        });
  }

 private:
  // A player puts the caret into a box before typing there, even where the keys change
  // nothing.
  QWidget* FocusOn(const Form& form, int box) {
    QWidget* widget = host_.Widget(form.Index(), box);
    if (!widget->hasFocus()) {
      widget->setFocus(Qt::MouseFocusReason);
      Settle();
    }
    return widget;
  }

  void AnswerBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->isVisible()) SendKey(box, Qt::Key_Return);
  }

  qt::QtHost host_;
  Runtime runtime_;
  QTimer watcher_;
};

QtMessageHandler qt_default_handler = nullptr;

// The offscreen platform says it cannot pass size hints on every window it shows: a million
// lines of that would hide anything worth reading in a long run.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message == QLatin1String("This plugin does not support propagateSizeHints()")) return;
  qt_default_handler(type, context, message);
}

}  // namespace

QtSession::QtSession(int& argc, char** argv) {
  qt_default_handler = qInstallMessageHandler(QuietOffscreen);
  app_ = std::make_unique<QApplication>(argc, argv);
  qt::ConfigureApplication(*app_);
}

QtSession::~QtSession() = default;

std::unique_ptr<Driver> QtSession::NewDriver(const Project& project) {
  return std::make_unique<QtDriver>(project);
}

}  // namespace avtosalon::scenario
