#include "tools/random/places.h"

#include <string>

#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "forms/form3/form3.h"

namespace avtosalon::random_play {

Places::Places(const Project& project) {
  const auto main = IndicesOf<form1::Main>(project);
  form1 = main.window.FormIndex();
  cash = main.cash.Index();
  for (int k = 0; k < kModelCount; ++k) fleet[k] = main.fleet[k].Index();
  buy_window = main.buy_window.Index();
  exit = main.exit.Index();
  sell_window = main.sell_window.Index();
  deposit = main.bank.deposit.Index();
  ok = main.bank.ok.Index();
  deposit_shortage = main.bank.shortage.Index();
  win = main.win.Index();

  const auto purchase = IndicesOf<form2::Purchase>(project);
  form2 = purchase.window.FormIndex();
  models = purchase.models.Index();
  to_countries = purchase.to_countries.Index();
  unit_price = purchase.unit_price.Index();
  to_quantity = purchase.to_quantity.Index();
  quantity = purchase.quantity.Index();
  total = purchase.total.Index();
  buy_shortage = purchase.shortage.Index();
  buy = purchase.buy.Index();
  buy_back = purchase.back.Index();
  buy_mirror = purchase.cash.Index();
  model_picture = purchase.shown_model.Index();
  for (int c = 0; c < kCountryCount; ++c) countries[c] = purchase.countries[c].Index();

  const auto sales = IndicesOf<form3::Sales>(project);
  form3 = sales.window.FormIndex();
  for (int k = 0; k < kModelCount; ++k) {
    const form3::SalesColumn& column = sales.columns[k];
    model_button[k] = column.model.Index();
    country_list[k] = column.countries.Index();
    price[k] = column.price.Index();
    stock[k] = column.stock.Index();
    sell[k] = column.sell.Index();
  }
  sell_back = sales.back.Index();
  sell_mirror = sales.cash.Index();
}

std::optional<int> ShownModel(const Form& purchase, const Places& places) {
  const PictureRef& picture = purchase.At(places.model_picture).picture;
  if (!picture) return std::nullopt;
  const std::string prefix = purchase.Name() + ".Picture";
  if (!picture->origin.starts_with(prefix)) return std::nullopt;
  const std::string digits = picture->origin.substr(prefix.size());
  if (digits.size() != 1 || digits[0] < '1' || digits[0] > '0' + kModelCount) return std::nullopt;
  return digits[0] - '0';
}

}  // namespace avtosalon::random_play
