#include "game/failure.h"

namespace avtosalon {

std::string_view FailureKindName(FailureKind kind) {
  switch (kind) {
    case FailureKind::kTypeMismatch:
      return "TypeMismatch";
    case FailureKind::kOverflow:
      return "Overflow";
    case FailureKind::kFloatingPointFault:
      return "FloatingPointFault";
    case FailureKind::kCallFailure:
      return "CallFailure";
  }
  return "CallFailure";
}

// The names are string literals, so the view is null-terminated.
const char* Failure::what() const noexcept { return FailureKindName(kind_).data(); }

}  // namespace avtosalon
