// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/random/invariants.h"

#include <cmath>

#include "game/numeric_text.h"
#include "tools/scenario/script.h"

namespace avtosalon::random_play {
namespace {

constexpr double kExactBelow = 1E14;

bool WholeOrHalf(double x) { return std::isfinite(x) && std::floor(2 * x) == 2 * x; }

const std::string& CaptionOf(const Runtime& game, int form, int control) {
  return game.FormAt(form)->At(control).caption;
}

std::string Name(const Runtime& game, int form, int control) {
  const Form& window = *game.FormAt(form);
  return window.Name() + "." + window.At(control).Name();
}

std::string Expect(const Runtime& game, int form, int control, std::string_view value) {
  return "expect " + Name(game, form, control) + ".Caption " + scenario::Quote(value);
}

std::string Print(const Runtime& game, int form, int control) {
  return "print " + Name(game, form, control) + ".Caption";
}

Breach Broken(std::string invariant, std::string detail, std::vector<std::string> expectations) {
  return Breach{std::move(invariant), std::move(detail), std::move(expectations)};
}

std::optional<Breach> CheckWindows(const Runtime& game) {
  std::vector<std::string> visible;
  for (int i = 0; i < game.FormCount(); ++i) {
    const Form* form = game.FormAt(i);
    if (form && form->Visible()) visible.push_back(form->Name());
  }
  if (visible.size() == 1) return std::nullopt;
  std::string list;
  for (const std::string& name : visible) list += (list.empty() ? "" : ", ") + name;
  const std::string expected =
      visible.empty() ? game.GetProject().forms.front().spec.name : visible.front();
  return Broken("one-window",
                std::to_string(visible.size()) + " windows are visible" +
                    (list.empty() ? "" : ": " + list) + ", and the program is running",
                {"expect visible " + expected});
}

// A field that must read as a number at or above 0.
std::optional<Breach> CheckCount(const Runtime& game, int form, int control, double& value) {
  const std::string& caption = CaptionOf(game, form, control);
  const Reading<double> reading = ReadDouble(caption);
  if (!reading.Ok()) {
    return Broken("unreadable",
                  Name(game, form, control) + " reads " + scenario::Quote(caption) +
                      ", which is not a number",
                  {Print(game, form, control)});
  }
  value = *reading.value;
  if (value >= 0) return std::nullopt;
  return Broken("negative", Name(game, form, control) + " reads " + caption + ", below 0",
                {Print(game, form, control)});
}

std::optional<Breach> CheckMoney(const Runtime& game, const Places& places, const Ledger& ledger,
                                 double cash) {
  const double difference = std::fabs(cash - ledger.Cash());
  if (ledger.Exact() ? difference == 0 : difference <= ledger.Slack()) return std::nullopt;
  const std::string expected = NumberToText(ledger.Cash());
  return Broken("money",
                "the cash reads " + CaptionOf(game, places.form1, places.cash) +
                    "; from 1000000 the purchases, deposits and sales make " + expected +
                    (ledger.Exact() ? "" : " (within " + NumberToText(ledger.Slack()) + ")"),
                {Expect(game, places.form1, places.cash, expected)});
}

std::optional<Breach> CheckMirror(const Runtime& game, const Places& places, int form, int mirror) {
  const Form* window = game.FormAt(form);
  if (!window || !window->Visible()) return std::nullopt;
  const std::string& cash = CaptionOf(game, places.form1, places.cash);
  const std::string& shown = window->At(mirror).caption;
  if (shown == cash) return std::nullopt;
  return Broken("cash-mirror",
                Name(game, form, mirror) + " reads " + scenario::Quote(shown) +
                    " while the cash reads " + scenario::Quote(cash),
                {Expect(game, form, mirror, cash)});
}

std::optional<Breach> CheckStock(const Runtime& game, const Places& places) {
  const Form* sales = game.FormAt(places.form3);
  if (!sales || !sales->Visible()) return std::nullopt;
  for (int k = 0; k < kModelCount; ++k) {
    if (!sales->At(places.sell[static_cast<std::size_t>(k)]).enabled) continue;
    const int stock = places.stock[static_cast<std::size_t>(k)];
    const std::string& shown = sales->At(stock).caption;
    const std::string& owned =
        CaptionOf(game, places.form1, places.fleet[static_cast<std::size_t>(k)]);
    if (shown == owned) continue;
    return Broken("stock",
                  Name(game, places.form3, stock) + " reads " + scenario::Quote(shown) +
                      " on offer while its fleet counter reads " + scenario::Quote(owned),
                  {Expect(game, places.form3, stock, owned)});
  }
  return std::nullopt;
}

}  // namespace

void Ledger::Move(double amount) {
  const double before = cash_;
  cash_ += amount;
  if (exact_ && (!WholeOrHalf(amount) || !WholeOrHalf(cash_) || std::fabs(amount) >= kExactBelow ||
                 std::fabs(cash_) >= kExactBelow)) {
    exact_ = false;
  }
  // Reading and writing a 15-digit field rounds by at most half a unit in its 15th digit.
  if (!exact_) slack_ += 1E-14 * (std::fabs(before) + std::fabs(amount) + std::fabs(cash_));
}

void Ledger::Bought(int model, std::optional<double> units) {
  auto& fleet = fleet_[static_cast<std::size_t>(model - 1)];
  if (fleet && units) {
    *fleet += *units;
  } else {
    fleet.reset();
  }
}

void Ledger::Sold(int model) {
  auto& fleet = fleet_[static_cast<std::size_t>(model - 1)];
  if (fleet) *fleet -= 1;
}

std::optional<double> Ledger::Fleet(int model) const {
  return fleet_[static_cast<std::size_t>(model - 1)];
}

std::optional<Breach> CheckState(const Runtime& game, const Places& places, const Ledger& ledger,
                                 Ending ending) {
  if (const auto fatal = game.Fatal()) {
    return Broken("fatal",
                  "the fatal-error path was taken: " + std::string(FailureKindName(*fatal)),
                  {"expect running"});
  }
  if (ending == Ending::kOther) {
    return Broken("ended", "the program ended without Выход, a close box or the win button",
                  {"expect running"});
  }
  if (!game.Ended()) {
    if (auto breach = CheckWindows(game)) return breach;
  }

  double cash = 0;
  if (auto breach = CheckCount(game, places.form1, places.cash, cash)) return breach;
  std::array<double, kModelCount> fleet{};
  for (int k = 0; k < kModelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (auto breach = CheckCount(game, places.form1, places.fleet[i], fleet[i])) return breach;
  }
  if (auto breach = CheckMoney(game, places, ledger, cash)) return breach;
  for (int k = 1; k <= kModelCount; ++k) {
    const auto expected = ledger.Fleet(k);
    const int counter = places.fleet[static_cast<std::size_t>(k - 1)];
    if (!expected || *expected == fleet[static_cast<std::size_t>(k - 1)]) continue;
    return Broken("fleet",
                  Name(game, places.form1, counter) + " reads " +
                      CaptionOf(game, places.form1, counter) +
                      "; the units bought less the units sold make " + NumberToText(*expected),
                  {Expect(game, places.form1, counter, NumberToText(*expected))});
  }

  if (game.Ended()) return std::nullopt;
  if (auto breach = CheckMirror(game, places, places.form2, places.buy_mirror)) return breach;
  if (auto breach = CheckMirror(game, places, places.form3, places.sell_mirror)) return breach;
  return CheckStock(game, places);
}

}  // namespace avtosalon::random_play
