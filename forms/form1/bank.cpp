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

void ShowShortage(const FormRef& form) {
  form["Command4"].SetEnabled(false);
  form["Command5"].SetVisible(true);
}

}  // namespace

void Text1Change(Runtime& rt) {
  const FormRef form = rt.Window("Form1");
  const std::string text = form["Text1"].Text();
  const auto deposit = Deposit(text);
  if (!deposit) {
    form["Label15"].SetCaption("");
    form["Timer1"].SetEnabled(false);
    form["Command4"].SetVisible(true);
    form["Command6"].SetVisible(true);
    form["Command4"].SetEnabled(false);
    return;
  }
  const std::int32_t interest = RoundToLong(CheckedDivide(*deposit, 100.0));
  form["Label15"].SetCaption(NumberToText(interest));
  form["Timer1"].SetEnabled(false);
  // The deposit as typed, fraction and all, against the cash as it is.
  const double cash = TextToDouble(form["Label1"].Caption());
  form["Command4"].SetVisible(true);
  form["Command6"].SetVisible(true);
  if (cash < TextToDouble(text)) {
    ShowShortage(form);
  } else if (!form["Command5"].Visible()) {
    form["Command4"].SetEnabled(true);
  }
}

void Command4Click(Runtime& rt) {
  const FormRef form = rt.Window("Form1");
  const std::string cash = form["Label1"].Caption();
  const std::string deposit = form["Text1"].Text();
  // The cash may have fallen since the deposit was typed.
  if (TextToDouble(deposit) > TextToDouble(cash)) {
    ShowShortage(form);
    return;
  }
  form["Label1"].SetCaption(NumberToText(TextSubtract(cash, deposit)));
  form["Timer1"].SetEnabled(true);
  form["Command4"].SetVisible(false);
}

void Timer1Timer(Runtime& rt) {
  const FormRef form = rt.Window("Form1");
  const auto interest = ReadLong(form["Label15"].Caption());
  if (!interest.Ok()) return;
  form["Label18"].SetCaption(NumberToText(*interest.value));
}

void Command5Click(Runtime& rt) {
  const FormRef form = rt.Window("Form1");
  form["Command4"].SetEnabled(true);
  form["Text1"].SetText(NumberToText(std::int32_t{0}));
  form["Label15"].SetCaption("0");
  form["Command5"].SetVisible(false);
}

void Command6Click(Runtime& rt) {
  const FormRef form = rt.Window("Form1");
  form["Text1"].SetText("0");
  form["Label15"].SetCaption("0");
  form["Command4"].SetVisible(false);
}

void Command7Click(Runtime& rt) {
  const double cash = TextToDouble(rt.Window("Form1")["Label1"].Caption());
  if (cash >= 10000000.0) {
    rt.MsgBox("Вы выйграли и купили автосалон!!!", kInformationStyle, "Вы выйграли !!!");
    rt.End();
  } else {
    rt.MsgBox("За эти гроши???", kErrorStyle, "Да вы чо!!!");
  }
}

}  // namespace avtosalon::form1
