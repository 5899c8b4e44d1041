#pragma once

#include "shell/project.h"
#include "shell/runtime.h"

// The purchase window: pick a model, a country and a quantity, and buy.
namespace avtosalon::form2 {

FormSpec Layout();
FormDescription Description();

void List1Click(Runtime& rt);     // the model list
void Command2Click(Runtime& rt);  // upper "Дальше>>": on to the countries
void OptionClick(Runtime& rt, int country);
void Label1Click(Runtime& rt);    // the unit price
void Command3Click(Runtime& rt);  // lower "Дальше>>": on to the quantity
void Text1Change(Runtime& rt);    // the quantity field
void Command4Click(Runtime& rt);  // "У вас мало денег!!!"
void Command1Click(Runtime& rt);  // "Купить>>"
void Command5Click(Runtime& rt);  // "Назад"

}  // namespace avtosalon::form2
