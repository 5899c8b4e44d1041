#include "tools/random/random_player.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "game/catalogue.h"
#include "game/numeric_text.h"
#include "tools/scenario/script_writer.h"

namespace avtosalon::random_play {
namespace {

constexpr std::uint32_t kPlannedPercent = 60;
// One in so many wild steps presses "Выход", and as many close the main window: games last
// a few thousand steps unless they are won first.
constexpr std::uint32_t kEndOneIn = 2500;

// Pieces of text that numbers are made of, and some they are not.
// clang-format off
constexpr std::string_view kPieces[] = {
    "", " ", "  ", "-", "+", ".", ",", "..", "E", "e", "E+", "E-", "e5", "E+3", "1E", "E5",
    "1e+", "--1", "+-1", "1.2.3", "1d5", "5%", "1,5", "1 000", "1_000", ".5", "5.", "007", "00",
    "0", "3", "0.1", "0.5", "1.5", "2.5", "-0.5", "-0.4", "0.000001", "1e-5", "2.5E-7",
    "1E-320", "4.9E-324", "1E308", "1E309", "-1E309", "1E+15", "1000000", "10000000",
    "32767", "32768", "2147483647", "2147483648", "-2147483648", "-2147483649",
    "99999999999999999999", "123456789012345678", "&H10", "&O17", "0x1A", "nan", "NaN", "inf",
    "-Infinity", "abc", "Z", "x", "$", "%", "#", "\"", "\\", "'", "!", "(", ")", "*", "/",
    "абв", "Ёж", "рубль", "１２", "٣", "\u00a0", "½", "€", "\u200b", "🚗"};
// clang-format on

constexpr std::array<scenario::Key, 6> kKeys{scenario::Key::kBackSpace, scenario::Key::kDelete,
                                             scenario::Key::kHome,      scenario::Key::kEnd,
                                             scenario::Key::kLeft,      scenario::Key::kRight};

std::optional<double> Read(const std::string& text) { return ReadDouble(text).value; }

int CheapestCountry(int model) {
  int best = 1;
  for (int c = 2; c <= kCountryCount; ++c) {
    if (Price(model, c) < Price(model, best)) best = c;
  }
  return best;
}

int DearestCountry(int model) {
  int best = 1;
  for (int c = 2; c <= kCountryCount; ++c) {
    if (Price(model, c) > Price(model, best)) best = c;
  }
  return best;
}

std::string Whole(std::int64_t n) { return std::to_string(n); }

}  // namespace

RandomPlayer::RandomPlayer(const Project& project, const Places& places, Chooser& chooser)
    : project_(project), places_(places), chooser_(chooser) {}

double RandomPlayer::Cash(const Runtime& game) const {
  return Read(game.FormAt(places_.form1)->At(places_.cash).caption).value_or(0);
}

scenario::Action RandomPlayer::ClickOn(const Form& form, int control) const {
  return scenario::Click{scenario::TargetOf(project_, form.Index(), control)};
}

std::optional<scenario::Action> RandomPlayer::Next(const Runtime& game) {
  if (game.Ended()) return std::nullopt;
  std::vector<const Form*> visible;
  for (int i = 0; i < game.FormCount(); ++i) {
    const Form* form = game.FormAt(i);
    if (form && form->Visible()) visible.push_back(form);
  }
  if (visible.empty()) return scenario::Wait{0};
  const Form& form = *visible[chooser_.Below(static_cast<std::uint32_t>(visible.size()))];
  if (chooser_.Percent(kPlannedPercent)) {
    if (auto step = Planned(game, form)) return step;
  }
  return Wild(game, form);
}

std::optional<scenario::Action> RandomPlayer::Planned(const Runtime& game, const Form& form) {
  if (form.Index() == places_.form2) return PlannedPurchase(game, form);
  if (form.Index() == places_.form3) return PlannedSale(game, form);
  if (form.Index() != places_.form1) return std::nullopt;
  if (Cash(game) >= 10000000 && form.Reachable(places_.win)) return ClickOn(form, places_.win);
  // Now and then a visit to the bank, and a wait for its interest.
  if (chooser_.Percent(20)) {
    if (form.Reachable(places_.deposit_shortage)) return ClickOn(form, places_.deposit_shortage);
    if (form.Reachable(places_.ok) && chooser_.Percent(60)) return ClickOn(form, places_.ok);
    if (chooser_.Percent(30)) return scenario::Wait{chooser_.Between(2500, 7000)};
    if (form.Reachable(places_.deposit)) {
      const auto most = static_cast<std::int64_t>(std::max(0.0, std::floor(Cash(game) / 50)));
      return scenario::Paste{scenario::TargetOf(project_, form.Index(), places_.deposit),
                             Whole(chooser_.Between(0, most)) + (chooser_.Percent(20) ? ".5" : "")};
    }
  }
  for (const int counter : places_.fleet) {
    if (Read(form.At(counter).caption).value_or(0) > 0 && form.Reachable(places_.sell_window)) {
      return ClickOn(form, places_.sell_window);
    }
  }
  if (form.Reachable(places_.buy_window)) return ClickOn(form, places_.buy_window);
  return std::nullopt;
}

std::optional<scenario::Action> RandomPlayer::PlannedPurchase(const Runtime& game,
                                                              const Form& form) {
  const double cash = Cash(game);
  const double price = Read(form.At(places_.unit_price).caption).value_or(0);
  if (form.Reachable(places_.buy_shortage)) {
    return ClickOn(form, price > cash ? places_.buy_back : places_.buy_shortage);
  }
  if (form.Reachable(places_.quantity) && form.Reachable(places_.buy) && price > 0) {
    const double total = Read(form.At(places_.total).caption).value_or(-1);
    const std::string& typed = form.At(places_.quantity).caption;
    if (total >= 0 && total <= cash && (typed == planned_quantity_ || total + price > cash)) {
      return ClickOn(form, places_.buy);
    }
    const auto most = static_cast<std::int64_t>(std::floor(cash / price));
    if (most < 1) return ClickOn(form, places_.buy_back);
    planned_quantity_ = Whole(chooser_.Percent(70) ? most : chooser_.Between(1, most));
    return scenario::Paste{scenario::TargetOf(project_, form.Index(), places_.quantity),
                           planned_quantity_};
  }
  if (form.Reachable(places_.to_quantity)) return ClickOn(form, places_.to_quantity);
  const auto model = ShownModel(form, places_);
  if (model && form.Reachable(places_.countries[0])) {
    const int country = chooser_.Percent(80) ? CheapestCountry(*model)
                                             : 1 + static_cast<int>(chooser_.Below(kCountryCount));
    if (form.At(places_.unit_price).caption == NumberToText(Price(*model, country)) &&
        form.Reachable(places_.unit_price)) {
      return ClickOn(form, places_.unit_price);
    }
    return ClickOn(form, places_.countries[static_cast<std::size_t>(country - 1)]);
  }
  if (form.Reachable(places_.to_countries)) return ClickOn(form, places_.to_countries);
  if (form.Reachable(places_.models)) {
    return scenario::Select{scenario::TargetOf(project_, form.Index(), places_.models),
                            static_cast<int>(chooser_.Below(kModelCount))};
  }
  if (form.Reachable(places_.buy_back)) return ClickOn(form, places_.buy_back);
  return std::nullopt;
}

std::optional<scenario::Action> RandomPlayer::PlannedSale(const Runtime& game, const Form& form) {
  const Form& main = *game.FormAt(places_.form1);
  for (int k = 1; k <= kModelCount; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const int dearest = DearestCountry(k);
    const bool best_price = form.At(places_.price[i]).caption == NumberToText(Price(k, dearest));
    const bool owned = Read(main.At(places_.fleet[i]).caption).value_or(0) > 0;
    if (form.Reachable(places_.sell[i])) {
      if (!best_price && form.Reachable(places_.country_list[i]) && chooser_.Percent(70)) {
        return scenario::Select{scenario::TargetOf(project_, form.Index(), places_.country_list[i]),
                                dearest - 1};
      }
      return ClickOn(form, places_.sell[i]);
    }
    if (!owned) continue;
    if (form.Reachable(places_.country_list[i])) {
      return scenario::Select{scenario::TargetOf(project_, form.Index(), places_.country_list[i]),
                              dearest - 1};
    }
    if (form.Reachable(places_.model_button[i])) return ClickOn(form, places_.model_button[i]);
  }
  if (form.Reachable(places_.sell_back)) return ClickOn(form, places_.sell_back);
  return std::nullopt;
}

scenario::Action RandomPlayer::Wild(const Runtime& game, const Form& form) {
  const bool main = form.Index() == places_.form1;
  if (main && chooser_.Below(kEndOneIn) == 0 && form.Reachable(places_.exit)) {
    return ClickOn(form, places_.exit);
  }
  if (main && chooser_.Below(kEndOneIn) == 0) return scenario::Close{form.Index()};

  enum class Kind { kClick, kSelect, kType, kPaste, kPress, kClose, kWait };
  struct Choice {
    std::uint32_t weight;
    Kind kind;
    int control;
  };
  std::vector<Choice> choices;
  for (int i = 0; i < static_cast<int>(form.Controls().size()); ++i) {
    if (!form.Reachable(i)) continue;
    const Control& control = form.At(i);
    switch (control.Kind()) {
      case ControlKind::kTimer:
      case ControlKind::kLine:
        break;
      case ControlKind::kListBox:
        choices.push_back({15, Kind::kSelect, i});
        break;
      case ControlKind::kTextBox:
        choices.push_back({10, Kind::kType, i});
        choices.push_back({10, Kind::kPaste, i});
        choices.push_back({6, Kind::kPress, i});
        choices.push_back({1, Kind::kClick, i});
        break;
      default:
        if (main && i == places_.exit) break;
        if (main && i == places_.win) {
          choices.push_back({4, Kind::kClick, i});
        } else {
          choices.push_back(
              {form.HandlerFor(control.Name(), Event::kClick) ? 20u : 2u, Kind::kClick, i});
        }
    }
  }
  if (!main) choices.push_back({3, Kind::kClose, -1});
  choices.push_back({6, Kind::kWait, -1});

  std::uint32_t total = 0;
  for (const Choice& choice : choices) total += choice.weight;
  std::uint32_t pick = chooser_.Below(total);
  const Choice* chosen = &choices.back();
  for (const Choice& choice : choices) {
    if (pick < choice.weight) {
      chosen = &choice;
      break;
    }
    pick -= choice.weight;
  }

  const int control = chosen->control;
  switch (chosen->kind) {
    case Kind::kClick:
      return ClickOn(form, control);
    case Kind::kSelect: {
      const auto items = static_cast<std::uint32_t>(form.At(control).items.size());
      return scenario::Select{scenario::TargetOf(project_, form.Index(), control),
                              static_cast<int>(chooser_.Below(items == 0 ? 1 : items))};
    }
    case Kind::kType:
      return scenario::Type{scenario::TargetOf(project_, form.Index(), control), TextToType()};
    case Kind::kPaste:
      return scenario::Paste{scenario::TargetOf(project_, form.Index(), control),
                             TextToPaste(game, form, control)};
    case Kind::kPress: {
      const int count = chooser_.Percent(70) ? 1 : 2 + static_cast<int>(chooser_.Below(3));
      return scenario::Press{scenario::TargetOf(project_, form.Index(), control),
                             kKeys[chooser_.Below(static_cast<std::uint32_t>(kKeys.size()))],
                             count};
    }
    case Kind::kClose:
      return scenario::Close{form.Index()};
    case Kind::kWait: {
      const std::uint32_t r = chooser_.Below(100);
      if (r < 40) return scenario::Wait{chooser_.Between(0, 500)};
      if (r < 70) return scenario::Wait{chooser_.Between(2900, 3100)};
      return scenario::Wait{chooser_.Between(0, 7000)};
    }
  }
  return scenario::Wait{0};
}

std::string RandomPlayer::TextToPaste(const Runtime& game, const Form& form, int box) {
  const double cash = Cash(game);
  const std::uint32_t r = chooser_.Below(100);
  if (form.Index() == places_.form2 && box == places_.quantity) {
    const double price = Read(form.At(places_.unit_price).caption).value_or(0);
    const std::int64_t most =
        price > 0 ? static_cast<std::int64_t>(std::floor(std::min(cash / price, 2E9))) : 100;
    if (r < 55) return Whole(chooser_.Between(0, std::max<std::int64_t>(1, most)));
    if (r < 65) return Whole(chooser_.Between(most + 1, most + 1 + chooser_.Between(0, 1000000)));
    if (r < 72) {
      const std::string n = Whole(chooser_.Between(0, std::max<std::int64_t>(1, most)));
      constexpr std::array<std::string_view, 5> kDressed{" ", "+", ".5", "E0", ".49"};
      const std::string_view dress =
          kDressed[chooser_.Below(static_cast<std::uint32_t>(kDressed.size()))];
      return dress == " " ? " " + n + " " : dress == "+" ? "+" + n : n + std::string(dress);
    }
    return Garbage();
  }
  if (form.Index() == places_.form1 && box == places_.deposit) {
    const auto most = static_cast<std::int64_t>(std::max(0.0, std::floor(cash / 20)));
    if (r < 50) return Whole(chooser_.Between(0, most));
    if (r < 60) return Whole(chooser_.Between(0, most)) + ".5";
    if (r < 68) {
      return Whole(static_cast<std::int64_t>(std::floor(cash)) + chooser_.Between(1, 1000000));
    }
    if (r < 72) return "0";
    return Garbage();
  }
  return Garbage();
}

std::string RandomPlayer::TextToType() {
  const std::uint32_t r = chooser_.Below(100);
  if (r < 50) return std::string(1, static_cast<char>('0' + chooser_.Below(10)));
  if (r < 70) return Whole(chooser_.Between(10, 999));
  return std::string(kPieces[chooser_.Below(std::size(kPieces))]);
}

std::string RandomPlayer::Garbage() {
  std::string text;
  const std::uint32_t pieces = 1 + chooser_.Below(3);
  for (std::uint32_t i = 0; i < pieces; ++i) {
    const std::uint32_t r = chooser_.Below(100);
    if (r < 50) {
      text += kPieces[chooser_.Below(std::size(kPieces))];
    } else if (r < 75) {
      const std::uint32_t digits = 1 + chooser_.Below(chooser_.Percent(80) ? 7 : 25);
      for (std::uint32_t d = 0; d < digits; ++d)
        text += static_cast<char>('0' + chooser_.Below(10));
    } else {
      text += Whole(chooser_.Between(-1000000, 100000000));
      if (chooser_.Percent(40)) text += "." + Whole(chooser_.Between(0, 99999));
      if (chooser_.Percent(30)) {
        text += (chooser_.Percent(50) ? "E" : "e") + std::string(chooser_.Percent(50) ? "-" : "+") +
                Whole(chooser_.Between(0, 400));
      }
    }
  }
  return text;
}

}  // namespace avtosalon::random_play
