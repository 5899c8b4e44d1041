#include <array>
#include <string>

#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "game/catalogue.h"
#include "game/numeric_text.h"

namespace avtosalon::form2 {
namespace {

std::string Numbered(std::string_view kind, int n) { return std::string(kind) + std::to_string(n); }

// The model whose picture the model display shows, found by the picture's handle.
std::optional<int> DisplayedModel(const FormRef& form) {
  const std::int32_t shown = HandleOf(form["Image1"].Picture());
  std::optional<int> model;
  for (int n = 1; n <= kModelCount; ++n) {
    if (shown != 0 && shown == HandleOf(form[Numbered("Picture", n)].Picture())) model = n;
  }
  return model;
}

void SetVisible(const FormRef& form, std::initializer_list<std::string_view> names, bool visible) {
  for (const std::string_view name : names) form[name].SetVisible(visible);
}

void ShowCountries(const FormRef& form, bool visible) {
  for (int country = 1; country <= kCountryCount; ++country) {
    form[Numbered("Option", country)].SetVisible(visible);
  }
}

void ShowShortage(const FormRef& form) {
  form["Command1"].SetEnabled(false);
  form["Command4"].SetVisible(true);
  form["Text1"].SetEnabled(false);
}

// A quantity is a number of at least 0 that rounds into 32 bits.
std::optional<std::int32_t> Quantity(std::string_view text) {
  const auto quantity = ReadLong(text);
  if (!quantity.Ok() || *ReadDouble(text).value < 0) return std::nullopt;
  return quantity.value;
}

}  // namespace

void List1Click(Runtime& rt) {
  const FormRef form = rt.Window("Form2");
  const int item = form["List1"].ListIndex();
  if (item >= 0 && item < kModelCount) {
    form["Image1"].SetPicture(form[Numbered("Picture", item + 1)].Picture());
  }
  form["Command2"].SetVisible(true);
  // A new model means a new price: the country step has to be taken again for it.
  SetVisible(form,
             {"Label1", "Label2", "Command3", "Label5", "Text1", "Label4", "Label3", "Command4",
              "Command1"},
             false);
  ShowCountries(form, false);
  form["Command1"].SetEnabled(true);
  form["Text1"].SetEnabled(true);
}

void Command2Click(Runtime& rt) {
  const FormRef form = rt.Window("Form2");
  SetVisible(form, {"Label1", "Label2"}, true);
  ShowCountries(form, true);
  SetVisible(form, {"List1", "Command2"}, false);
  form["Label1"].SetCaption(NumberToText(std::int32_t{0}));
}

void OptionClick(Runtime& rt, int country) {
  const FormRef form = rt.Window("Form2");
  const auto model = DisplayedModel(form);
  form["Label1"].SetCaption(model ? NumberToText(Price(*model, country)) : NumberToText(Empty{}));
}

void Label1Click(Runtime& rt) {
  const FormRef form = rt.Window("Form2");
  const auto price = ReadDouble(form["Label1"].Caption());
  if (price.Ok() && *price.value > 0) form["Command3"].SetVisible(true);
}

void Command3Click(Runtime& rt) {
  const FormRef form = rt.Window("Form2");
  SetVisible(form, {"Label1", "Label2"}, false);
  ShowCountries(form, false);
  form["Command3"].SetVisible(false);
  SetVisible(form, {"Label3", "Label4", "Label5", "Text1", "Command1"}, true);
  // Writing the text it already holds raises no Change, yet the shortage has to follow the
  // new price all the same.
  const bool already_one = form["Text1"].Text() == NumberToText(std::int32_t{1});
  form["Text1"].SetText(NumberToText(std::int32_t{1}));
  if (already_one) Text1Change(rt);
  form["Label3"].SetCaption(form["Label1"].Caption());
}

void Text1Change(Runtime& rt) {
  const FormRef form = rt.Window("Form2");
  const auto quantity = Quantity(form["Text1"].Text());
  if (!quantity) {
    form["Label3"].SetCaption("");
    form["Command1"].SetEnabled(false);
    return;
  }
  const std::int64_t price = TextToLong(form["Label1"].Caption());
  const double cash = TextToDouble(form["Label6"].Caption());
  const std::int64_t total = *quantity * price;
  form["Label3"].SetCaption(NumberToText(total));
  if (static_cast<double>(total) > cash) {
    ShowShortage(form);
  } else if (!form["Command4"].Visible()) {
    form["Command1"].SetEnabled(true);
  }
}

void Command4Click(Runtime& rt) {
  const FormRef form = rt.Window("Form2");
  form["Text1"].SetText(NumberToText(std::int32_t{1}));
  form["Label3"].SetCaption(form["Label1"].Caption());
  // One unit the cash cannot pay keeps the shortage; the way out is "Назад".
  if (TextToDouble(form["Label1"].Caption()) > TextToDouble(form["Label6"].Caption())) return;
  form["Command4"].SetVisible(false);
  form["Command1"].SetEnabled(true);
  form["Text1"].SetEnabled(true);
}

void Command1Click(Runtime& rt) {
  const FormRef form = rt.Window("Form2");
  // Everything is read and checked before anything is written: a purchase is all or nothing.
  const std::string cash = rt.Window("Form1")["Label1"].Caption();
  const std::string total = form["Label3"].Caption();
  const auto quantity = Quantity(form["Text1"].Text());
  const auto charge = ReadDouble(total);
  if (!quantity || !charge.Ok()) return;
  if (*charge.value > TextToDouble(cash)) {
    ShowShortage(form);
    return;
  }
  const double remaining = TextSubtract(cash, total);
  const auto model = DisplayedModel(form);
  std::array<std::string, kModelCount> fleet;
  for (int n = 1; n <= kModelCount; ++n) {
    fleet[n - 1] = rt.Window("Form1")[form1::FleetCounter(n)].Caption();
    if (model == n) fleet[n - 1] = NumberToText(TextAdd(fleet[n - 1], *quantity));
  }

  rt.Window("Form1").Show();
  rt.Window("Form1")["Label1"].SetCaption(NumberToText(remaining));
  for (int n = 1; n <= kModelCount; ++n) {
    rt.Window("Form1")[form1::FleetCounter(n)].SetCaption(fleet[n - 1]);
  }
  SetVisible(form, {"Label3", "Label4", "Label5", "Text1", "Command1"}, false);
  rt.Window("Form2").Hide();
}

void Command5Click(Runtime& rt) {
  rt.Window("Form1").Show();
  rt.Window("Form2").Hide();
}

}  // namespace avtosalon::form2
