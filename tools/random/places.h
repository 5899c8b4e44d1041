#pragma once

#include <array>
#include <optional>

#include "game/catalogue.h"
#include "shell/description.h"
#include "shell/form.h"

namespace avtosalon::random_play {

// Where the game keeps what the player reads and presses: the windows' named handles, read
// once off the project's tables as window and control indices, good for every game.
struct Places {
  explicit Places(const Project& project);

  int form1 = 0;
  int cash = 0;                          // Label1
  std::array<int, kModelCount> fleet{};  // Label9 to Label14
  int buy_window = 0;                    // Command1
  int exit = 0;                          // Command2
  int sell_window = 0;                   // Command3
  int deposit = 0;                       // Text1
  int ok = 0;                            // Command4
  int deposit_shortage = 0;              // Command5
  int win = 0;                           // Command7

  int form2 = 0;
  int models = 0;                              // List1
  int to_countries = 0;                        // Command2
  int unit_price = 0;                          // Label1
  int to_quantity = 0;                         // Command3
  int quantity = 0;                            // Text1
  int total = 0;                               // Label3
  int buy_shortage = 0;                        // Command4
  int buy = 0;                                 // Command1
  int buy_back = 0;                            // Command5
  int buy_mirror = 0;                          // Label6
  int model_picture = 0;                       // Image1
  std::array<int, kCountryCount> countries{};  // Option1 to Option5

  int form3 = 0;
  std::array<int, kModelCount> model_button{};  // Command7 to Command12
  std::array<int, kModelCount> country_list{};  // List1 to List6
  std::array<int, kModelCount> price{};         // Label1 to Label6
  std::array<int, kModelCount> stock{};         // Label7 to Label12
  std::array<int, kModelCount> sell{};          // Command1 to Command6
  int sell_back = 0;                            // Command13
  int sell_mirror = 0;                          // Label13
};

// The model, 1 to 6, whose photo the purchase window shows, as its picture's origin
// ("Form2.Picture3") tells; none before a model is chosen.
std::optional<int> ShownModel(const Form& purchase, const Places& places);

}  // namespace avtosalon::random_play
