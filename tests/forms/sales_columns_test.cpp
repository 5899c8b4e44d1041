// The state of a sales column is nothing but the Enabled flags of its list, price label,
// stock label and sell button. Every event is checked against every column.
#include <array>

#include "forms/form3/form3.h"
#include "game/catalogue.h"
#include "tests/forms/game_fixture.h"

namespace avtosalon {
namespace {

// "Open" keeps the price label and sell button as they were, so it comes in three forms.
enum class State { kClosed, kOpen, kOnOffer, kSoldOut, kOpenFromOffer, kOpenPriceKept };

std::string_view Name(State state) {
  switch (state) {
    case State::kClosed:
      return "closed";
    case State::kOpen:
      return "open";
    case State::kOnOffer:
      return "on offer";
    case State::kSoldOut:
      return "sold out";
    case State::kOpenFromOffer:
      return "open, sell button kept";
    case State::kOpenPriceKept:
      return "open, price kept";
  }
  return "?";
}

// list, price label, stock label, sell button
using Flags = std::array<bool, 4>;

Flags FlagsOf(State state) {
  switch (state) {
    case State::kClosed:
      return {false, false, false, false};
    case State::kOpen:
      return {true, false, false, false};
    case State::kOnOffer:
      return {true, true, true, true};
    case State::kSoldOut:
      return {true, true, true, false};
    case State::kOpenFromOffer:
      return {true, true, false, true};
    case State::kOpenPriceKept:
      return {true, true, false, false};
  }
  return {};
}

enum class Action { kOwnModelButton, kOtherModelButton, kSelectCountry, kSellLast, kBack };

struct Transition {
  State from;
  Action action;
  bool in_stock;  // the fleet counter before the action: 1 unit, or none
  State to;
};

constexpr std::array kTransitions{
    Transition{State::kClosed, Action::kOwnModelButton, true, State::kOpen},
    Transition{State::kClosed, Action::kOtherModelButton, true, State::kClosed},
    Transition{State::kOpen, Action::kSelectCountry, true, State::kOnOffer},
    Transition{State::kOpen, Action::kSelectCountry, false, State::kSoldOut},
    Transition{State::kOpen, Action::kOtherModelButton, true, State::kClosed},
    Transition{State::kOpen, Action::kBack, true, State::kClosed},
    Transition{State::kOnOffer, Action::kSellLast, true, State::kSoldOut},
    Transition{State::kOnOffer, Action::kOwnModelButton, true, State::kOpenFromOffer},
    Transition{State::kOnOffer, Action::kOtherModelButton, true, State::kClosed},
    Transition{State::kOnOffer, Action::kBack, true, State::kClosed},
    Transition{State::kOpenFromOffer, Action::kSellLast, true, State::kOpenPriceKept},
    Transition{State::kSoldOut, Action::kSelectCountry, false, State::kSoldOut},
    Transition{State::kSoldOut, Action::kOwnModelButton, false, State::kOpenPriceKept},
    Transition{State::kSoldOut, Action::kBack, false, State::kClosed},
};

class SalesColumns : public Game {
 protected:
  Flags Read(form3::Column column) {
    return {Get("Form3", column.CountryList()).enabled, Get("Form3", column.PriceLabel()).enabled,
            Get("Form3", column.StockLabel()).enabled, Get("Form3", column.SellButton()).enabled};
  }

  // Walks column k into a state along the ways a player would.
  void Reach(form3::Column column, State state, bool in_stock) {
    Write("Form1", "Label" + std::to_string(column.k + 8), in_stock ? "1" : "0");
    if (state == State::kClosed) return;
    Click("Form3", column.ModelButton());
    if (state == State::kOpen) return;
    Select("Form3", column.CountryList(), 2);
    if (state == State::kOpenFromOffer) Click("Form3", column.ModelButton());
  }

  void Do(form3::Column column, Action action) {
    const form3::Column other{column.k % 6 + 1};
    switch (action) {
      case Action::kOwnModelButton:
        Click("Form3", column.ModelButton());
        break;
      case Action::kOtherModelButton:
        Click("Form3", other.ModelButton());
        break;
      case Action::kSelectCountry:
        Select("Form3", column.CountryList(), 0);
        break;
      case Action::kSellLast:
        Click("Form3", column.SellButton());
        break;
      case Action::kBack:
        Click("Form3", "Command13");
        Click("Form1", "Command3");
        break;
    }
  }
};

TEST_F(SalesColumns, EveryTransitionHoldsInEveryColumn) {
  Click("Form1", "Command3");
  for (int k = 1; k <= 6; ++k) {
    for (const Transition& t : kTransitions) {
      Click("Form3", "Command13");  // every column closed again
      Click("Form1", "Command3");
      const form3::Column column{k};
      Reach(column, t.from, t.in_stock);
      ASSERT_EQ(Read(column), FlagsOf(t.from)) << "column " << k << " reaching " << Name(t.from);
      Do(column, t.action);
      EXPECT_EQ(Read(column), FlagsOf(t.to))
          << "column " << k << ": " << Name(t.from) << " -> expected " << Name(t.to);
    }
  }
  ExpectRunning();
}

TEST_F(SalesColumns, AtMostOneListIsEnabled) {
  Click("Form1", "Command3");
  for (int k = 1; k <= 6; ++k) {
    Click("Form3", form3::Column{k}.ModelButton());
    int enabled = 0;
    for (int j = 1; j <= 6; ++j) enabled += Get("Form3", form3::Column{j}.CountryList()).enabled;
    EXPECT_EQ(enabled, 1) << "after model button " << k;
  }
}

TEST_F(SalesColumns, ANegativeStockDoesNotSell) {
  for (const char* stock : {"-1", "-0.5", "0", "-32768"}) {
    Write("Form1", "Label9", stock);
    Click("Form1", "Command3");
    Click("Form3", "Command7");
    Select("Form3", "List1", 4);
    EXPECT_EQ(Caption("Form3", "Label7"), stock);
    EXPECT_FALSE(Get("Form3", "Command1").enabled) << "stock " << stock;
    Click("Form3", "Command13");
  }
  EXPECT_EQ(Caption("Form1", "Label1"), "1000000");
}

TEST_F(SalesColumns, EachColumnSellsItsOwnModelAtItsOwnRowOfPrices) {
  Click("Form1", "Command3");
  double cash = 1000000;
  for (int k = 1; k <= 6; ++k) {
    Write("Form1", "Label" + std::to_string(k + 8), "2");
    const form3::Column column{k};
    for (int country = 1; country <= 5; ++country) {
      Click("Form3", column.ModelButton());
      Select("Form3", column.CountryList(), country - 1);
      ASSERT_EQ(Caption("Form3", column.PriceLabel()), std::to_string(Price(k, country)));
    }
    Click("Form3", column.SellButton());
    cash += Price(k, 5);
    EXPECT_EQ(Caption("Form1", "Label" + std::to_string(k + 8)), "1");
    EXPECT_EQ(Caption("Form3", column.StockLabel()), "1");
  }
  EXPECT_EQ(Caption("Form1", "Label1"), std::to_string(static_cast<long long>(cash)));
  EXPECT_EQ(Caption("Form3", "Label13"), Caption("Form1", "Label1"));
}

}  // namespace
}  // namespace avtosalon
