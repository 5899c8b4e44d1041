#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/catalogue.h"
#include "shell/controls.h"
#include "shell/description.h"
#include "shell/program.h"

// The main window: cash field, fleet counters, the way to the trading windows, the bank
// panel and the win button.
namespace avtosalon::form1 {

// The bank panel, inside Frame1.
struct Bank {
  TextBox deposit;  // Text1
  Label interest;   // Label15: one hundredth of the deposit
  Label tick;       // Label18: the interest, copied on every tick
  Button ok;        // Command4 "Ok"
  Button shortage;  // Command5 "Мало денег!!!"
  Button cancel;    // Command6 "Отмена"
  Timer timer;      // Timer1
};

struct Main {
  static constexpr std::string_view kName = "Form1";
  explicit Main(const Resolver& find);

  WindowHandle window;
  Label cash;                            // Label1
  std::array<Label, kModelCount> fleet;  // Label9 to Label14, one per model
  Button buy_window;                     // Command1 "Покупать>>"
  Button exit;                           // Command2 "Выход"
  Button sell_window;                    // Command3 "<<Продавать"
  Button win;                            // Command7
  Bank bank;
};

FormSpec Layout();
FormDescription Description();

void FormLoad(Program& rt);
void Command1Click(Program& rt);  // "Покупать>>"
void Command2Click(Program& rt);  // "Выход"
void Command3Click(Program& rt);  // "<<Продавать"

// The bank panel and the goal.
void Text1Change(Program& rt);    // deposit box
void Command4Click(Program& rt);  // "Ok"
void Command5Click(Program& rt);  // "Мало денег!!!"
void Command6Click(Program& rt);  // "Отмена"
void Command7Click(Program& rt);  // the win button
void Timer1Timer(Program& rt);    // the interest timer

}  // namespace avtosalon::form1
