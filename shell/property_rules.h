// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/failure.h"
#include "shell/types.h"

// Which properties a control kind has; asking a control for one it lacks is a failed call.
namespace avtosalon {

[[noreturn]] inline void CallFailed() { throw Failure(FailureKind::kCallFailure); }

inline bool HasCaption(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kCommandButton ||
         kind == ControlKind::kOptionButton || kind == ControlKind::kFrame;
}

inline bool HasPicture(ControlKind kind) {
  return kind == ControlKind::kImage || kind == ControlKind::kPictureBox;
}

}  // namespace avtosalon
