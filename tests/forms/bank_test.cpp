// The bank panel and the goal at the edges that play takes long to reach.
#include "tests/forms/game_fixture.h"

namespace avtosalon {
namespace {

class Bank : public Game {};

TEST_F(Bank, DepositsStillWorkOnceTheCashPasses32Bits) {
  Write(main().cash, "5000000000");
  Edit(main().bank.deposit, "2147483647");
  EXPECT_EQ(Caption(main().bank.interest), "21474836");
  EXPECT_TRUE(Get(main().bank.ok).enabled);
  Click(main().bank.ok);
  EXPECT_EQ(Caption(main().cash), "2852516353");
  ExpectRunning();
}

TEST_F(Bank, InterestIsAHundredthRoundedHalfToEven) {
  const std::pair<const char*, const char*> kCases[] = {
      {"250", "2"},
      {"350", "4"},
      {"150", "2"},
      {"50", "0"},
      {"149", "1"},
      {"151", "2"},
      {"2147483647", "21474836"},
      {"0", "0"},
      {"1e3", "10"},
      {"249.5", "2"},
      {"  1000  ", "10"},
  };
  for (const auto& [deposit, interest] : kCases) {
    Edit(main().bank.deposit, deposit);
    EXPECT_EQ(Caption(main().bank.interest), interest) << deposit;
  }
}

TEST_F(Bank, NoNegativeDepositPaysOut) {
  for (const char* deposit : {"-1", "-0.4", "-0.5", "-1e-300", "-150"}) {
    Edit(main().bank.deposit, deposit);
    EXPECT_EQ(Caption(main().bank.interest), "") << deposit;
    EXPECT_FALSE(Get(main().bank.ok).enabled) << deposit;
    Click(main().bank.ok);
  }
  Edit(main().bank.deposit, "-0");
  EXPECT_TRUE(Get(main().bank.ok).enabled) << "minus zero is zero";
  Click(main().bank.ok);
  EXPECT_EQ(Caption(main().cash), "1000000");
  // A fraction is deducted as typed.
  Edit(main().bank.deposit, "0.4");
  Click(main().bank.ok);
  EXPECT_EQ(Caption(main().cash), "999999.6");
}

TEST_F(Bank, ATickWithoutANumberWritesNothing) {
  Edit(main().bank.deposit, "700");
  Click(main().bank.ok);
  runtime_.AdvanceClockTo(runtime_.Clock() + 3000);
  EXPECT_EQ(Caption(main().bank.tick), "7");
  Write(main().bank.interest, "");
  runtime_.AdvanceClockTo(runtime_.Clock() + 3000);
  EXPECT_EQ(Caption(main().bank.tick), "7");
  ExpectRunning();
}

TEST_F(Bank, TheGoalIsAtLeastTenMillion) {
  const std::pair<const char*, bool> kCases[] = {
      {"9999999.5", false}, {"9999999", false}, {"10000000", true}, {"1E+15", true}};
  for (const auto& [cash, wins] : kCases) {
    HeadlessHost host;
    Runtime runtime(GameProject(), host);
    runtime.Start();
    const form1::Main& main = *runtime.Handles<form1::Main>();
    main.cash.SetCaption(cash);
    runtime.Click(main.win.FormIndex(), main.win.Index());
    ASSERT_EQ(runtime.Events().size(), wins ? 4u : 3u) << cash;
    EXPECT_EQ(runtime.Events()[2].message.prompt,
              wins ? "Вы выйграли и купили автосалон!!!" : "За эти гроши???")
        << cash;
    EXPECT_EQ(runtime.Ended(), wins) << cash;
    EXPECT_FALSE(runtime.Fatal());
  }
}

}  // namespace
}  // namespace avtosalon
