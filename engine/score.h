// The score of the run: how many matches each side has won and how many were
// drawn. It lasts as long as the program and is never reset.
#pragma once

#include <array>
#include <cstdint>

#include "counter.h"
#include "match.h"

namespace trixola {

class Score {
 public:
  // Each count stops at 32767.
  int Count(Outcome outcome) const { return counts_[Index(outcome)].value(); }
  void Record(Outcome outcome) { counts_[Index(outcome)].Raise(); }

 private:
  static constexpr std::size_t Index(Outcome outcome) { return static_cast<std::size_t>(outcome); }

  std::array<Counter<std::int16_t>, 3> counts_{};
};

}  // namespace trixola
