#include "tools/scenario/qt_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "shell/qt/application.h"
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

class QtDriver final : public Driver {
 public:
  explicit QtDriver(const Project& project)
      : host_(qt::QtHost::Clock::kVirtual), runtime_(project, host_) {
    host_.Attach(runtime_);
    // Message boxes are closed with Enter, as a player would; the runtime reports them.
    watcher_.setInterval(5);
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
    QWidget* widget = host_.Widget(form.Index(), box);
    for (const QChar character :
         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
      if (!form.Reachable(box)) break;
      SendKey(widget, 0, Qt::NoModifier, QString(character));
      Settle();
    }
  }

  void Press(const Form& form, int box, Key key) override {
    SendKey(host_.Widget(form.Index(), box), QtKey(key));
    Settle();
  }

  void Paste(const Form& form, int box, std::string_view text) override {
    QWidget* widget = host_.Widget(form.Index(), box);
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

 private:
  void AnswerBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->isVisible()) SendKey(box, Qt::Key_Return);
  }

  qt::QtHost host_;
  Runtime runtime_;
  QTimer watcher_;
};

}  // namespace

QtSession::QtSession(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
  qt::ConfigureApplication(*app_);
}

QtSession::~QtSession() = default;

std::unique_ptr<Driver> QtSession::NewDriver(const Project& project) {
  return std::make_unique<QtDriver>(project);
}

}  // namespace avtosalon::scenario
