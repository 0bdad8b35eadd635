#pragma once
// How the code below the service layer says that something failed: a Result
// holds the value, or a Failure with the reason in words for a message and,
// when one names it, the errno of the failure and the file or folder it is
// about. Nothing here throws.

#include <optional>
#include <string>
#include <utility>

namespace zor::files {

struct Failure {
  std::string why;
  int error = 0;  // the errno that names the failure best; 0 when none does
  // The file or folder why names, as it names it; empty when it names none.
  // With error, what a caller needs to say the failure in words of its own
  // (the service layer's, in the user's language).
  std::string path{};
};

template <typename T = void>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(Failure failure) : failure_(std::move(failure)) {}

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }

  const Failure& failure() const { return failure_; }
  const std::string& why() const { return failure_.why; }
  int error() const { return failure_.error; }

 private:
  std::optional<T> value_;
  Failure failure_;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Failure failure) : failed_(true), failure_(std::move(failure)) {}

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const Failure& failure() const { return failure_; }
  const std::string& why() const { return failure_.why; }
  int error() const { return failure_.error; }

 private:
  bool failed_ = false;
  Failure failure_;
};

}  // namespace zor::files
