#include "game/failure.h"

#include <array>

namespace avtosalon {
namespace {

struct KindText {
  FailureKind kind;
  std::string_view name;
  std::string_view description;
};

// One row per kind, in the order of the enumeration.
constexpr std::array<KindText, 4> kKinds{{
    {FailureKind::kTypeMismatch, "TypeMismatch", "несоответствие типов"},
    {FailureKind::kOverflow, "Overflow", "переполнение"},
    {FailureKind::kFloatingPointFault, "FloatingPointFault",
     "ошибка вычислений с плавающей точкой"},
    {FailureKind::kCallFailure, "CallFailure", "недопустимый вызов"},
}};

const KindText& TextOf(FailureKind kind) {
  const auto row = static_cast<std::size_t>(kind);
  return row < kKinds.size() ? kKinds[row] : kKinds.back();
}

}  // namespace

std::string_view FailureKindName(FailureKind kind) { return TextOf(kind).name; }

std::string_view FailureKindDescription(FailureKind kind) { return TextOf(kind).description; }

// The names are string literals, so the view is null-terminated.
const char* Failure::what() const noexcept { return FailureKindName(kind_).data(); }

}  // namespace avtosalon
