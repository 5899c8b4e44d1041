#include "tools/scenario/player.h"

#include <type_traits>

namespace avtosalon::scenario {
namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

class Session {
 public:
  Session(const Script& script, Driver& driver, std::ostream& out)
      : script_(script), driver_(driver), out_(out) {}

  bool Run() {
    driver_.Start([this](const HostEvent& event) { Observe(event); });
    for (const Step& step : script_.steps) {
      line_ = step.line;
      std::visit([this](const auto& action) { Do(action); }, step.action);
    }
    return all_held_;
  }

 private:
  Runtime& Game() { return driver_.Game(); }

  void Observe(const HostEvent& event) {
    switch (event.kind) {
      case HostEvent::Kind::kMessage:
        out_ << "msgbox " << event.message.style << ' ' << Quote(event.message.title) << ' '
             << Quote(event.message.prompt) << '\n';
        unchecked_.push_back(event.message);
        break;
      case HostEvent::Kind::kFatal:
        out_ << "fatal " << FailureKindName(event.failure) << '\n';
        break;
      case HostEvent::Kind::kEnded:
        out_ << "ended\n";
        break;
    }
    out_.flush();
  }

  std::string Where() const { return script_.file + ":" + std::to_string(line_); }

  void Ignored(const std::string& reason) {
    out_ << "ignored " << Where() << ": " << reason << '\n';
  }
  const Form* Refuse(const std::string& reason) {
    Ignored(reason);
    return nullptr;
  }

  void Check(const std::string& what, const std::string& expected, const std::string& got) {
    if (expected == got) return;
    all_held_ = false;
    out_ << "FAIL " << Where() << ": " << what << " expected " << Quote(expected) << " got "
         << Quote(got) << '\n';
  }

  // The window a step acts on, when a player could reach it; otherwise says why not.
  const Form* Reach(int form_index, int control, const std::string& name) {
    Runtime& game = Game();
    const std::string& form_name =
        game.GetProject().forms[static_cast<std::size_t>(form_index)].spec.name;
    if (game.Ended()) return Refuse("the program has ended");
    const Form* form = game.FormAt(form_index);
    if (!form) return Refuse(form_name + " is not created");
    if (!form->Visible()) return Refuse(form_name + " is hidden");
    for (int i = control; i >= 0; i = form->At(i).container) {
      const std::string what = i == control ? name : form_name + "." + form->At(i).Name();
      if (!form->At(i).visible) return Refuse(what + " is hidden");
      if (!form->At(i).enabled) return Refuse(what + " is disabled");
    }
    return form;
  }
  const Form* Reach(const Target& target) {
    return Reach(target.form, target.control, target.name);
  }

  void Do(const Click& step) {
    if (const Form* form = Reach(step.target)) driver_.Click(*form, step.target.control);
  }
  void Do(const Select& step) {
    const Form* form = Reach(step.target);
    if (!form) return;
    if (step.item >= static_cast<int>(form->At(step.target.control).items.size())) {
      return Ignored(step.target.name + " has no item " + std::to_string(step.item));
    }
    driver_.Select(*form, step.target.control, step.item);
  }
  void Do(const Type& step) {
    if (const Form* form = Reach(step.target)) driver_.Type(*form, step.target.control, step.text);
  }
  void Do(const Press& step) {
    for (int i = 0; i < step.count; ++i) {
      const Form* form = Reach(step.target);
      if (!form) return;
      driver_.Press(*form, step.target.control, step.key);
    }
  }
  void Do(const Paste& step) {
    if (const Form* form = Reach(step.target)) driver_.Paste(*form, step.target.control, step.text);
  }
  void Do(const Close& step) {
    const std::string& name =
        Game().GetProject().forms[static_cast<std::size_t>(step.form)].spec.name;
    if (const Form* form = Reach(step.form, -1, name)) driver_.Close(*form);
  }
  void Do(const Wait& step) {
    if (Game().Ended()) return Ignored("the program has ended");
    driver_.Wait(step.milliseconds);
  }
  void Do(const Snap& step) {
    if (const auto error = driver_.Snap(step.file)) Ignored(*error);
  }

