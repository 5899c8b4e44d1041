#include "shell/fatal_report.h"

namespace avtosalon {

MessageBox FatalReport(FailureKind kind) {
  return MessageBox{kErrorStyle, "Ошибка выполнения",
                    "Ошибка выполнения: " + std::string(FailureKindDescription(kind)) + " (" +
                        std::string(FailureKindName(kind)) + ").\nИгра будет закрыта."};
}

}  // namespace avtosalon
