// The purchase window at the edges that play takes long to reach.
#include "tests/forms/game_fixture.h"

namespace avtosalon {
namespace {

class Purchase : public Game {};

TEST_F(Purchase, CashBeyond32BitsIsReadAsItIs) {
  Write(main().cash, "3000000000");
  ToQuantityStep(1, 5);
  Edit(purchase().quantity, "30000");
  EXPECT_EQ(Caption(purchase().total), "2550000000");
  EXPECT_TRUE(Get(purchase().buy).enabled) << "2550000000 is within the cash";
  Click(purchase().buy);
  EXPECT_EQ(Caption(main().cash), "450000000");
  EXPECT_EQ(Caption(main().fleet[0]), "30000");
  ExpectRunning();
}

TEST_F(Purchase, EveryFleetCounterGrowsPast16Bits) {
  for (int model = 1; model <= 6; ++model) {
    const Label& counter = main().fleet[model - 1];
    Write(counter, "32767");
    ToQuantityStep(model, 1);
    Click(purchase().buy);
    EXPECT_EQ(Caption(counter), "32768") << "model " << model;
  }
  ExpectRunning();
}

TEST_F(Purchase, APurchaseTouchesOnlyTheCashAndTheDisplayedModel) {
  for (int model = 1; model <= 6; ++model) Write(main().fleet[model - 1], "7");
  ToQuantityStep(4, 2);
  Edit(purchase().quantity, "3");
  Click(purchase().buy);
  EXPECT_EQ(Caption(main().cash), "964000");
  for (int model = 1; model <= 6; ++model) {
    EXPECT_EQ(Caption(main().fleet[model - 1]), model == 4 ? "10" : "7");
  }
}

TEST_F(Purchase, ThePriceLabelWithoutANumberLeadsNowhere) {
  Click(main().buy_window);
  Select(purchase().models, 0);
  Click(purchase().to_countries);
  for (const char* caption : {"", "abc", "-5", "0"}) {
    Write(purchase().unit_price, caption);
    Click(purchase().unit_price);
    EXPECT_FALSE(Get(purchase().to_quantity).visible) << '"' << caption << '"';
  }
  ExpectRunning();
}

TEST_F(Purchase, ReadingsAgreeBetweenTheTotalAndTheBuy) {
  // "2.5" rounds to 2 for the total; the buy must credit the same 2.
  ToQuantityStep(3, 1);
  Edit(purchase().quantity, "2.5");
  EXPECT_EQ(Caption(purchase().total), "3000");
  Click(purchase().buy);
  EXPECT_EQ(Caption(main().cash), "997000");
  EXPECT_EQ(Caption(main().fleet[2]), "2");
}

TEST_F(Purchase, NegativeAndOutOfRangeQuantitiesAreNotQuantities) {
  ToQuantityStep(2, 2);
  for (const char* text :
       {"-1", "-0.6", "-0.4", "2147483647.5", "99999999999", "1e10", "", "+", "1 2"}) {
    Edit(purchase().quantity, text);
    EXPECT_EQ(Caption(purchase().total), "") << '"' << text << '"';
    EXPECT_FALSE(Get(purchase().buy).enabled) << '"' << text << '"';
  }
  Edit(purchase().quantity, "0.4");  // rounds to 0
  EXPECT_EQ(Caption(purchase().total), "0");
  EXPECT_TRUE(Get(purchase().buy).enabled);
  ExpectRunning();
}

}  // namespace
}  // namespace avtosalon

namespace avtosalon {
namespace {

TEST_F(Purchase, TheModelDisplayShowsTheVeryPictureOfItsPictureBox) {
  Click(main().buy_window);
  for (int item = 0; item < 6; ++item) {
    Select(purchase().models, item);
    const PictureRef shown = Get(purchase().shown_model).picture;
    const PictureRef held = Get(purchase().model_pictures[item]).picture;
    EXPECT_EQ(shown.get(), held.get()) << "shared, not copied";
    EXPECT_NE(HandleOf(shown), 0);
    for (int other = 1; other <= 6; ++other) {
      if (other == item + 1) continue;
      EXPECT_NE(HandleOf(shown), HandleOf(Get(purchase().model_pictures[other - 1]).picture));
    }
  }
}

}  // namespace
}  // namespace avtosalon
