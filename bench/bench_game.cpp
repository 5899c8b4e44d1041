#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/ratios.h"
#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "forms/form3/form3.h"
#include "forms/project.h"
#include "shell/headless_host.h"
#include "shell/runtime.h"

namespace {

using avtosalon::ControlHandle;
using avtosalon::Form;
using avtosalon::GameProject;
using avtosalon::HeadlessHost;
using avtosalon::Runtime;

// One input of a scripted game: a press, a choice in a list, a pasted text or a wait.
struct Input {
  enum class Kind { kClick, kSelect, kPaste, kWait } kind;
  int form = 0;
  int control = 0;
  int item = 0;
  std::string text;
  std::int64_t milliseconds = 0;
};

// The windows' controls by name, as indices into the game's tables.
const avtosalon::form1::Main& main() {
  static const auto handles = avtosalon::IndicesOf<avtosalon::form1::Main>(GameProject());
  return handles;
}
const avtosalon::form2::Purchase& purchase() {
  static const auto handles = avtosalon::IndicesOf<avtosalon::form2::Purchase>(GameProject());
  return handles;
}
const avtosalon::form3::Sales& sales() {
  static const auto handles = avtosalon::IndicesOf<avtosalon::form3::Sales>(GameProject());
  return handles;
}

class ScriptBuilder {
 public:
  ScriptBuilder& Click(const ControlHandle& control, int times = 1) {
    for (int i = 0; i < times; ++i) Add(Input::Kind::kClick, control);
    return *this;
  }
  ScriptBuilder& Select(const ControlHandle& list, int item) {
    Add(Input::Kind::kSelect, list).item = item;
    return *this;
  }
  ScriptBuilder& Paste(const ControlHandle& box, std::string text) {
    Add(Input::Kind::kPaste, box).text = std::move(text);
    return *this;
  }
  ScriptBuilder& Wait(std::int64_t milliseconds) {
    inputs_.push_back({Input::Kind::kWait, 0, 0, 0, "", milliseconds});
    return *this;
  }
  // Shevrolets bought in «Россия» and sold in «Таджикистан».
  ScriptBuilder& Trade(int units) {
    Click(main().buy_window).Select(purchase().models, 0).Click(purchase().to_countries);
    Click(purchase().countries[0]).Click(purchase().unit_price).Click(purchase().to_quantity);
    Paste(purchase().quantity, std::to_string(units)).Click(purchase().buy);
    Click(main().sell_window)
        .Click(sales().columns[0].model)
        .Select(sales().columns[0].countries, 4);
    return Click(sales().columns[0].sell, units).Click(sales().back);
  }
  std::vector<Input> Build() { return std::move(inputs_); }

 private:
  Input& Add(Input::Kind kind, const ControlHandle& control) {
    inputs_.push_back({kind, control.FormIndex(), control.Index(), 0, "", 0});
    return inputs_.back();
  }
  std::vector<Input> inputs_;
};

// A whole game: a deposit and its interest, two trades and the win.
const std::vector<Input>& WholeGame() {
  static const std::vector<Input> inputs = ScriptBuilder()
                                               .Paste(main().bank.deposit, "5000")
                                               .Click(main().bank.ok)
                                               .Wait(3000)
                                               .Trade(43)
                                               .Wait(3000)
                                               .Trade(159)
                                               .Click(main().win)
                                               .Build();
  return inputs;
}

void Play(Runtime& game, const Input& input) {
  switch (input.kind) {
    case Input::Kind::kClick:
      game.Click(input.form, input.control);
      break;
    case Input::Kind::kSelect:
      game.Select(input.form, input.control, input.item);
      break;
    case Input::Kind::kPaste:
      game.Edit(input.form, input.control, input.text, static_cast<int>(input.text.size()));
      break;
    case Input::Kind::kWait:
      game.AdvanceClockTo(game.Clock() + input.milliseconds);
      break;
  }
}

// Counts the property writes the game makes, for the baseline to make as many.
class CountingHost final : public avtosalon::Host {
 public:
  void FormCreated(const Form&) override {}
  void FormVisibilityChanged(const Form&) override { ++writes; }
  void ControlChanged(const Form&, int, avtosalon::Property) override { ++writes; }
  void FocusChanged(const Form&) override {}
  void ShowMessage(const avtosalon::MessageBox&) override {}
  void ProgramEnded() override {}
  std::optional<std::int64_t> Now() const override { return std::nullopt; }
  void TimersChanged(std::optional<std::int64_t>) override {}
  avtosalon::Size MeasureText(const avtosalon::FontSpec& font,
                              std::string_view text) const override {
    return measure_.MeasureText(font, text);
  }
  long long writes = 0;

