#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/catalogue.h"
#include "shell/controls.h"
#include "shell/description.h"
#include "shell/program.h"

// The sales window: six columns, one per model, each selling one unit per press.
namespace avtosalon::form3 {

FormSpec Layout();
FormDescription Description();

// The table names of sales column k (1 to 6); the numbers follow k.
struct Column {
  int k;
  std::string ModelButton() const { return "Command" + std::to_string(k + 6); }
  std::string CountryList() const { return "List" + std::to_string(k); }
  std::string PriceLabel() const { return "Label" + std::to_string(k); }
  std::string StockLabel() const { return "Label" + std::to_string(k + 6); }
  std::string SellButton() const { return "Command" + std::to_string(k); }
};

// One column: a model's button, its country list, the price, the stock, and "Продать".
struct SalesColumn {
  Button model;
  ListBox countries;
  Label price;
  Label stock;
  Button sell;
};

struct Sales {
  static constexpr std::string_view kName = "Form3";
  explicit Sales(const Resolver& find);

  WindowHandle window;
  std::array<SalesColumn, kModelCount> columns;
  Button back;  // Command13 "Назад"
  Label cash;   // Label13, the cash mirror
};

void ModelButtonClick(Program& rt, Column column);
void CountryListClick(Program& rt, Column column);
void SellButtonClick(Program& rt, Column column);
void Command13Click(Program& rt);  // "Назад"

}  // namespace avtosalon::form3
