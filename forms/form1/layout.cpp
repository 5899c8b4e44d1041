#include "forms/design.h"
#include "forms/form1/form1.h"
#include "game/catalogue.h"

namespace avtosalon::form1 {
namespace {

using namespace design;

// "Label9" to "Label14": the number of units owned of model 1 to 6.
std::string FleetCounter(int model) { return "Label" + std::to_string(model + 8); }

constexpr int kRowWidths[kModelCount] = {2055, 2055, 1455, 855, 1815, 855};

// One row per model: its caption and, right of the first line, its fleet counter. A screen
// reader reads the controls in this order, so each counter follows its model.
void AddModelRows(std::vector<ControlSpec>& controls) {
  for (int k = 1; k <= kModelCount; ++k) {
    const int top = 240 + 720 * (k - 1);
    const std::string model(Models()[k - 1].main_caption);
    controls.push_back({.kind = ControlKind::kLabel,
                        .name = "Label" + std::to_string(k + 2),
                        .rect = {240, top, kRowWidths[k - 1], 375},
                        .caption = model,
                        .back = kBlack,
                        .fore = kLightYellow,
                        .font = SansSerif(13.5),
                        .tab_index = k + 2});
    controls.push_back({.kind = ControlKind::kLabel,
                        .name = FleetCounter(k),
                        .rect = {2640, top, 225, 435},
                        .caption = "0",
                        .back = kBlack,
                        .fore = kLightYellow,
                        .font = SansSerif(18),
                        .tab_index = k + 8,
                        .auto_size = true,
                        .accessible_name = model + ": {}"});
  }
}

void AddCashAndNavigation(std::vector<ControlSpec>& controls) {
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label2",
                      .rect = {120, 5640, 2415, 375},
                      .caption = "Ваша сумма",
                      .back = kBlack,
                      .fore = kLightYellow,
                      .font = SansSerif(18),
                      .tab_index = 2});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label1",
                      .rect = {2640, 5640, 1485, 435},
                      .caption = "1000000",
                      .back = kBlack,
                      .fore = kLightYellow,
                      .font = SansSerif(18),
                      .tab_index = 1,
                      .auto_size = true,
                      .accessible_name = "Ваша сумма: {}"});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command3",
                      .rect = {240, 6120, 2175, 495},
                      .caption = "<<Продавать",
                      .back = kRed,
                      .font = SansSerif(13.5),
                      .tab_index = 16});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command1",
                      .rect = {2520, 6120, 1935, 495},
                      .caption = "Покупать>>",
                      .back = kRed,
                      .font = SansSerif(13.5),
                      .tab_index = 0});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command2",
                      .rect = {8280, 6240, 975, 495},
                      .caption = "Выход",
                      .back = kBlue,
                      .font = SansSerif(9.75),
                      .tab_index = 15});
  controls.push_back({.kind = ControlKind::kLine,
                      .name = "Line1",
                      .from = {2520, 120},
                      .to = {2520, 4320},
                      .fore = Colour{0x000000C0}});
  controls.push_back({.kind = ControlKind::kLine,
                      .name = "Line2",
                      .from = {3720, 240},
                      .to = {3720, 4320},
                      .fore = kRed});
}

