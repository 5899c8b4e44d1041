// The bank panel and the goal at the edges that play takes long to reach.
#include "tests/forms/game_fixture.h"

namespace avtosalon {
namespace {

class Bank : public Game {};

TEST_F(Bank, DepositsStillWorkOnceTheCashPasses32Bits) {
  Write("Form1", "Label1", "5000000000");
  Edit("Form1", "Text1", "2147483647");
  EXPECT_EQ(Caption("Form1", "Label15"), "21474836");
  EXPECT_TRUE(Get("Form1", "Command4").enabled);
  Click("Form1", "Command4");
  EXPECT_EQ(Caption("Form1", "Label1"), "2852516353");
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
    Edit("Form1", "Text1", deposit);
    EXPECT_EQ(Caption("Form1", "Label15"), interest) << deposit;
  }
}

TEST_F(Bank, NoNegativeDepositPaysOut) {
  for (const char* deposit : {"-1", "-0.4", "-0.5", "-1e-300", "-150"}) {
    Edit("Form1", "Text1", deposit);
    EXPECT_EQ(Caption("Form1", "Label15"), "") << deposit;
    EXPECT_FALSE(Get("Form1", "Command4").enabled) << deposit;
    Click("Form1", "Command4");
  }
  Edit("Form1", "Text1", "-0");
  EXPECT_TRUE(Get("Form1", "Command4").enabled) << "minus zero is zero";
  Click("Form1", "Command4");
  EXPECT_EQ(Caption("Form1", "Label1"), "1000000");
  // A fraction is deducted as typed.
  Edit("Form1", "Text1", "0.4");
  Click("Form1", "Command4");
  EXPECT_EQ(Caption("Form1", "Label1"), "999999.6");
}

TEST_F(Bank, ATickWithoutANumberWritesNothing) {
  Edit("Form1", "Text1", "700");
  Click("Form1", "Command4");
  runtime_.AdvanceClock(3000);
  EXPECT_EQ(Caption("Form1", "Label18"), "7");
  Write("Form1", "Label15", "");
  runtime_.AdvanceClock(3000);
  EXPECT_EQ(Caption("Form1", "Label18"), "7");
  ExpectRunning();
}

TEST_F(Bank, TheGoalIsAtLeastTenMillion) {
  const std::pair<const char*, bool> kCases[] = {
      {"9999999.5", false}, {"9999999", false}, {"10000000", true}, {"1E+15", true}};
  for (const auto& [cash, wins] : kCases) {
    HeadlessHost host;
    Runtime runtime(GameProject(), host);
    runtime.Start();
    Form& main = *runtime.Find("Form1");
    runtime.SetCaption(main, main.Find("Label1").value(), cash);
    runtime.Click(main, main.Find("Command7").value());
    ASSERT_EQ(host.Events().size(), wins ? 4u : 3u) << cash;
    EXPECT_EQ(host.Events()[2].message.prompt,
              wins ? "Вы выйграли и купили автосалон!!!" : "За эти гроши???")
        << cash;
    EXPECT_EQ(runtime.Ended(), wins) << cash;
    EXPECT_FALSE(runtime.Fatal());
  }
}

}  // namespace
}  // namespace avtosalon
