#include <array>
#include <string>

#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "game/catalogue.h"
#include "game/numeric_text.h"

namespace avtosalon::form2 {
namespace {

// The model whose picture the model display shows, found by the picture's handle.
std::optional<int> DisplayedModel(const Purchase& form) {
  const std::int32_t shown = HandleOf(form.shown_model.Picture());
  std::optional<int> model;
  for (int n = 1; n <= kModelCount; ++n) {
    if (shown != 0 && shown == HandleOf(form.model_pictures[n - 1].Picture())) model = n;
  }
  return model;
}

template <typename... Handles>
void SetVisible(bool visible, const Handles&... handles) {
  (handles.SetVisible(visible), ...);
}

void ShowCountries(const Purchase& form, bool visible) {
  for (const OptionButton& country : form.countries) country.SetVisible(visible);
}

// The price step's controls, and the quantity step's.
void ShowPrice(const Purchase& form, bool visible) {
  SetVisible(visible, form.unit_price, form.dollar_sign);
}
void ShowQuantityStep(const Purchase& form, bool visible) {
  SetVisible(visible, form.total, form.total_caption, form.quantity_caption, form.quantity,
             form.buy);
}

void ShowShortage(const Purchase& form) {
  form.buy.SetEnabled(false);
  form.shortage.SetVisible(true);
  form.quantity.SetEnabled(false);
}

// A quantity is a number of at least 0 that rounds into 32 bits.
std::optional<std::int32_t> Quantity(std::string_view text) {
  const auto quantity = ReadLong(text);
  if (!quantity.Ok() || *ReadDouble(text).value < 0) return std::nullopt;
  return quantity.value;
}

}  // namespace

void List1Click(Program& rt) {
  const Purchase& form = rt.Window<Purchase>();
  const int item = form.models.ListIndex();
  if (item >= 0 && item < kModelCount) {
    form.shown_model.SetPicture(form.model_pictures[item].Picture());
  }
  form.to_countries.SetVisible(true);
  // A new model means a new price: the country step has to be taken again for it.
  SetVisible(false, form.unit_price, form.dollar_sign, form.to_quantity, form.quantity_caption,
             form.quantity, form.total_caption, form.total, form.shortage, form.buy);
  ShowCountries(form, false);
  form.buy.SetEnabled(true);
  form.quantity.SetEnabled(true);
}

void Command2Click(Program& rt) {
  const Purchase& form = rt.Window<Purchase>();
  ShowPrice(form, true);
  ShowCountries(form, true);
  SetVisible(false, form.models, form.to_countries);
  form.unit_price.SetCaption(NumberToText(std::int32_t{0}));
}

void OptionClick(Program& rt, int country) {
  const Purchase& form = rt.Window<Purchase>();
  const auto model = DisplayedModel(form);
  form.unit_price.SetCaption(model ? NumberToText(Price(*model, country)) : NumberToText(Empty{}));
}

void Label1Click(Program& rt) {
  const Purchase& form = rt.Window<Purchase>();
  const auto price = ReadDouble(form.unit_price.Caption());
  if (price.Ok() && *price.value > 0) form.to_quantity.SetVisible(true);
}

void Command3Click(Program& rt) {
  const Purchase& form = rt.Window<Purchase>();
  ShowPrice(form, false);
  ShowCountries(form, false);
  form.to_quantity.SetVisible(false);
  ShowQuantityStep(form, true);
  // Writing the text it already holds raises no Change, yet the shortage has to follow the
  // new price all the same.
  const bool already_one = form.quantity.Text() == NumberToText(std::int32_t{1});
  form.quantity.SetText(NumberToText(std::int32_t{1}));
  if (already_one) Text1Change(rt);
  form.total.SetCaption(form.unit_price.Caption());
}

void Text1Change(Program& rt) {
  const Purchase& form = rt.Window<Purchase>();
  const auto quantity = Quantity(form.quantity.Text());
  if (!quantity) {
    form.total.SetCaption("");
    form.buy.SetEnabled(false);
    return;
  }
  const std::int64_t price = TextToLong(form.unit_price.Caption());
  const double cash = TextToDouble(form.cash.Caption());
  const std::int64_t total = *quantity * price;
  form.total.SetCaption(NumberToText(total));
  if (static_cast<double>(total) > cash) {
    ShowShortage(form);
  } else if (!form.shortage.Visible()) {
    form.buy.SetEnabled(true);
  }
}

void Command4Click(Program& rt) {
  const Purchase& form = rt.Window<Purchase>();
  form.quantity.SetText(NumberToText(std::int32_t{1}));
  form.total.SetCaption(form.unit_price.Caption());
  // One unit the cash cannot pay keeps the shortage; the way out is "Назад".
  if (TextToDouble(form.unit_price.Caption()) > TextToDouble(form.cash.Caption())) return;
  form.shortage.SetVisible(false);
  form.buy.SetEnabled(true);
  form.quantity.SetEnabled(true);
}

void Command1Click(Program& rt) {
  const Purchase& form = rt.Window<Purchase>();
  const form1::Main& main = rt.Window<form1::Main>();
  // Everything is read and checked before anything is written: a purchase is all or nothing.
  const std::string cash = main.cash.Caption();
  const std::string total = form.total.Caption();
  const auto quantity = Quantity(form.quantity.Text());
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
    fleet[n - 1] = main.fleet[n - 1].Caption();
    if (model == n) fleet[n - 1] = NumberToText(TextAdd(fleet[n - 1], *quantity));
  }

  main.window.Show();
  main.cash.SetCaption(NumberToText(remaining));
  for (int n = 1; n <= kModelCount; ++n) main.fleet[n - 1].SetCaption(fleet[n - 1]);
  ShowQuantityStep(form, false);
  form.window.Hide();
}

void Command5Click(Program& rt) {
  rt.Window<form1::Main>().window.Show();
  rt.Window<Purchase>().window.Hide();
}

}  // namespace avtosalon::form2