void AddBankPanel(std::vector<ControlSpec>& controls) {
  controls.push_back({.kind = ControlKind::kFrame,
                      .name = "Frame1",
                      .rect = {4080, 240, 5055, 5055},
                      .caption = "Банк",
                      .back = kGreen,
                      .font = Font("Bookman Old Style", 20.25, kSemibold),
                      .tab_index = 17});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command6",
                      .container = "Frame1",
                      .rect = {240, 1680, 1215, 495},
                      .caption = "Отмена",
                      .back = kGreen,
                      .font = SansSerif(12),
                      .tab_index = 25,
                      .visible = false});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command4",
                      .container = "Frame1",
                      .rect = {480, 4200, 735, 615},
                      .caption = "Ok",
                      .back = kGreen,
                      .font = Font("Arial", 14.25, kBold),
                      .tab_index = 23,
                      .visible = false});
  controls.push_back({.kind = ControlKind::kTimer,
                      .name = "Timer1",
                      .container = "Frame1",
                      .enabled = false,
                      .interval = 3000});
  controls.push_back({.kind = ControlKind::kPictureBox,
                      .name = "Picture1",
                      .container = "Frame1",
                      .rect = {2640, 360, 2175, 4215},
                      .back = kGreen,
                      .tab_index = 18,
                      .picture = "bank",
                      .accessible_name = "Бизнесмен на знаке доллара"});
  controls.push_back({.kind = ControlKind::kTextBox,
                      .name = "Text1",
                      .container = "Picture1",
                      .rect = {120, 2160, 1935, 495},
                      .back = kLightYellow,
                      .font = SansSerif(13.5),
                      .tab_index = 19,
                      .accessible_name = "Вклад"});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label15",
                      .container = "Picture1",
                      .rect = {120, 2760, 1935, 495},
                      .back = kLightYellow,
                      .font = SansSerif(13.5),
                      .tab_index = 20,
                      .accessible_name = "Процент: {}"});
  controls.push_back({.kind = ControlKind::kLabel,
                      .name = "Label18",
                      .container = "Picture1",
                      .rect = {120, 3360, 1935, 495},
                      .caption = "0",
                      .tab_index = 27,
                      .accessible_name = "Начисленный процент: {}"});
  for (const auto& [name, caption, top, tab] :
       {std::tuple{"Label16", "Вклад", 2640, 21}, {"Label17", "Процент", 3240, 22}}) {
    controls.push_back({.kind = ControlKind::kLabel,
                        .name = name,
                        .container = "Frame1",
                        .rect = {1320, top, 1215, 375},
                        .caption = caption,
                        .back = kLightYellow,
                        .fore = kDarkGreen,
                        .font = Font("Garamond", 14.25, kBold),
                        .tab_index = tab});
  }
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command5",
                      .rect = {5520, 5400, 3735, 855},
                      .caption = "Мало денег!!!",
                      .back = Colour{0x000080FF},
                      .font = Font("Small Fonts", 20.25, kBold),
                      .tab_index = 24,
                      .visible = false});
  controls.push_back({.kind = ControlKind::kCommandButton,
                      .name = "Command7",
                      .rect = {360, 4560, 2535, 855},
                      .caption = "Мы набрали 10000000 и покупаем автосалон !",
                      .back = kLightYellow,
                      .font = SansSerif(9.75),
                      .tab_index = 26});
}

}  // namespace

Main::Main(const Resolver& find)
    : window(find.Window()),
      cash(find.Get<Label>("Label1")),
      buy_window(find.Get<Button>("Command1")),
      exit(find.Get<Button>("Command2")),
      sell_window(find.Get<Button>("Command3")),
      win(find.Get<Button>("Command7")),
      bank{.deposit = find.Get<TextBox>("Text1"),
           .interest = find.Get<Label>("Label15"),
           .tick = find.Get<Label>("Label18"),
           .ok = find.Get<Button>("Command4"),
           .shortage = find.Get<Button>("Command5"),
           .cancel = find.Get<Button>("Command6"),
           .timer = find.Get<Timer>("Timer1")} {
  for (int k = 1; k <= kModelCount; ++k) fleet[k - 1] = find.Get<Label>(FleetCounter(k));
}

FormSpec Layout() {
  FormSpec form{.name = std::string(Main::kName),
                .caption = "Form1",
                .client = {2460, 2310, 9360, 6750},
                .back = kLightYellow,
                .font = SansSerif(8.25, kRegular),
                .picture = "form1_background"};
  AddModelRows(form.controls);
  AddCashAndNavigation(form.controls);
  AddBankPanel(form.controls);
  return form;
}

}  // namespace avtosalon::form1
