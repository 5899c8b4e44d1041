#pragma once

#include <string>

#include "shell/project.h"
#include "shell/runtime.h"

// The sales window: six columns, one per model, each selling one unit per press.
namespace avtosalon::form3 {

FormSpec Layout();
FormDescription Description();

// The controls of sales column k (1 to 6); the numbers follow k.
struct Column {
  int k;
  std::string ModelButton() const { return "Command" + std::to_string(k + 6); }
  std::string CountryList() const { return "List" + std::to_string(k); }
  std::string PriceLabel() const { return "Label" + std::to_string(k); }
  std::string StockLabel() const { return "Label" + std::to_string(k + 6); }
  std::string SellButton() const { return "Command" + std::to_string(k); }
};

void ModelButtonClick(Runtime& rt, Column column);
void CountryListClick(Runtime& rt, Column column);
void SellButtonClick(Runtime& rt, Column column);
void Command13Click(Runtime& rt);  // "Назад"

}  // namespace avtosalon::form3
