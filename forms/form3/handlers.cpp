#include "forms/form1/form1.h"
#include "forms/form3/form3.h"
#include "game/catalogue.h"
#include "game/numeric_text.h"

namespace avtosalon::form3 {
namespace {

// Sells only while the stock reads above 0: a negative stock must not sell on forever.
void OfferWhileInStock(const FormRef& form, Column column) {
  if (TextToDouble(form[column.StockLabel()].Caption()) <= 0) {
    form[column.SellButton()].SetEnabled(false);
  }
}

// One of the four double steps of a sale: read, add, write.
void AddTo(ControlRef field, double amount) {
  field.SetCaption(NumberToText(CheckedAdd(TextToDouble(field.Caption()), amount)));
}

}  // namespace

void ModelButtonClick(Runtime& rt, Column column) {
  const FormRef form = rt.Window("Form3");
  form[column.CountryList()].SetEnabled(true);
  for (int k = 1; k <= kModelCount; ++k) {
    if (k != column.k) form[Column{k}.CountryList()].SetEnabled(false);
  }
  for (int k = 1; k <= kModelCount; ++k) {
    if (k != column.k) form[Column{k}.PriceLabel()].SetEnabled(false);
  }
  for (int k = 1; k <= kModelCount; ++k) form[Column{k}.StockLabel()].SetEnabled(false);
  for (int k = 1; k <= kModelCount; ++k) {
    if (k != column.k) form[Column{k}.SellButton()].SetEnabled(false);
  }
}

void CountryListClick(Runtime& rt, Column column) {
  const FormRef form = rt.Window("Form3");
  form[column.PriceLabel()].SetEnabled(true);
  form[column.StockLabel()].SetEnabled(true);
  form[column.SellButton()].SetEnabled(true);
  form[column.StockLabel()].SetCaption(rt.Window("Form1")[form1::FleetCounter(column.k)].Caption());
  const int item = form[column.CountryList()].ListIndex();
  if (item >= 0 && item < kCountryCount) {
    form[column.PriceLabel()].SetCaption(NumberToText(Price(column.k, item + 1)));
  }
  OfferWhileInStock(form, column);
}

void SellButtonClick(Runtime& rt, Column column) {
  const FormRef form = rt.Window("Form3");
  const double price = LeadingValue(form[column.PriceLabel()].Caption());
  AddTo(rt.Window("Form1")["Label1"], price);
  AddTo(form["Label13"], price);
  AddTo(form[column.StockLabel()], -1);
  AddTo(rt.Window("Form1")[form1::FleetCounter(column.k)], -1);
  OfferWhileInStock(form, column);
}

void Command13Click(Runtime& rt) {
  rt.Window("Form1").Show();
  rt.Window("Form3").Hide();
  const FormRef form = rt.Window("Form3");
  for (int k = 1; k <= kModelCount; ++k) form[Column{k}.CountryList()].SetEnabled(false);
  for (int k = 1; k <= kModelCount; ++k) form[Column{k}.PriceLabel()].SetEnabled(false);
  for (int k = 1; k <= kModelCount; ++k) form[Column{k}.StockLabel()].SetEnabled(false);
  for (int k = 1; k <= kModelCount; ++k) form[Column{k}.SellButton()].SetEnabled(false);
}

}  // namespace avtosalon::form3
