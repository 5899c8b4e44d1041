#include "forms/form1/form1.h"
#include "game/numeric_text.h"

namespace avtosalon::form1 {
namespace {

// A deposit is an amount of at least 0 that rounds into 32 bits; anything else is what the
// player types on the way to one. "-0.4" rounds to 0 but Ok would pay it out, so the
// sign is judged on the text as typed.
std::optional<std::int32_t> Deposit(std::string_view text) {
  const auto deposit = ReadLong(text);
  if (!deposit.Ok() || *ReadDouble(text).value < 0) return std::nullopt;
  return deposit.value;
}

void ShowShortage(const Bank& bank) {
  bank.ok.SetEnabled(false);
  bank.shortage.SetVisible(true);
}

}  // namespace

void Text1Change(Program& rt) {
  const Main& main = rt.Window<Main>();
  const Bank& bank = main.bank;
  const std::string text = bank.deposit.Text();
  const auto deposit = Deposit(text);
  if (!deposit) {
    bank.interest.SetCaption("");
    bank.timer.SetEnabled(false);
    bank.ok.SetVisible(true);
    bank.cancel.SetVisible(true);
    bank.ok.SetEnabled(false);
    return;
  }
  const std::int32_t interest = RoundToLong(CheckedDivide(*deposit, 100.0));
  bank.interest.SetCaption(NumberToText(interest));
  bank.timer.SetEnabled(false);
  // The deposit as typed, fraction and all, against the cash as it is.
  const double cash = TextToDouble(main.cash.Caption());
  bank.ok.SetVisible(true);
  bank.cancel.SetVisible(true);
  if (cash < TextToDouble(text)) {
    ShowShortage(bank);
  } else if (!bank.shortage.Visible()) {
    bank.ok.SetEnabled(true);
  }
}

void Command4Click(Program& rt) {
  const Main& main = rt.Window<Main>();
  const Bank& bank = main.bank;
  const std::string cash = main.cash.Caption();
  const std::string deposit = bank.deposit.Text();
  // The cash may have fallen since the deposit was typed.
  if (TextToDouble(deposit) > TextToDouble(cash)) {
    ShowShortage(bank);
    return;
  }
  main.cash.SetCaption(NumberToText(TextSubtract(cash, deposit)));
  bank.timer.SetEnabled(true);
  bank.ok.SetVisible(false);
}

void Timer1Timer(Program& rt) {
  const Bank& bank = rt.Window<Main>().bank;
  const auto interest = ReadLong(bank.interest.Caption());
  if (!interest.Ok()) return;
  bank.tick.SetCaption(NumberToText(*interest.value));
}

void Command5Click(Program& rt) {
  const Bank& bank = rt.Window<Main>().bank;
  bank.ok.SetEnabled(true);
  bank.deposit.SetText(NumberToText(std::int32_t{0}));
  bank.interest.SetCaption("0");
  bank.shortage.SetVisible(false);
}

void Command6Click(Program& rt) {
  const Bank& bank = rt.Window<Main>().bank;
  bank.deposit.SetText("0");
  bank.interest.SetCaption("0");
  bank.ok.SetVisible(false);
}

void Command7Click(Program& rt) {
  const double cash = TextToDouble(rt.Window<Main>().cash.Caption());
  if (cash >= 10000000.0) {
    rt.MsgBox("Вы выйграли и купили автосалон!!!", kInformationStyle, "Вы выйграли !!!");
    rt.End();
  } else {
    rt.MsgBox("За эти гроши???", kErrorStyle, "Да вы чо!!!");
  }
}

}  // namespace avtosalon::form1
