// The purchase window at the edges that play takes long to reach.
#include "tests/forms/game_fixture.h"

namespace avtosalon {
namespace {

class Purchase : public Game {};

TEST_F(Purchase, CashBeyond32BitsIsReadAsItIs) {
  Write("Form1", "Label1", "3000000000");
  ToQuantityStep(1, 5);
  Edit("Form2", "Text1", "30000");
  EXPECT_EQ(Caption("Form2", "Label3"), "2550000000");
  EXPECT_TRUE(Get("Form2", "Command1").enabled) << "2550000000 is within the cash";
  Click("Form2", "Command1");
  EXPECT_EQ(Caption("Form1", "Label1"), "450000000");
  EXPECT_EQ(Caption("Form1", "Label9"), "30000");
  ExpectRunning();
}

TEST_F(Purchase, EveryFleetCounterGrowsPast16Bits) {
  for (int model = 1; model <= 6; ++model) {
    const std::string counter = "Label" + std::to_string(model + 8);
    Write("Form1", counter, "32767");
    ToQuantityStep(model, 1);
    Click("Form2", "Command1");
    EXPECT_EQ(Caption("Form1", counter), "32768") << "model " << model;
  }
  ExpectRunning();
}

TEST_F(Purchase, APurchaseTouchesOnlyTheCashAndTheDisplayedModel) {
  for (int model = 1; model <= 6; ++model) Write("Form1", "Label" + std::to_string(model + 8), "7");
  ToQuantityStep(4, 2);
  Edit("Form2", "Text1", "3");
  Click("Form2", "Command1");
  EXPECT_EQ(Caption("Form1", "Label1"), "964000");
  for (int model = 1; model <= 6; ++model) {
    EXPECT_EQ(Caption("Form1", "Label" + std::to_string(model + 8)), model == 4 ? "10" : "7");
  }
}

TEST_F(Purchase, ThePriceLabelWithoutANumberLeadsNowhere) {
  Click("Form1", "Command1");
  Select("Form2", "List1", 0);
  Click("Form2", "Command2");
  for (const char* caption : {"", "abc", "-5", "0"}) {
    Write("Form2", "Label1", caption);
    Click("Form2", "Label1");
    EXPECT_FALSE(Get("Form2", "Command3").visible) << '"' << caption << '"';
  }
  ExpectRunning();
}

TEST_F(Purchase, ReadingsAgreeBetweenTheTotalAndTheBuy) {
  // "2.5" rounds to 2 for the total; the buy must credit the same 2.
  ToQuantityStep(3, 1);
  Edit("Form2", "Text1", "2.5");
  EXPECT_EQ(Caption("Form2", "Label3"), "3000");
  Click("Form2", "Command1");
  EXPECT_EQ(Caption("Form1", "Label1"), "997000");
  EXPECT_EQ(Caption("Form1", "Label11"), "2");
}

TEST_F(Purchase, NegativeAndOutOfRangeQuantitiesAreNotQuantities) {
  ToQuantityStep(2, 2);
  for (const char* text :
       {"-1", "-0.6", "-0.4", "2147483647.5", "99999999999", "1e10", "", "+", "1 2"}) {
    Edit("Form2", "Text1", text);
    EXPECT_EQ(Caption("Form2", "Label3"), "") << '"' << text << '"';
    EXPECT_FALSE(Get("Form2", "Command1").enabled) << '"' << text << '"';
  }
  Edit("Form2", "Text1", "0.4");  // rounds to 0
  EXPECT_EQ(Caption("Form2", "Label3"), "0");
  EXPECT_TRUE(Get("Form2", "Command1").enabled);
  ExpectRunning();
}

}  // namespace
}  // namespace avtosalon

namespace avtosalon {
namespace {

TEST_F(Purchase, TheModelDisplayShowsTheVeryPictureOfItsPictureBox) {
  Click("Form1", "Command1");
  for (int item = 0; item < 6; ++item) {
    Select("Form2", "List1", item);
    const PictureRef shown = Get("Form2", "Image1").picture;
    const PictureRef held = Get("Form2", "Picture" + std::to_string(item + 1)).picture;
    EXPECT_EQ(shown.get(), held.get()) << "shared, not copied";
    EXPECT_NE(HandleOf(shown), 0);
    for (int other = 1; other <= 6; ++other) {
      if (other == item + 1) continue;
      EXPECT_NE(HandleOf(shown), HandleOf(Get("Form2", "Picture" + std::to_string(other)).picture));
    }
  }
}

}  // namespace
}  // namespace avtosalon
