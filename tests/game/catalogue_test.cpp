// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/catalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace avtosalon {
namespace {

TEST(Catalogue, PriceGridEntryByEntry) {
  // Rows: models in catalogue order; columns: Россия, Германия, Франция, США, Таджикистан.
  constexpr int kExpected[kModelCount][kCountryCount] = {
      {23000, 50000, 67000, 67000, 85000}, {30000, 20000, 82000, 28000, 37000},
      {1500, 4500, 2300, 4200, 7900},      {45000, 12000, 45000, 71000, 18000},
      {33000, 13000, 56000, 43000, 48000}, {37000, 34000, 56000, 34000, 29000},
  };
  for (int model = 1; model <= kModelCount; ++model) {
    for (int country = 1; country <= kCountryCount; ++country) {
      EXPECT_EQ(Price(model, country), kExpected[model - 1][country - 1])
          << "model " << model << ", country " << country;
    }
  }
}

TEST(Catalogue, PricesOutsideTheGridAreRefused) {
  for (const auto& [model, country] : {std::pair{0, 1}, {7, 1}, {1, 0}, {1, 6}, {-1, -1}}) {
    EXPECT_THROW(Price(model, country), std::out_of_range) << model << "," << country;
  }
}

TEST(Catalogue, WindowsNameModelsInTheirOwnWords) {
  EXPECT_EQ(Models()[3].main_caption, "BMV");
  EXPECT_EQ(Models()[3].list_item, "BMV");
  EXPECT_EQ(Models()[3].sales_button, "BMW");
  EXPECT_EQ(Models()[4].main_caption, "MERSEDES");
  EXPECT_EQ(Models()[4].list_item, "Mersedes");
  EXPECT_EQ(Models()[4].sales_button, "Mersedes");
  EXPECT_EQ(Models()[0].list_item, "Пикап SHEVROLET на шасси повышенной проходимости");
  EXPECT_EQ(Models()[2].list_item, "Квадроцикл YAMAHA");
}

TEST(Catalogue, CountriesInOrder) {
  EXPECT_EQ(Countries()[0], "Россия");
  EXPECT_EQ(Countries()[1], "Германия");
  EXPECT_EQ(Countries()[2], "Франция");
  EXPECT_EQ(Countries()[3], "США");
  EXPECT_EQ(Countries()[4], "Таджикистан");
}

}  // namespace
}  // namespace avtosalon
