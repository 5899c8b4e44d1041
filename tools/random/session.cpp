#include "tools/random/session.h"

#include <algorithm>
#include <cmath>

#include "game/numeric_text.h"
#include "tools/random/take.h"

namespace avtosalon::random_play {
namespace {

// Money moved on a text the player could not read as an amount.
Breach Unreadable(const std::string& what, const std::string& text) {
  return Breach{"unreadable",
                what + " " + scenario::Quote(text) + ", which is not a number",
                {"print Form1.Label1.Caption"}};
}

constexpr double kGoal = 10000000;

std::optional<double> Read(const std::string& text) {
  const Reading<double> reading = ReadDouble(text);
  return reading.value;
}

// Timer events a wait of so many milliseconds runs; this game has one timer.
long long TicksIn(const Runtime& game, long long milliseconds) {
  const auto due = game.NextDue();
  if (!due || *due - game.Clock() > milliseconds) return 0;
  int interval = 0;
  for (int i = 0; i < game.FormCount(); ++i) {
    const Form* form = game.FormAt(i);
    if (!form) continue;
    for (const Control& control : form->Controls()) {
      if (control.Kind() == ControlKind::kTimer && control.enabled && control.interval > 0) {
        interval = interval == 0 ? control.interval : std::min(interval, control.interval);
      }
    }
  }
  if (interval == 0) return 0;
  return 1 + (milliseconds - (*due - game.Clock())) / interval;
}

}  // namespace

Tally& Tally::operator+=(const Tally& other) {
  steps += other.steps;
  ignored += other.ignored;
  games += other.games;
  by_exit += other.by_exit;
  by_close += other.by_close;
  by_win += other.by_win;
  purchases += other.purchases;
  sales += other.sales;
  deposits += other.deposits;
  ticks += other.ticks;
  failures += other.failures;
  cut_off += other.cut_off;
  inexact_games += other.inexact_games;
  top_cash = std::max(top_cash, other.top_cash);
  return *this;
}

Session::Session(const Project& project, const Places& places, ExtraCheck extra)
    : places_(places), extra_(std::move(extra)), driver_(project) {
  tally_.games = 1;
  driver_.Start([this](const HostEvent& event) { Observe(event); });
  tally_.top_cash = ledger_.Cash();
  breach_ = CheckState(driver_.Game(), places_, ledger_, ending_);
  if (!breach_ && extra_) breach_ = extra_(driver_.Game());
}

void Session::Observe(const HostEvent& event) {
  if (event.kind == HostEvent::Kind::kMessage) ++messages_;
}

bool Session::Do(const scenario::Action& step) {
  Runtime& game = driver_.Game();
  ++tally_.steps;
  const bool was_exact = ledger_.Exact();
  if (game.Ended() || !Take(step)) {
    ++tally_.ignored;
    return false;
  }
  if (game.Ended() && ending_ == Ending::kRunning) {
    ending_ = Ending::kOther;
    if (const auto* click = std::get_if<scenario::Click>(&step)) {
      if (click->target.form == places_.form1 && click->target.control == places_.exit) {
        ending_ = Ending::kExit;
      } else if (click->target.form == places_.form1 && click->target.control == places_.win) {
        ending_ = Ending::kWin;
      }
    } else if (const auto* close = std::get_if<scenario::Close>(&step)) {
      if (game.GetProject().forms[static_cast<std::size_t>(close->form)].close_as.empty()) {
        ending_ = Ending::kClose;
      }
    }
    tally_.by_exit += ending_ == Ending::kExit;
    tally_.by_close += ending_ == Ending::kClose;
    tally_.by_win += ending_ == Ending::kWin;
  }
  tally_.inexact_games += was_exact && !ledger_.Exact();
  tally_.top_cash = std::max(tally_.top_cash, ledger_.Cash());
  if (!breach_) breach_ = CheckState(game, places_, ledger_, ending_);
  if (!breach_ && extra_) breach_ = extra_(game);
  return true;
}

bool Session::Take(const scenario::Action& step) {
  if (const auto* click = std::get_if<scenario::Click>(&step)) return Take(*click);
  if (const auto* wait = std::get_if<scenario::Wait>(&step)) {
    tally_.ticks += TicksIn(driver_.Game(), wait->milliseconds);
  }
  return TakeStep(driver_, step);
}

// What the player reads before a press that moves money, and what it sees after.
bool Session::Take(const scenario::Click& step) {
  Runtime& game = driver_.Game();
  const Form* form = game.FormAt(step.target.form);
  const int control = step.target.control;
  if (!form || !form->Reachable(control)) return false;
  const Form& main = *game.FormAt(places_.form1);
  const int form_index = step.target.form;

  if (form_index == places_.form2 && control == places_.buy) {
    const std::string total = form->At(places_.total).caption;
    const std::string unit_price = form->At(places_.unit_price).caption;
    const auto model = ShownModel(*form, places_);
    driver_.Click(*form, control);
    if (form->Visible() || game.Ended()) return true;
    ++tally_.purchases;
    const auto charge = Read(total);
    const auto price = Read(unit_price);
    if (!charge) {
      breach_ = Unreadable("a purchase went through with the total", total);
      return true;
    }
    ledger_.Pay(*charge);
    std::optional<double> units;
    if (price && *price > 0 && std::floor(*charge / *price) == *charge / *price) {
      units = *charge / *price;
    }
    if (model) {
      ledger_.Bought(*model, units);
    } else {
      for (int k = 1; k <= kModelCount; ++k) ledger_.Bought(k, std::nullopt);
    }
    return true;
  }

  if (form_index == places_.form3) {
    for (int k = 1; k <= kModelCount; ++k) {
      if (control != places_.sell[static_cast<std::size_t>(k - 1)]) continue;
      const std::string price = form->At(places_.price[static_cast<std::size_t>(k - 1)]).caption;
      driver_.Click(*form, control);
      ++tally_.sales;
      // The price label is all the player knows of what a sale brings.
      ledger_.Receive(Read(price).value_or(0));
      ledger_.Sold(k);
      return true;
    }
  }

  if (form_index == places_.form1 && control == places_.ok) {
    const std::string deposit = form->At(places_.deposit).caption;
    driver_.Click(*form, control);
    if (form->At(places_.ok).visible || game.Ended()) return true;
    ++tally_.deposits;
    const auto amount = Read(deposit);
    if (!amount) {
      breach_ = Unreadable("a deposit went through with the text", deposit);
      return true;
    }
    ledger_.Pay(*amount);
    return true;
  }

  if (form_index == places_.form1 && control == places_.win) {
    const double cash = Read(main.At(places_.cash).caption).value_or(0);
    const int messages = messages_;
    driver_.Click(*form, control);
    const bool won = game.Ended();
    if (won != (cash >= kGoal)) {
      breach_ = Breach{"win",
                       won ? "the win button ended the game with the cash below 10000000"
                           : "the win button left the game running with the cash at 10000000 "
                             "or more",
                       {won ? "expect running" : "expect ended"}};
    } else if (won && messages_ == messages) {
      breach_ = Breach{"win", "the game was won without a message box", {}};
    }
    return true;
  }

  driver_.Click(*form, control);
  return true;
}

Replayed Replay(const Project& project, const Places& places, const Steps& steps,
                const ExtraCheck& extra) {
  Session session(project, places, extra);
  if (session.Breached()) return {session.Breached(), 0};
  for (std::size_t i = 0; i < steps.size(); ++i) {
    session.Do(steps[i]);
    if (session.Breached()) return {session.Breached(), i + 1};
  }
  return {};
}

}  // namespace avtosalon::random_play
