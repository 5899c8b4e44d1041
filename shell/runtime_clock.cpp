// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "shell/runtime.h"

namespace avtosalon {
namespace {

constexpr auto kEarlierDue = [](const auto& a, const auto& b) { return a.second < b.second; };

}  // namespace

void Runtime::ScheduleTimer(const Form& form, int control) {
  const Control& c = form.At(control);
  if (c.Kind() != ControlKind::kTimer) return;
  const TimerKey key{form.Index(), control};
  if (c.enabled && c.interval > 0 && !ended_) {
    due_[key] = now_ + c.interval;
  } else {
    due_.erase(key);
  }
}

std::optional<std::int64_t> Runtime::NextDue() const {
  if (due_.empty()) return std::nullopt;
  return std::min_element(due_.begin(), due_.end(), kEarlierDue)->second;
}

void Runtime::AdvanceClockTo(std::int64_t now) {
  const std::int64_t target = std::max(now_, now);
  while (!ended_ && !due_.empty()) {
    // std::map orders by window, then control, so ties go in creation order.
    const auto earliest = std::min_element(due_.begin(), due_.end(), kEarlierDue);
    if (earliest->second > target) break;
    const auto [form_index, control] = earliest->first;
    now_ = earliest->second;
    Form& form = *forms_[static_cast<std::size_t>(form_index)];
    earliest->second += form.At(control).interval;
    Raise(form, control, Event::kTimer, /*boundary=*/true);
  }
  now_ = target;
  host_.TimersChanged(ended_ ? std::nullopt : NextDue());
}

void Runtime::CatchUp() {
  if (const auto now = host_.Now()) AdvanceClockTo(*now);
}

}  // namespace avtosalon
