// Counting that stops at the top instead of wrapping: a score or a clock
// that has reached the largest value its type holds stays there.
#pragma once

#include <limits>
#include <string>

namespace trixola {

template <typename Count>
constexpr void RaiseCount(Count& count) {
  if (count < std::numeric_limits<Count>::max()) ++count;
}

// Plain decimal digits, as the score and clock captions show them.
template <typename Count>
std::string CountText(Count count) {
  return std::to_string(count);
}

}  // namespace trixola
