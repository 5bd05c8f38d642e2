// A count that stops at the largest value its type holds instead of wrapping
// round to a negative number.
#pragma once

#include <limits>

namespace trixola {

template <typename Value>
class Counter {
 public:
  constexpr Counter() = default;
  constexpr explicit Counter(Value start) : value_(start) {}

  constexpr Value value() const { return value_; }
  constexpr void Raise() {
    if (value_ < std::numeric_limits<Value>::max()) ++value_;
  }

 private:
  Value value_ = 0;
};

}  // namespace trixola
