// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/fatal_report.h"

namespace avtosalon {

MessageBox FatalReport(FailureKind kind) {
  return MessageBox{kErrorStyle, "Ошибка выполнения",
                    "Ошибка выполнения: " + std::string(FailureKindDescription(kind)) + " (" +
                        std::string(FailureKindName(kind)) + ").\nИгра будет закрыта."};
}

}  // namespace avtosalon
