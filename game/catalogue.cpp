// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/catalogue.h"

#include <stdexcept>

namespace avtosalon {
namespace {

constexpr std::array<Model, kModelCount> kModels{{
    {"SHEVROLET", "Пикап SHEVROLET на шасси повышенной проходимости", "Shevrolet"},
    {"DODGE RAM", "Пикап DODGE RAM", "Dodge Ram"},
    {"YAMAHA", "Квадроцикл YAMAHA", "Yamaha"},
    {"BMV", "BMV", "BMW"},
    {"MERSEDES", "Mersedes", "Mersedes"},
    {"Jeep", "Jeep", "Jeep"},
}};

constexpr std::array<std::string_view, kCountryCount> kCountries{"Россия", "Германия", "Франция",
                                                                 "США", "Таджикистан"};

constexpr std::int32_t kPrices[kModelCount][kCountryCount] = {
    {23000, 50000, 67000, 67000, 85000},  //
    {30000, 20000, 82000, 28000, 37000},  //
    {1500, 4500, 2300, 4200, 7900},       //
    {45000, 12000, 45000, 71000, 18000},  //
    {33000, 13000, 56000, 43000, 48000},  //
    {37000, 34000, 56000, 34000, 29000},  //
};

}  // namespace

const std::array<Model, kModelCount>& Models() { return kModels; }
const std::array<std::string_view, kCountryCount>& Countries() { return kCountries; }

std::int32_t Price(int model, int country) {
  if (model < 1 || model > kModelCount || country < 1 || country > kCountryCount) {
    throw std::out_of_range("no such model or country");
  }
  return kPrices[model - 1][country - 1];
}

}  // namespace avtosalon
