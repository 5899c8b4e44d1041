#include "forms/design.h"
#include "forms/form2/form2.h"
#include "game/catalogue.h"

namespace avtosalon::form2 {
namespace {

using namespace design;

constexpr Colour kBrown{0x00404080};
constexpr Colour kLightRed{0x008080FF};
constexpr Colour kDarkBlue{0x00C00000};

FontSpec Corsiva(double points) { return Font("Monotype Corsiva", points, kBold, true); }
FontSpec TimesBold() { return Font("Times New Roman", 11.25, kBold); }

void AddModelStep(std::vector<ControlSpec>& controls) {
  ControlSpec list{.kind = ControlKind::kListBox,
                   .name = "List1",
                   .rect = {120, 120, 8175, 660},
                   .back = kGreen,
                   .fore = kBlue,
                   .font = SansSerif(12),
                   .tab_index = 10,
                   .visible = false,
                   .accessible_name = "Модель"};
  for (const Model& model : Models()) list.items.emplace_back(model.list_item);
  controls.push_back(std::move(list));
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command2",
                      .rect = {240, 1440, 1455, 495},
                      .caption = "Дальше>>",
                      .back = kLightRed,
                      .font = TimesBold(),
                      .tab_index = 19,
                      .visible = false});
}

void AddCountryStep(std::vector<ControlSpec>& controls) {
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label1",
                      .rect = {240, 2280, 1095, 495},
                      .back = kGreen,
                      .fore = kDarkBlue,
                      .font = SansSerif(13.5),
                      .tab_index = 11,
                      .visible = false,
                      .accessible_name = "Цена: {} $"});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label2",
                      .rect = {1320, 2280, 255, 495},
                      .caption = "$",
                      .back = kBrown,
                      .fore = kDarkGreen,
                      .font = SansSerif(18),
                      .tab_index = 14,
                      .visible = false});
  for (int country = 1; country <= kCountryCount; ++country) {
    controls.push_back({.kind = ControlKind::kOptionButton,
                        .name = "Option" + std::to_string(country),
                        .rect = {240, 2880 + 480 * (country - 1), 1575, 375},
                        .caption = std::string(Countries()[country - 1]),
                        .back = kGreen,
                        .fore = kBlue,
                        .font = SansSerif(8.25, kRegular),
                        .tab_index = country - 1,
                        .visible = false});
  }
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command3",
                      .rect = {240, 5520, 1455, 495},
                      .caption = "Дальше>>",
                      .back = kLightRed,
                      .font = TimesBold(),
                      .tab_index = 20,
                      .visible = false});
}

void AddQuantityStep(std::vector<ControlSpec>& controls) {
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label5",
                      .rect = {360, 7800, 1815, 375},
                      .caption = "Количество",
                      .back = kGreen,
                      .fore = kBlue,
                      .font = SansSerif(12),
                      .tab_index = 17,
                      .visible = false});
  controls.push_back({.kind = ControlKind::kTextBox,
                      .name = "Text1",
                      .rect = {360, 8280, 1815, 495},
                      .caption = "1",
                      .back = kGreen,
                      .font = SansSerif(18),
                      .tab_index = 13,
                      .visible = false,
                      .accessible_name = "Количество"});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command4",
                      .rect = {2280, 7800, 5295, 495},
                      .caption = "У вас мало денег!!!",
                      .back = kLightRed,
                      .font = Font("Small Fonts", 18, kBold),
                      .tab_index = 22,
                      .visible = false});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label4",
                      .rect = {2280, 8400, 3015, 375},
                      .caption = "Общая стоймость в $ -",
                      .back = kGreen,
                      .fore = kBlue,
                      .font = SansSerif(12),
                      .tab_index = 16,
                      .visible = false});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label3",
                      .rect = {5280, 8400, 2295, 375},
                      .back = kGreen,
                      .fore = kDarkBlue,
                      .font = SansSerif(18),
                      .tab_index = 12,
                      .visible = false,
                      .accessible_name = "Общая стоймость: {} $"});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command1",
                      .rect = {8160, 7800, 2415, 855},
                      .caption = "Купить>>",
                      .back = kLightYellow,
                      .font = Font("Arial", 26.25, kBold, true),
                      .tab_index = 18,
                      .visible = false});
}