 private:
  HeadlessHost measure_;
};

long long WritesPerGame() {
  static const long long writes = [] {
    CountingHost host;
    Runtime game(GameProject(), host);
    game.Start();
    for (const Input& input : WholeGame()) Play(game, input);
    return host.writes;
  }();
  return writes;
}

void BM_WholeGame(benchmark::State& state) {
  const std::vector<Input>& inputs = WholeGame();
  for (auto _ : state) {
    HeadlessHost host;
    Runtime game(GameProject(), host);
    game.Start();
    for (const Input& input : inputs) Play(game, input);
    if (!game.Ended() || game.Fatal()) state.SkipWithError("the scripted game was not won");
    benchmark::DoNotOptimize(game.Now());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["inputs"] = static_cast<double>(inputs.size());
  state.counters["writes"] = static_cast<double>(WritesPerGame());
}

// As many plain caption writes as a whole game makes, into a vector of captions.
void BM_CaptionWrites(benchmark::State& state) {
  const long long writes = WritesPerGame();
  std::vector<std::string> values;
  for (int i = 0; i < 64; ++i) values.push_back(std::to_string(1000000 + 23000 * i));
  std::vector<std::string> captions(40);
  for (auto _ : state) {
    for (long long i = 0; i < writes; ++i) {
      captions[static_cast<std::size_t>(i) % captions.size()] =
          values[static_cast<std::size_t>(i) % values.size()];
    }
    benchmark::DoNotOptimize(captions.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

// The runtime's own start: one window without controls created, loaded and shown.
void BM_EmptyStart(benchmark::State& state) {
  const avtosalon::Project project{.forms = {{.spec = {.name = "Form1"}}}};
  for (auto _ : state) {
    HeadlessHost host;
    Runtime game(project, host);
    game.Start();
    benchmark::DoNotOptimize(game.FormAt(0));
  }
  state.SetItemsProcessed(state.iterations());
}

// A game in the purchase window's quantity step, one Shevrolet at a time.
void BM_PurchaseClick(benchmark::State& state) {
  HeadlessHost host;
  Runtime game(GameProject(), host);
  game.Start();
  const std::vector<Input> to_quantity = ScriptBuilder()
                                             .Click(main().buy_window)
                                             .Select(purchase().models, 0)
                                             .Click(purchase().to_countries)
                                             .Click(purchase().countries[0])
                                             .Click(purchase().unit_price)
                                             .Click(purchase().to_quantity)
                                             .Build();
  const avtosalon::Label& cash = game.Handles<avtosalon::form1::Main>()->cash;
  for (const Input& input : to_quantity) Play(game, input);  // creates the purchase window
  const avtosalon::form2::Purchase& purchase = *game.Handles<avtosalon::form2::Purchase>();
  game.Click(purchase.back.FormIndex(), purchase.back.Index());
  for (auto _ : state) {
    state.PauseTiming();
    cash.SetCaption("1000000");
    for (const Input& input : to_quantity) Play(game, input);
    state.ResumeTiming();
    game.Click(purchase.buy.FormIndex(), purchase.buy.Index());
  }
  if (purchase.window.Visible()) state.SkipWithError("the purchase did not go through");
}

// The sales window on offer with a stock that lasts.
void BM_SaleClick(benchmark::State& state) {
  HeadlessHost host;
  Runtime game(GameProject(), host);
  game.Start();
  game.Handles<avtosalon::form1::Main>()->fleet[0].SetCaption("2000000000");
  for (const Input& input : ScriptBuilder()
                                .Click(main().sell_window)
                                .Click(sales().columns[0].model)
                                .Select(sales().columns[0].countries, 4)
                                .Build()) {
    Play(game, input);
  }
  const avtosalon::Button& sell = game.Handles<avtosalon::form3::Sales>()->columns[0].sell;
  for (auto _ : state) game.Click(sell.FormIndex(), sell.Index());
  if (!sell.State().enabled) state.SkipWithError("the stock ran out");
}

// The deposit box's Change: the interest worked out and the shortage checked.
void BM_DepositChange(benchmark::State& state) {
  HeadlessHost host;
  Runtime game(GameProject(), host);
  game.Start();
  const avtosalon::TextBox& box = game.Handles<avtosalon::form1::Main>()->bank.deposit;
  const std::string deposits[] = {"5000", "7000"};
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& deposit = deposits[i++ % 2];
    game.Edit(box.FormIndex(), box.Index(), deposit, static_cast<int>(deposit.size()));
  }
}

BENCHMARK(BM_WholeGame);
BENCHMARK(BM_CaptionWrites);
BENCHMARK(BM_EmptyStart);
BENCHMARK(BM_PurchaseClick);
BENCHMARK(BM_SaleClick);
BENCHMARK(BM_DepositChange);

}  // namespace

int main(int argc, char** argv) {
  avtosalon::bench::RatioReporter reporter(
      {{"BM_WholeGame", "BM_CaptionWrites"}, {"BM_WholeGame", "BM_EmptyStart"}});
  const int status = avtosalon::bench::RunWithRatios(argc, argv, reporter);
  if (const double game = reporter.Nanoseconds("BM_WholeGame"); game > 0) {
    std::printf("whole games per second: %.0f\n", 1e9 / game);
  }
  return status;
}
