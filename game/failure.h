#pragma once

#include <exception>
#include <string_view>

namespace avtosalon {

// The one failure path of the game: a failed step stops its handler and the
// program. Thrown as an exception so that the event dispatch can catch it once.
enum class FailureKind {
  kTypeMismatch,
  kOverflow,
  kFloatingPointFault,
  kCallFailure,  // a property or window operation the runtime cannot carry out
};

// "TypeMismatch", "Overflow", "FloatingPointFault", "CallFailure".
std::string_view FailureKindName(FailureKind kind);
// What the player is told in Russian: "переполнение".
std::string_view FailureKindDescription(FailureKind kind);

class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind) : kind_(kind) {}
  FailureKind Kind() const { return kind_; }
  const char* what() const noexcept override;

 private:
  FailureKind kind_;
};

}  // namespace avtosalon
