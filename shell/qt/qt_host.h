#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "shell/host.h"
#include "shell/pointer_guard.h"
#include "shell/runtime.h"

class QWidget;

namespace avtosalon::qt {

class FormWindow;

// Real windows: a top-level window per form, a widget per control, the player's input
// turned into the runtime's events.
class QtHost final : public Host {
 public:
  enum class Clock {
    kReal,     // timers tick on the wall clock
    kVirtual,  // the clock moves only when the caller advances the runtime's
  };
  explicit QtHost(Clock clock);
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;
  ~QtHost() override;

  void Attach(Runtime& runtime) { runtime_ = &runtime; }
  // Fatal failures and the end of the program, as they happen.
  void SetObserver(std::function<void(const HostEvent&)> observer) {
    observer_ = std::move(observer);
  }
  // When set, the end of the program also ends the application's event loop.
  void SetQuitOnEnd(bool quit) { quit_on_end_ = quit; }
  // The clock, in milliseconds, that times pointer presses against windows that have just
  // appeared (PointerGuard). The real clock has the wall clock; without one, every press counts.
  void SetPointerClock(std::function<std::int64_t()> clock) { pointer_clock_ = std::move(clock); }

  void FormCreated(const Form& form) override;
  void FormVisibilityChanged(const Form& form) override;
  void ControlChanged(const Form& form, int control, Property property) override;
  void FocusChanged(const Form& form) override;
  void ShowMessage(const MessageBox& box) override;
  void ReportFatal(FailureKind kind) override;
  void ProgramEnded() override;
  void TimersChanged() override;
  Size MeasureText(const FontSpec& font, std::string_view text) const override;

  // The player's input, from the widgets.
  void PlayerClicked(int form, int control);
  void PlayerSelected(int form, int list, int item);
  void PlayerEdited(int form, int box, const QString& text, int cursor);
  void PlayerFocused(int form, int control);
  void PlayerClosed(int form);
  void PlayerChoseNeighbour(int form, int option, bool backwards);

  // For tools and tests.
  QWidget* Window(int form) const;
  QWidget* Widget(int form, int control) const;
  std::optional<std::pair<int, int>> ControlOf(const QWidget* widget) const;

 private:
  // Runs a block with the widgets' own signals taken as the game's writes, not input.
  class Applying {
   public:
    explicit Applying(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;
    ~Applying() { flag_ = was_; }

   private:
    bool& flag_;
    bool was_;
  };

  struct View {
    std::unique_ptr<FormWindow> window;
    std::vector<QWidget*> widgets;  // owned by the window; null for timers
  };

  void Build(const Form& form, int control, View& view);
  void Apply(const Form& form, int control, Property property);
  void ApplyGeometry(const Form& form, int control);
  void ApplyFocus(const Form& form);
  Form* FormAt(int form) const;
  // Brings the runtime's clock up to the wall clock before the player's input is handled.
  void SyncClock();
  QWidget* ActiveWindow() const;
  // Whether a pointer press on the widget may reach it; see PointerGuard.
  bool PointerMayPress(const QWidget* target) const;
  // Every shown window has appeared again for the pointer, as after a message box closes.
  void WindowsUncovered();
  // The visible window takes the keyboard back, as after a message box closes.
  void ReturnKeyboard();

  Clock clock_;
  Runtime* runtime_ = nullptr;
  std::function<void(const HostEvent&)> observer_;
  bool quit_on_end_ = false;
  bool applying_ = false;  // the game is writing to the widgets: their signals are not input
  std::vector<View> views_;
  QElapsedTimer wall_;
  std::int64_t synced_ms_ = 0;
  QTimer tick_;
  PointerGuard pointer_guard_;
  std::function<std::int64_t()> pointer_clock_;
  std::unique_ptr<QObject> pointer_filter_;
  std::unique_ptr<QObject> key_repeat_filter_;
};

}  // namespace avtosalon::qt
