#include "forms/design.h"
#include "forms/form3/form3.h"
#include "game/catalogue.h"

namespace avtosalon::form3 {
namespace {

using namespace design;

constexpr Colour kTeal{0x00C0C000};
constexpr Colour kNavy{0x00800000};
constexpr Colour kDarkGrey{0x00404040};
constexpr int kColumnWidth = 1455;

void AddColumn(std::vector<ControlSpec>& controls, Column column) {
  const int left = 1920 + 1560 * (column.k - 1);
  const auto at = [left](int top) { return Rect{left, top, kColumnWidth, 375}; };
  const std::string model(Models()[column.k - 1].sales_button);
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = column.ModelButton(),
                      .rect = at(600),
                      .caption = std::string(Models()[column.k - 1].sales_button),
                      .back = kTeal,
                      .font = SansSerif(8.25, kRegular),
                      .tab_index = 23 + column.k});
  ControlSpec list{.kind = ControlKind::kListBox,
                   .name = column.CountryList(),
                   .rect = {left, 1080, kColumnWidth, 1230},
                   .back = kNavy,
                   .fore = kWhite,
                   .font = SansSerif(8.25, kRegular),
                   .tab_index = column.k - 1,
                   .enabled = false,
                   .accessible_name = model + ", страна"};
  for (const std::string_view country : Countries()) list.items.emplace_back(country);
  controls.push_back(std::move(list));
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = column.PriceLabel(),
                      .rect = at(2520),
                      .back = kNavy,
                      .fore = kWhite,
                      .font = SansSerif(13.5),
                      .tab_index = 11 + column.k,
                      .enabled = false,
                      .accessible_name = model + ", цена: {} $"});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = column.StockLabel(),
                      .rect = at(3240),
                      .back = kNavy,
                      .fore = kWhite,
                      .tab_index = 17 + column.k,
                      .enabled = false,
                      .accessible_name = model + ", в наличии: {}"});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = column.SellButton(),
                      .rect = at(3960),
                      .caption = "Продать",
                      .back = kTeal,
                      .font = SansSerif(8.25, kRegular),
                      .tab_index = 5 + column.k,
                      .enabled = false,
                      .accessible_name = "Продать " + model});
}

void AddBottomRowAndPictures(std::vector<ControlSpec>& controls) {
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label14",
                      .rect = {1680, 4920, 2055, 495},
                      .caption = "Ваша Сумма",
                      .back = kDarkGrey,
                      .fore = kWhite,
                      .font = Font("Monotype Corsiva", 18, kBold, true),
                      .tab_index = 31});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label13",
                      .rect = {3840, 4920, 165, 525},
                      .back = kDarkGrey,
                      .fore = Colour{0x0000FFFF},
                      .font = Font("MS Reference Sans Serif", 21.75, kBold),
                      .tab_index = 30,
                      .auto_size = true,
                      .accessible_name = "Ваша Сумма: {}"});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command13",
                      .rect = {9960, 5280, 1215, 495},
                      .caption = "Назад",
                      .back = Colour{0x00C0FFFF},
                      .tab_index = 32});
  for (const auto& [name, rect, picture, description] : {
           std::tuple{"Image1", Rect{600, 360, 870, 555}, "sales_car", "Гоночная машина"},
           {"Image2", Rect{600, 1080, 990, 990}, "sales_globe", "Глобус"},
           {"Image3", Rect{720, 2160, 855, 855}, "sales_coin", "Монета"},
           {"Image4", Rect{120, 3120, 1560, 690}, "sales_scale", "Весы"},
       }) {
    controls.push_back({.kind = ControlKind::kImage,
                        .name = name,
                        .rect = rect,
                        .picture = picture,
                        .accessible_name = description});
  }
  controls.push_back(
      {.kind = ControlKind::kLine, .name = "Line1", .from = {1800, -120}, .to = {1800, 4560}});
  controls.push_back(
      {.kind = ControlKind::kLine, .name = "Line2", .from = {240, 4680}, .to = {11160, 4680}});
}

}  // namespace

Sales::Sales(const Resolver& find)
    : window(find.Window()), back(find.Get<Button>("Command13")), cash(find.Get<Label>("Label13")) {
  for (int k = 1; k <= kModelCount; ++k) {
    const Column names{k};
    columns[k - 1] = SalesColumn{.model = find.Get<Button>(names.ModelButton()),
                                 .countries = find.Get<ListBox>(names.CountryList()),
                                 .price = find.Get<Label>(names.PriceLabel()),
                                 .stock = find.Get<Label>(names.StockLabel()),
                                 .sell = find.Get<Button>(names.SellButton())};
  }
}

FormSpec Layout() {
  FormSpec form{.name = std::string(Sales::kName),
                .caption = "Form3",
                .client = {1755, 2475, 11385, 5895},
                .back = Colour{0x00808080},
                .font = SansSerif(18)};
  for (int k = 1; k <= kModelCount; ++k) AddColumn(form.controls, Column{k});
  AddBottomRowAndPictures(form.controls);
  return form;
}

}  // namespace avtosalon::form3
