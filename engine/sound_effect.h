// The game's sound effects, as the rules of the game ask for them.
#pragma once

#include <cstdint>

namespace trixola {

enum class SoundEffect : std::uint8_t { Click, Level, PlayerWon, ComputerWon, Draw };

}  // namespace trixola
