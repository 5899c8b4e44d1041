#include "shell/fatal_report.h"

namespace avtosalon {
namespace {

std::string Describe(FailureKind kind) {
  switch (kind) {
    case FailureKind::kTypeMismatch:
      return "несоответствие типов";
    case FailureKind::kOverflow:
      return "переполнение";
    case FailureKind::kFloatingPointFault:
      return "ошибка вычислений с плавающей точкой";
    case FailureKind::kCallFailure:
      return "недопустимый вызов";
  }
  return "неизвестная ошибка";
}

}  // namespace

MessageBox FatalReport(FailureKind kind) {
  return MessageBox{kErrorStyle, "Ошибка выполнения",
                    "Ошибка выполнения: " + Describe(kind) + " (" +
                        std::string(FailureKindName(kind)) + ").\nИгра будет закрыта."};
}

}  // namespace avtosalon
