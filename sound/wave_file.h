// Reading a sound effect's .wav file, safely: whatever lies at the path, the
// read neither blocks nor takes much memory, and only a whole, uncompressed
// RIFF WAVE file is taken.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trixola {

struct Wave {
  enum class Encoding : std::uint8_t { U8, S16LE, S24LE, S32LE, F32LE };
  Encoding encoding = Encoding::S16LE;
  std::uint32_t rate = 0;
  std::uint8_t channels = 0;
  std::string path;
  // Where the samples lie in the file, and how many bytes of them: a whole
  // number of frames.
  std::int64_t data_at = 0;
  std::int64_t data_bytes = 0;
  // The samples, interleaved, when read with ReadWave.
  std::vector<char> samples;

  int BytesPerSample() const;
  double Seconds() const;
};

// A file bigger than this (a minute and a half of CD-quality sound) is not
// one of the game's effects, which last a second or so.
inline constexpr std::int64_t kLargestWaveBytes = 16 * 1024 * 1024;

// The sound in the file at `path`, without its samples, or nothing (with
// the reason in `why`) when it is not a regular file, is bigger than
// kLargestWaveBytes, is not a RIFF WAVE file, holds anything but 8/16/24/32-
// bit integer or 32-bit float PCM, has no samples or is cut short.
std::optional<Wave> InspectWave(const std::string& path, std::string* why = nullptr);

// Reads `length` bytes of the samples, from byte `offset` of them, into `to`.
// False when the file is no longer there as InspectWave found it.
bool ReadWaveSamples(const Wave& wave, std::int64_t offset, void* to, std::size_t length);

// InspectWave, and all the samples read into `samples`.
std::optional<Wave> ReadWave(const std::string& path, std::string* why = nullptr);

}  // namespace trixola