  void Do(const ExpectProperty& step) {
    const Form* form = Game().FormAt(step.target.form);
    if (step.property == "Created") return Check(step.target.name, step.value, Bool(form));
    if (!form) return Check(step.target.name, step.value, "(not created)");
    if (step.target.control < 0) return Check(step.target.name, step.value, Bool(form->Visible()));
    Check(step.target.name, step.value, PropertyValue(*form, step.target.control, step.property));
  }
  void Do(const ExpectOnlyVisible& step) {
    std::string visible;
    for (int i = 0; i < Game().FormCount(); ++i) {
      const Form* form = Game().FormAt(i);
      if (form && form->Visible()) visible += (visible.empty() ? "" : " ") + form->Name();
    }
    Check("visible", Game().GetProject().forms[static_cast<std::size_t>(step.form)].spec.name,
          visible);
  }
  void Do(const ExpectFocus& step) {
    const Form* form = Game().FormAt(step.target.form);
    std::string got;
    if (form) {
      const int focus = driver_.Focus(*form);
      if (focus >= 0) got = form->Name() + "." + form->At(focus).Name();
    }
    Check("focus", step.target.name, got);
  }
  void Do(const ExpectMessage& step) {
    const std::string expected =
        std::to_string(step.style) + " " + Quote(step.title) + " " + Quote(step.prompt);
    if (unchecked_.empty()) return Check("msgbox", expected, "(none)");
    const MessageBox box = unchecked_.front();
    unchecked_.pop_front();
    Check("msgbox", expected,
          std::to_string(box.style) + " " + Quote(box.title) + " " + Quote(box.prompt));
  }
  void Do(const ExpectNoMessage&) {
    std::string got;
    for (const MessageBox& box : unchecked_) got += (got.empty() ? "" : ", ") + box.prompt;
    unchecked_.clear();
    Check("msgbox", "", got);
  }
  void Do(const ExpectFatal& step) {
    const auto fatal = Game().Fatal();
    Check("fatal", step.kind, fatal ? std::string(FailureKindName(*fatal)) : "");
  }
  void Do(const ExpectEnded&) { Check("program", "ended", Game().Ended() ? "ended" : "running"); }
  void Do(const ExpectRunning&) {
    Check("program", "running", Game().Ended() ? "ended" : "running");
  }
  void Do(const Print& step) {
    const Form* form = Game().FormAt(step.target.form);
    std::string value;
    if (!form) {
      value = "(not created)";
    } else if (step.target.control < 0) {
      value = Bool(step.property == "Created" || form->Visible());
    } else {
      value = PropertyValue(*form, step.target.control, step.property);
    }
    out_ << step.target.name << " = " << Quote(value) << '\n';
  }

  const Script& script_;
  Driver& driver_;
  std::ostream& out_;
  int line_ = 0;
  bool all_held_ = true;
  std::deque<MessageBox> unchecked_;
};

}  // namespace

std::string PropertyValue(const Form& form, int control, std::string_view property) {
  const Control& c = form.At(control);
  if (property == "Caption" || property == "Text") return c.caption;
  if (property == "Visible") return Bool(c.visible);
  if (property == "Enabled") return Bool(c.enabled);
  if (property == "ListIndex") return std::to_string(c.list_index);
  if (property == "Value") return Bool(c.value);
  if (property == "Picture") return c.picture ? c.picture->origin : "";
  if (property == "Interval") return std::to_string(c.interval);
  if (property == "Left") return std::to_string(c.rect.left);
  if (property == "Top") return std::to_string(c.rect.top);
  if (property == "Width") return std::to_string(c.rect.width);
  if (property == "Height") return std::to_string(c.rect.height);
  return "";
}

bool Play(const Script& script, Driver& driver, std::ostream& out) {
  return Session(script, driver, out).Run();
}

}  // namespace avtosalon::scenario
