// avtosalon-random --seeds N --steps M [--first-seed S] [--out DIR] [--no-shrink]
//                  [--compare-hosts]: plays M random steps for each of N seeds, headless,
// checking the game after every step. A broken check is shrunk to the shortest steps that show
// it, written as a scenario file that avtosalon-scenario replays. With --compare-hosts the
// steps are played at once in real windows (on QT_QPA_PLATFORM, offscreen by default) and
// headless, and everything the player sees is compared after each step instead.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "forms/project.h"
#include "tools/random/compare_hosts.h"
#include "tools/random/run.h"
#include "tools/scenario/qt_driver.h"

namespace {

bool Number(std::string_view text, long long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() && value >= 0;
}

constexpr const char* kUsage =
    "usage: avtosalon-random --seeds N --steps M [--first-seed S] [--out DIR] [--no-shrink]\n"
    "                       [--compare-hosts]\n"
    "Plays M random steps for each of N seeds from seed S (0), headless, checking the game\n"
    "after every step. With --compare-hosts it plays the same steps in real windows too and\n"
    "compares everything the player sees after each step. A broken check or a difference is\n"
    "shrunk to the shortest steps that show it (unless --no-shrink) and written to DIR (.) as\n"
    "a scenario file. Exit status: 0 when every check held, 1 when one broke, 2 on a wrong\n"
    "command line.\n";

int Usage() {
  std::cerr << kUsage;
  return 2;
}

double SecondsSince(std::chrono::steady_clock::time_point started) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

int CompareHosts(int& argc, char** argv, const avtosalon::random_play::RunOptions& options,
                 const std::filesystem::path& out) {
  using namespace avtosalon;
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  scenario::QtSession session(argc, argv);
  const auto started = std::chrono::steady_clock::now();
  const random_play::CompareResult result = random_play::CompareSeeds(
      GameProject(), options, [&](const Project& project) { return session.NewDriver(project); });
  const double seconds = SecondsSince(started);
  for (const random_play::FoundDifference& found : result.differences) {
    const std::filesystem::path file = out / ("hosts-seed" + std::to_string(found.seed) + ".scn");
    std::ofstream(file, std::ios::binary) << found.scenario;
    std::cout << "DIFFER seed " << found.seed << ", game " << found.game << ", step " << found.step
              << ": " << found.difference.key << ": headless " << found.difference.headless
              << ", real windows " << found.difference.other << "\nshortest steps ("
              << found.steps.size() << "), written to " << file.string() << ":\n"
              << found.scenario << '\n';
  }
  std::printf("seeds               %lld (from %llu), %lld steps each\n", options.seeds,
              static_cast<unsigned long long>(options.first_seed), options.steps);
  std::printf("steps in both hosts %lld\n", result.steps);
  std::printf("games               %lld\n", result.games);
  std::printf("differences         %zu\n", result.differences.size());
  std::printf("time                %.2f s (%.0f steps/s)\n", seconds,
              seconds > 0 ? static_cast<double>(result.steps) / seconds : 0.0);
  return result.differences.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace avtosalon;
  random_play::RunOptions options;
  std::filesystem::path out = ".";
  bool compare_hosts = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    long long value = 0;
    if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (argument == "--no-shrink") {
      options.shrink = false;
    } else if (argument == "--compare-hosts") {
      compare_hosts = true;
    } else if (i + 1 < argc && argument == "--out") {
      out = argv[++i];
    } else if (i + 1 < argc && Number(argv[i + 1], value) &&
               (argument == "--seeds" || argument == "--steps" || argument == "--first-seed")) {
      ++i;
      if (argument == "--seeds") options.seeds = value;
      if (argument == "--steps") options.steps = value;
      if (argument == "--first-seed") options.first_seed = static_cast<std::uint64_t>(value);
    } else {
      return Usage();
    }
  }

  if (compare_hosts) return CompareHosts(argc, argv, options, out);

  const auto started = std::chrono::steady_clock::now();
  const random_play::RunResult result = random_play::PlaySeeds(GameProject(), options);
  const double seconds = SecondsSince(started);

  for (const random_play::FoundFailure& failure : result.failures) {
    const std::filesystem::path file =
        out / ("random-seed" + std::to_string(failure.seed) + ".scn");
    std::ofstream(file, std::ios::binary) << failure.scenario;
    std::cout << "FAIL seed " << failure.seed << ", game " << failure.game << ", step "
              << failure.step << ": " << failure.breach.invariant << ": " << failure.breach.detail
              << "\nshortest steps (" << failure.steps.size() << "), written to " << file.string()
              << ":\n"
              << failure.scenario << '\n';
  }

  const random_play::Tally& t = result.tally;
  const long long other = t.games - t.by_exit - t.by_close - t.by_win - t.cut_off - t.failures;
  std::printf("seeds               %lld (from %llu), %lld steps each\n", options.seeds,
              static_cast<unsigned long long>(options.first_seed), options.steps);
  std::printf("steps played        %lld (%lld could not be taken)\n", t.steps, t.ignored);
  std::printf("games               %lld\n", t.games);
  std::printf("  ended by exit     %lld\n", t.by_exit);
  std::printf("  ended by close    %lld\n", t.by_close);
  std::printf("  ended by win      %lld\n", t.by_win);
  std::printf("  still running     %lld\n", t.cut_off);
  if (other != 0) std::printf("  ended otherwise   %lld\n", other);
  std::printf("purchases           %lld\n", t.purchases);
  std::printf("sales               %lld\n", t.sales);
  std::printf("deposits            %lld\n", t.deposits);
  std::printf("interest ticks      %lld\n", t.ticks);
  std::printf("inexact cash games  %lld\n", t.inexact_games);
  std::printf("highest cash        %.1f\n", t.top_cash);
  std::printf("invariant failures  %lld\n", t.failures);
  std::printf("time                %.2f s (%.0f steps/s)\n", seconds,
              seconds > 0 ? static_cast<double>(t.steps) / seconds : 0.0);
  return t.failures == 0 ? 0 : 1;
}