void AddFixedControls(std::vector<ControlSpec>& controls) {
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command5",
                      .rect = {9000, 1080, 1575, 555},
                      .caption = "Назад",
                      .back = kLightRed,
                      .font = Font("Microsoft Sans Serif", 14.25, kBold),
                      .tab_index = 24});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label7",
                      .rect = {7200, 6600, 2055, 495},
                      .caption = "Ваша сумма",
                      .back = kGreen,
                      .fore = kBlue,
                      .font = Corsiva(18),
                      .tab_index = 23});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label6",
                      .rect = {7200, 7080, 105, 495},
                      .back = kLightYellow,
                      .fore = Colour{0x00404040},
                      .font = Corsiva(20.25),
                      .tab_index = 21,
                      .auto_size = true,
                      .accessible_name = "Ваша сумма: {}"});
  controls.push_back({.kind = ControlKind::kImage,
                      .name = "Image1",
                      .rect = {2040, 840, 5415, 4575},
                      .accessible_name = "Фотография модели: {}"});
  controls.push_back({.kind = ControlKind::kImage,
                      .name = "Image2",
                      .rect = {7800, 3840, 2940, 2790},
                      .picture = "decoration",
                      .accessible_name = "Бизнесмен за компьютером"});
  constexpr int kTabIndexes[kModelCount] = {5, 6, 7, 8, 9, 15};
  for (int model = 1; model <= kModelCount; ++model) {
    controls.push_back({.kind = ControlKind::kPictureBox,
                        .name = "Picture" + std::to_string(model),
                        .rect = {8400 + 360 * (model - 1), 240, 375, 375},
                        .font = SansSerif(8.25, kRegular),
                        .tab_index = kTabIndexes[model - 1],
                        .visible = false,
                        .picture = "model" + std::to_string(model),
                        .accessible_name = std::string(Models()[model - 1].list_item)});
  }
}

}  // namespace

Purchase::Purchase(const Resolver& find)
    : window(find.Window()),
      models(find.Get<ListBox>("List1")),
      shown_model(find.Get<Image>("Image1")),
      to_countries(find.Get<Button>("Command2")),
      unit_price(find.Get<Label>("Label1")),
      dollar_sign(find.Get<Label>("Label2")),
      to_quantity(find.Get<Button>("Command3")),
      quantity_caption(find.Get<Label>("Label5")),
      quantity(find.Get<TextBox>("Text1")),
      total_caption(find.Get<Label>("Label4")),
      total(find.Get<Label>("Label3")),
      shortage(find.Get<Button>("Command4")),
      buy(find.Get<Button>("Command1")),
      back(find.Get<Button>("Command5")),
      cash(find.Get<Label>("Label6")) {
  for (int n = 1; n <= kModelCount; ++n) {
    model_pictures[n - 1] = find.Get<PictureBox>("Picture" + std::to_string(n));
  }
  for (int c = 1; c <= kCountryCount; ++c) {
    countries[c - 1] = find.Get<OptionButton>("Option" + std::to_string(c));
  }
}

FormSpec Layout() {
  FormSpec form{.name = std::string(Purchase::kName),
                .caption = "Form2",
                .client = {1845, 630, 10800, 8940},
                .back = kBrown,
                .fore = kBlack,
                .font = Corsiva(24)};
  AddModelStep(form.controls);
  AddCountryStep(form.controls);
  AddQuantityStep(form.controls);
  AddFixedControls(form.controls);
  return form;
}

}  // namespace avtosalon::form2
