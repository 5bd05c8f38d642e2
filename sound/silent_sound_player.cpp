// For comparison only (bench/sound.sh): a player that plays nothing and
// loads no sound library, to show what the window costs without sound.
#include "sound_player.h"

namespace trixola {

namespace {

class SilentPlayer : public GameSoundPlayer {
 public:
  void Start() override {}
  void Play(SoundEffect) override {}
  bool Loaded(SoundEffect) const override { return false; }
  std::chrono::steady_clock::time_point HandedOver() const override { return {}; }
};

}  // namespace

std::unique_ptr<GameSoundPlayer> MakeSoundPlayer(QString) {
  return std::make_unique<SilentPlayer>();
}

}  // namespace trixola
