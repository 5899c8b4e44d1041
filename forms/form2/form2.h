#pragma once

#include <array>
#include <string_view>

#include "game/catalogue.h"
#include "shell/controls.h"
#include "shell/description.h"
#include "shell/program.h"

// The purchase window: pick a model, a country and a quantity, and buy.
namespace avtosalon::form2 {

struct Purchase {
  static constexpr std::string_view kName = "Form2";
  explicit Purchase(const Resolver& find);

  WindowHandle window;
  ListBox models;                                      // List1
  Image shown_model;                                   // Image1: the chosen model's photo
  std::array<PictureBox, kModelCount> model_pictures;  // Picture1 to Picture6
  Button to_countries;                                 // Command2, upper "Дальше>>"
  std::array<OptionButton, kCountryCount> countries;   // Option1 to Option5
  Label unit_price;                                    // Label1
  Label dollar_sign;                                   // Label2 "$"
  Button to_quantity;                                  // Command3, lower "Дальше>>"
  Label quantity_caption;                              // Label5 "Количество"
  TextBox quantity;                                    // Text1
  Label total_caption;  // Label4 "Общая стоймость в $ -"
  Label total;          // Label3
  Button shortage;      // Command4 "У вас мало денег!!!"
  Button buy;           // Command1 "Купить>>"
  Button back;          // Command5 "Назад"
  Label cash;           // Label6, the cash mirror
};

FormSpec Layout();
FormDescription Description();

void List1Click(Program& rt);     // the model list
void Command2Click(Program& rt);  // upper "Дальше>>": on to the countries
void OptionClick(Program& rt, int country);
void Label1Click(Program& rt);    // the unit price
void Command3Click(Program& rt);  // lower "Дальше>>": on to the quantity
void Text1Change(Program& rt);    // the quantity field
void Command4Click(Program& rt);  // "У вас мало денег!!!"
void Command1Click(Program& rt);  // "Купить>>"
void Command5Click(Program& rt);  // "Назад"

}  // namespace avtosalon::form2
