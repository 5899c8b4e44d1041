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
    return {Get(Column(column.k).countries).enabled, Get(Column(column.k).price).enabled,
            Get(Column(column.k).stock).enabled, Get(Column(column.k).sell).enabled};
  }

  // Walks column k into a state along the ways a player would.
  void Reach(form3::Column column, State state, bool in_stock) {
    Write(main().fleet[column.k - 1], in_stock ? "1" : "0");
    if (state == State::kClosed) return;
    Click(Column(column.k).model);
    if (state == State::kOpen) return;
    Select(Column(column.k).countries, 2);
    if (state == State::kOpenFromOffer) Click(Column(column.k).model);
  }

  void Do(form3::Column column, Action action) {
    const form3::Column other{column.k % 6 + 1};
    switch (action) {
      case Action::kOwnModelButton:
        Click(Column(column.k).model);
        break;
      case Action::kOtherModelButton:
        Click(Column(other.k).model);
        break;
      case Action::kSelectCountry:
        Select(Column(column.k).countries, 0);
        break;
      case Action::kSellLast:
        Click(Column(column.k).sell);
        break;
      case Action::kBack:
        Click(sales().back);
        Click(main().sell_window);
        break;
    }
  }
};

TEST_F(SalesColumns, EveryTransitionHoldsInEveryColumn) {
  Click(main().sell_window);
  for (int k = 1; k <= 6; ++k) {
    for (const Transition& t : kTransitions) {
      Click(sales().back);  // every column closed again
      Click(main().sell_window);
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
  Click(main().sell_window);
  for (int k = 1; k <= 6; ++k) {
    Click(Column(k).model);
    int enabled = 0;
    for (int j = 1; j <= 6; ++j) enabled += Get(Column(j).countries).enabled;
    EXPECT_EQ(enabled, 1) << "after model button " << k;
  }
}

TEST_F(SalesColumns, ANegativeStockDoesNotSell) {
  for (const char* stock : {"-1", "-0.5", "0", "-32768"}) {
    Write(main().fleet[0], stock);
    Click(main().sell_window);
    Click(sales().columns[0].model);
    Select(sales().columns[0].countries, 4);
    EXPECT_EQ(Caption(sales().columns[0].stock), stock);
    EXPECT_FALSE(Get(sales().columns[0].sell).enabled) << "stock " << stock;
    Click(sales().back);
  }
  EXPECT_EQ(Caption(main().cash), "1000000");
}

TEST_F(SalesColumns, EachColumnSellsItsOwnModelAtItsOwnRowOfPrices) {
  Click(main().sell_window);
  double cash = 1000000;
  for (int k = 1; k <= 6; ++k) {
    Write(main().fleet[k - 1], "2");
    const form3::Column column{k};
    for (int country = 1; country <= 5; ++country) {
      Click(Column(column.k).model);
      Select(Column(column.k).countries, country - 1);
      ASSERT_EQ(Caption(Column(column.k).price), std::to_string(Price(k, country)));
    }
    Click(Column(column.k).sell);
    cash += Price(k, 5);
    EXPECT_EQ(Caption(main().fleet[k - 1]), "1");
    EXPECT_EQ(Caption(Column(column.k).stock), "1");
  }
  EXPECT_EQ(Caption(main().cash), std::to_string(static_cast<long long>(cash)));
  EXPECT_EQ(Caption(sales().cash), Caption(main().cash));
}

}  // namespace
}  // namespace avtosalon
