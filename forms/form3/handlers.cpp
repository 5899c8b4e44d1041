#include "forms/form1/form1.h"
#include "forms/form3/form3.h"
#include "game/catalogue.h"
#include "game/numeric_text.h"

namespace avtosalon::form3 {
namespace {

// Sells only while the stock reads above 0: a negative stock must not sell on forever.
void OfferWhileInStock(const SalesColumn& column) {
  if (TextToDouble(column.stock.Caption()) <= 0) column.sell.SetEnabled(false);
}

// One of the four double steps of a sale: read, add, write.
void AddTo(const Label& field, double amount) {
  field.SetCaption(NumberToText(CheckedAdd(TextToDouble(field.Caption()), amount)));
}

}  // namespace

void ModelButtonClick(Program& rt, Column chosen) {
  const Sales& form = rt.Window<Sales>();
  const auto others = [&](auto each) {
    for (int k = 1; k <= kModelCount; ++k) {
      if (k != chosen.k) each(form.columns[k - 1]);
    }
  };
  form.columns[chosen.k - 1].countries.SetEnabled(true);
  others([](const SalesColumn& column) { column.countries.SetEnabled(false); });
  others([](const SalesColumn& column) { column.price.SetEnabled(false); });
  for (const SalesColumn& column : form.columns) column.stock.SetEnabled(false);
  others([](const SalesColumn& column) { column.sell.SetEnabled(false); });
}

void CountryListClick(Program& rt, Column chosen) {
  const SalesColumn& column = rt.Window<Sales>().columns[chosen.k - 1];
  column.price.SetEnabled(true);
  column.stock.SetEnabled(true);
  column.sell.SetEnabled(true);
  column.stock.SetCaption(rt.Window<form1::Main>().fleet[chosen.k - 1].Caption());
  const int item = column.countries.ListIndex();
  if (item >= 0 && item < kCountryCount) {
    column.price.SetCaption(NumberToText(Price(chosen.k, item + 1)));
  }
  OfferWhileInStock(column);
}

void SellButtonClick(Program& rt, Column chosen) {
  const Sales& form = rt.Window<Sales>();
  const form1::Main& main = rt.Window<form1::Main>();
  const SalesColumn& column = form.columns[chosen.k - 1];
  const double price = LeadingValue(column.price.Caption());
  AddTo(main.cash, price);
  AddTo(form.cash, price);
  AddTo(column.stock, -1);
  AddTo(main.fleet[chosen.k - 1], -1);
  OfferWhileInStock(column);
}

void Command13Click(Program& rt) {
  rt.Window<form1::Main>().window.Show();
  const Sales& form = rt.Window<Sales>();
  form.window.Hide();
  for (const SalesColumn& column : form.columns) column.countries.SetEnabled(false);
  for (const SalesColumn& column : form.columns) column.price.SetEnabled(false);
  for (const SalesColumn& column : form.columns) column.stock.SetEnabled(false);
  for (const SalesColumn& column : form.columns) column.sell.SetEnabled(false);
}

}  // namespace avtosalon::form3
