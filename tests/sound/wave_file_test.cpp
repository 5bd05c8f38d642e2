// The wave reader against files of every kind a sound's place may hold.
#include "wave_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace trixola {
namespace {

std::string Le16(unsigned v) {
  return {char(v & 0xFF), char(v >> 8 & 0xFF)};
}
std::string Le32(unsigned v) {
  return Le16(v & 0xFFFF) + Le16(v >> 16);
}
std::string Chunk(const std::string& id, const std::string& body) {
  return id + Le32(static_cast<unsigned>(body.size())) + body + std::string(body.size() % 2, '\0');
}
// A format chunk; `more` is what follows the sample size in it.
std::string Fmt(unsigned tag, unsigned channels, unsigned rate, unsigned bits,
                const std::string& more = "") {
  const unsigned frame = channels * bits / 8;
  return Chunk("fmt ", Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * frame) + Le16(frame) +
                           Le16(bits) + more);
}
std::string Extensible(unsigned subformat, unsigned bits) {
  return Fmt(0xFFFE, 2, 48000, bits,
             Le16(22) + Le16(bits) + Le32(3) + Le16(subformat) + std::string(14, 'g'));
}
std::string Riff(const std::string& chunks) {
  return "RIFF" + Le32(4 + chunks.size()) + "WAVE" + chunks;
}
const std::string kSamples(400, '\x11');
// A RIFF WAVE file of `fmt`, then the samples.
std::string Wav(const std::string& fmt, const std::string& samples = kSamples) {
  return Riff(fmt + Chunk("data", samples));
}
const std::string kPcm16 = Wav(Fmt(1, 1, 44100, 16));

struct Case {
  const char* name;
  std::string bytes;
  std::int64_t taken;  // bytes of samples taken; 0: the file is refused
};

class WaveFileTest : public ::testing::TestWithParam<Case> {
 protected:
  std::string Write(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
    return path_;
  }
  // One file a process: ctest runs the cases side by side.
  std::string path_ = testing::TempDir() + "trixola_wave_" + std::to_string(::getpid()) + ".wav";
  void TearDown() override { std::filesystem::remove_all(path_); }
};

TEST_P(WaveFileTest, TakesOnlyWholePcmWaveFiles) {
  const Case& c = GetParam();
  std::string why;
  const std::optional<Wave> wave = ReadWave(Write(c.bytes), &why);
  ASSERT_EQ(wave.has_value(), c.taken > 0) << why;
  const std::vector<char> samples(kSamples.begin(), kSamples.begin() + c.taken);
  EXPECT_EQ(wave.value_or(Wave{}).samples, samples);
}

// 16-bit mono PCM is taken in "notesBefore", and as kPcm16 in the tests below.
INSTANTIATE_TEST_SUITE_P(
    Files, WaveFileTest,
    ::testing::Values(Case{"pcm8", Wav(Fmt(1, 2, 8000, 8)), 400},
                      Case{"float", Wav(Fmt(3, 1, 48000, 32)), 400},
                      Case{"extensible", Wav(Extensible(1, 24)), 396},
                      Case{"notesBefore", Wav(Fmt(1, 1, 44100, 16) + Chunk("LIST", "odd")), 400},
                      Case{"partFrame", Wav(Fmt(1, 2, 44100, 16), kSamples.substr(0, 398)), 396},
                      Case{"cutShort", kPcm16.substr(0, 300), 0},
                      Case{"headerOnly", Riff(Fmt(1, 1, 44100, 16)), 0}, Case{"empty", "", 0},
                      Case{"notRiff", "RIFX" + kPcm16.substr(4), 0},
                      Case{"adpcm", Wav(Fmt(2, 1, 44100, 4)), 0},
                      Case{"extensibleAdpcm", Wav(Extensible(2, 16)), 0},
                      Case{"noChannels", Wav(Fmt(1, 0, 44100, 16)), 0},
                      Case{"dataFirst", Riff(Chunk("data", kSamples) + Fmt(1, 1, 44100, 16)), 0},
                      Case{"noSamples", Wav(Fmt(1, 1, 44100, 16), ""), 0}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

// What must not be read at all: neither waits nor takes memory.
TEST_F(WaveFileTest, RefusesFoldersPipesAndHugeFiles) {
  std::filesystem::create_directory(path_);
  EXPECT_FALSE(InspectWave(path_));
  std::filesystem::remove(path_);
  ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);  // no writer: opening it would wait
  EXPECT_FALSE(InspectWave(path_));
  std::filesystem::remove(path_);
  Write(kPcm16);
  std::filesystem::resize_file(path_, kLargestWaveBytes + 1);
  EXPECT_FALSE(InspectWave(path_));
  EXPECT_FALSE(InspectWave(path_ + ".missing"));
}

// The samples are read while the effect plays; a file cut short since then
// gives a failed read, not stale or foreign bytes.
TEST_F(WaveFileTest, ReadsSamplesOnlyWhileTheFileIsAsInspected) {
  const std::optional<Wave> wave = InspectWave(Write(kPcm16));
  ASSERT_TRUE(wave);
  char part[100];
  EXPECT_TRUE(ReadWaveSamples(*wave, 300, part, sizeof part));
  EXPECT_FALSE(ReadWaveSamples(*wave, 301, part, sizeof part));
  std::filesystem::resize_file(path_, 100);
  EXPECT_FALSE(ReadWaveSamples(*wave, 0, part, sizeof part));
}

}  // namespace
}  // namespace trixola
