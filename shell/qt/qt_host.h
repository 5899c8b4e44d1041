#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "shell/form.h"
#include "shell/host.h"
#include "shell/input.h"
#include "shell/pointer_guard.h"

class QWidget;

namespace avtosalon::qt {

class FormWindow;

// Real windows: a top-level window per form, a widget per control. The widgets turn Qt's
// events into PlayerInput calls; every rule about what the input means is the runtime's.
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

  // Where the player's input goes.
  void Attach(PlayerInput& input) { input_ = &input; }
  PlayerInput& Input() const { return *input_; }
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
  void ProgramEnded() override;
  std::optional<std::int64_t> Now() const override;
  void TimersChanged(std::optional<std::int64_t> next_due) override;
  Size MeasureText(const FontSpec& font, std::string_view text) const override;

  // For tools and tests.
  QWidget* Window(int form) const;
  QWidget* Widget(int form, int control) const;
  std::optional<std::pair<int, int>> ControlOf(const QWidget* widget) const;

 private:
  struct View {
    const Form* form = nullptr;  // windows live until the program ends
    std::unique_ptr<FormWindow> window;
    std::vector<QWidget*> widgets;  // owned by the window; null for timers
  };

  void Build(const Form& form, int control, View& view);
  void Apply(const Form& form, int control, Property property);
  void ApplyGeometry(const Form& form, int control);
  QWidget* ActiveWindow() const;
  // Whether a pointer press on the widget may reach it; see PointerGuard.
  bool PointerMayPress(const QWidget* target) const;
  // Every shown window has appeared again for the pointer, as after a message box closes.
  void WindowsUncovered();
  // The visible window takes the keyboard back, as after a message box closes.
  void ReturnKeyboard();

  Clock clock_;
  PlayerInput* input_ = nullptr;
  bool quit_on_end_ = false;
  std::vector<View> views_;
  QElapsedTimer wall_;
  QTimer tick_;
  PointerGuard pointer_guard_;
  std::function<std::int64_t()> pointer_clock_;
  std::unique_ptr<QObject> pointer_filter_;
  std::unique_ptr<QObject> key_repeat_filter_;
};

}  // namespace avtosalon::qt
