#include "tools/random/places.h"

#include <stdexcept>
#include <string>

#include "forms/form1/form1.h"
#include "forms/form3/form3.h"

namespace avtosalon::random_play {
namespace {

int FormIn(const Project& project, std::string_view name) {
  for (std::size_t i = 0; i < project.forms.size(); ++i) {
    if (project.forms[i].spec.name == name) return static_cast<int>(i);
  }
  throw std::invalid_argument("the project has no window " + std::string(name));
}

int ControlIn(const Project& project, int form, const std::string& name) {
  const auto& controls = project.forms[static_cast<std::size_t>(form)].spec.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].name == name) return static_cast<int>(i);
  }
  throw std::invalid_argument("the project has no control " + name);
}

}  // namespace

Places::Places(const Project& project) {
  form1 = FormIn(project, "Form1");
  const auto in1 = [&](const std::string& name) { return ControlIn(project, form1, name); };
  cash = in1("Label1");
  for (int k = 1; k <= kModelCount; ++k) fleet[k - 1] = in1(form1::FleetCounter(k));
  buy_window = in1("Command1");
  exit = in1("Command2");
  sell_window = in1("Command3");
  deposit = in1("Text1");
  ok = in1("Command4");
  deposit_shortage = in1("Command5");
  win = in1("Command7");

  form2 = FormIn(project, "Form2");
  const auto in2 = [&](const std::string& name) { return ControlIn(project, form2, name); };
  models = in2("List1");
  to_countries = in2("Command2");
  unit_price = in2("Label1");
  to_quantity = in2("Command3");
  quantity = in2("Text1");
  total = in2("Label3");
  buy_shortage = in2("Command4");
  buy = in2("Command1");
  buy_back = in2("Command5");
  buy_mirror = in2("Label6");
  model_picture = in2("Image1");
  for (int c = 1; c <= kCountryCount; ++c) countries[c - 1] = in2("Option" + std::to_string(c));

  form3 = FormIn(project, "Form3");
  const auto in3 = [&](const std::string& name) { return ControlIn(project, form3, name); };
  for (int k = 1; k <= kModelCount; ++k) {
    const form3::Column column{k};
    model_button[k - 1] = in3(column.ModelButton());
    country_list[k - 1] = in3(column.CountryList());
    price[k - 1] = in3(column.PriceLabel());
    stock[k - 1] = in3(column.StockLabel());
    sell[k - 1] = in3(column.SellButton());
  }
  sell_back = in3("Command13");
  sell_mirror = in3("Label13");
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
