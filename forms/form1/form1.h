#pragma once

#include <string>

#include "shell/project.h"
#include "shell/runtime.h"

// The main window: cash field, fleet counters, the way to the trading windows, the bank
// panel and the win button.
namespace avtosalon::form1 {

FormSpec Layout();
FormDescription Description();

// "Label9" to "Label14": the number of units owned of model 1 to 6.
std::string FleetCounter(int model);

void FormLoad(Runtime& rt);
void Command1Click(Runtime& rt);  // "Покупать>>"
void Command2Click(Runtime& rt);  // "Выход"
void Command3Click(Runtime& rt);  // "<<Продавать"

// The bank panel and the goal.
void Text1Change(Runtime& rt);    // deposit box
void Command4Click(Runtime& rt);  // "Ok"
void Command5Click(Runtime& rt);  // "Мало денег!!!"
void Command6Click(Runtime& rt);  // "Отмена"
void Command7Click(Runtime& rt);  // the win button
void Timer1Timer(Runtime& rt);    // the interest timer

}  // namespace avtosalon::form1
