// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/ratios.h"
#include "game/numeric_text.h"

namespace {

// The texts a session of the game reads most: prices, cash, quantities, a few
// fractions and the odd huge or tiny amount.
const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::mt19937 random(2024);
    std::vector<std::string> out;
    const char* const fractions[] = {"0.25", "12.75", "0.1", "1.05", "0.333333333333333", "2.5"};
    const char* const scientific[] = {"1E+15", "1.5E-05", "2.5E+20", "1E-07"};
    for (int i = 0; i < 1000; ++i) {
      const unsigned pick = random() % 100;
      if (pick < 30) {
        out.push_back(std::to_string(5000 + 500 * (random() % 110)));
      } else if (pick < 60) {
        const unsigned cash = 900000 + random() % 200000;
        out.push_back(std::to_string(cash) + (pick % 3 == 0 ? ".5" : ""));
      } else if (pick < 90) {
        out.push_back(std::to_string(1 + random() % 30000));
      } else if (pick < 96) {
        out.push_back(fractions[random() % std::size(fractions)]);
      } else {
        out.push_back(scientific[random() % std::size(scientific)]);
      }
    }
    return out;
  }();
  return texts;
}

const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::vector<double> out;
    for (const std::string& text : Texts()) out.push_back(avtosalon::TextToDouble(text));
    return out;
  }();
  return values;
}

// Values as arithmetic leaves them: mostly 16 or 17 significant digits.
const std::vector<double>& ComputedValues() {
  static const std::vector<double> values = [] {
    std::vector<double> out;
    for (const double v : Values()) out.push_back(v * 1.07 / 3);
    return out;
  }();
  return values;
}

template <typename Each>
void OverTexts(benchmark::State& state, Each each) {
  const auto& texts = Texts();
  for (auto _ : state) {
    for (const std::string& text : texts) each(std::string_view(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

template <typename Each>
void OverValues(benchmark::State& state, const std::vector<double>& values, Each each) {
  for (auto _ : state) {
    for (const double value : values) each(value);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

void BM_ReadDouble(benchmark::State& state) {
  OverTexts(state,
            [](std::string_view text) { benchmark::DoNotOptimize(avtosalon::ReadDouble(text)); });
}

void BM_FromCharsDouble(benchmark::State& state) {
  OverTexts(state, [](std::string_view text) {
    double value = 0;
    benchmark::DoNotOptimize(std::from_chars(text.data(), text.data() + text.size(), value));
    benchmark::DoNotOptimize(value);
  });
}

void BM_ReadLong(benchmark::State& state) {
  OverTexts(state,
            [](std::string_view text) { benchmark::DoNotOptimize(avtosalon::ReadLong(text)); });
}

void BM_FromCharsInt(benchmark::State& state) {
  OverTexts(state, [](std::string_view text) {
    std::int32_t value = 0;
    benchmark::DoNotOptimize(std::from_chars(text.data(), text.data() + text.size(), value));
    benchmark::DoNotOptimize(value);
  });
}

void BM_LeadingValue(benchmark::State& state) {
  OverTexts(state,
            [](std::string_view text) { benchmark::DoNotOptimize(avtosalon::LeadingValue(text)); });
}

void WriteText(double value) {
  std::string text = avtosalon::NumberToText(value);
  benchmark::DoNotOptimize(text.data());
}

void WriteToChars(double value) {
  char buffer[32];
  benchmark::DoNotOptimize(
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15));
  benchmark::DoNotOptimize(buffer);
}

void BM_NumberToText(benchmark::State& state) { OverValues(state, Values(), WriteText); }
void BM_ToChars15(benchmark::State& state) { OverValues(state, Values(), WriteToChars); }
void BM_NumberToTextComputed(benchmark::State& state) {
  OverValues(state, ComputedValues(), WriteText);
}
void BM_ToChars15Computed(benchmark::State& state) {
  OverValues(state, ComputedValues(), WriteToChars);
}

BENCHMARK(BM_ReadDouble);
BENCHMARK(BM_FromCharsDouble);
BENCHMARK(BM_ReadLong);
BENCHMARK(BM_FromCharsInt);
BENCHMARK(BM_LeadingValue);
BENCHMARK(BM_NumberToText);
BENCHMARK(BM_ToChars15);
BENCHMARK(BM_NumberToTextComputed);
BENCHMARK(BM_ToChars15Computed);

}  // namespace

int main(int argc, char** argv) {
  avtosalon::bench::RatioReporter reporter({
      {"BM_ReadDouble", "BM_FromCharsDouble"},
      {"BM_ReadLong", "BM_FromCharsInt"},
      {"BM_LeadingValue", "BM_FromCharsDouble"},
      {"BM_NumberToText", "BM_ToChars15"},
      {"BM_NumberToTextComputed", "BM_ToChars15Computed"},
  });
  return avtosalon::bench::RunWithRatios(argc, argv, reporter);
}
