#include "wave_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>

namespace trixola {

namespace {

// Chunks looked at before the sound data; a wave file has two to four.
constexpr int kMostChunks = 16;

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

// Highest rate and channel count the sound servers take.
constexpr std::uint32_t kHighestRate = 384000;
constexpr std::uint16_t kMostChannels = 8;

std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Le16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// Closes the file however the read ends.
class File {
 public:
  explicit File(const std::string& path)
      // O_NONBLOCK: opening a named pipe must not wait for a writer.
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) {}
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() {
    if (fd_ >= 0) ::close(fd_);
  }

  // The size of the file, or -1 when it could not be opened or is not a
  // regular file.
  std::int64_t RegularSize() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return info.st_size;
  }

  // Reads exactly `length` bytes at `offset`.
  bool ReadAt(std::int64_t offset, void* to, std::size_t length) const {
    auto* bytes = static_cast<char*>(to);
    while (length > 0) {
      const ssize_t n = ::pread(fd_, bytes, length, offset);
      if (n <= 0) return false;
      bytes += n;
      offset += n;
      length -= static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  int fd_;
};

std::optional<Wave> Fail(std::string* why, const char* reason) {
  if (why != nullptr) *why = reason;
  return std::nullopt;
}

// The encoding for a format tag and sample size, if it is one we play.
std::optional<Wave::Encoding> EncodingOf(std::uint16_t tag, std::uint16_t bits) {
  if (tag == kFormatPcm) {
    switch (bits) {
      case 8:
        return Wave::Encoding::U8;
      case 16:
        return Wave::Encoding::S16LE;
      case 24:
        return Wave::Encoding::S24LE;
      case 32:
        return Wave::Encoding::S32LE;
      default:
        return std::nullopt;
    }
  }
  if (tag == kFormatFloat && bits == 32) return Wave::Encoding::F32LE;
  return std::nullopt;
}

}  // namespace

int Wave::BytesPerSample() const {
  switch (encoding) {
    case Encoding::U8:
      return 1;
    case Encoding::S16LE:
      return 2;
    case Encoding::S24LE:
      return 3;
    case Encoding::S32LE:
    case Encoding::F32LE:
      return 4;
  }
  return 1;
}

double Wave::Seconds() const {
  const double frame = BytesPerSample() * channels;
  return rate == 0 || frame == 0 ? 0.0 : static_cast<double>(data_bytes) / frame / rate;
}

std::optional<Wave> InspectWave(const std::string& path, std::string* why) {
  const File file(path);
  const std::int64_t size = file.RegularSize();
  if (size < 0) return Fail(why, "cannot be opened or not a regular file");
  if (size > kLargestWaveBytes) return Fail(why, "too big for a sound effect");

  std::array<unsigned char, 12> head{};
  if (!file.ReadAt(0, head.data(), head.size()) || std::memcmp(head.data(), "RIFF", 4) != 0 ||
      std::memcmp(head.data() + 8, "WAVE", 4) != 0) {
    return Fail(why, "not a RIFF WAVE file");
  }

  std::optional<Wave::Encoding> encoding;
  std::uint32_t rate = 0;
  std::uint16_t channels = 0;
  std::int64_t at = 12;
  for (int i = 0; i < kMostChunks && at + 8 <= size; ++i) {
    std::array<unsigned char, 8> chunk{};
    if (!file.ReadAt(at, chunk.data(), chunk.size())) break;
    const std::int64_t length = Le32(chunk.data() + 4);
    const std::int64_t body = at + 8;
    if (body + length > size) return Fail(why, "cut short");
    if (std::memcmp(chunk.data(), "fmt ", 4) == 0) {
      std::array<unsigned char, 26> fmt{};
      if (length < 16 || !file.ReadAt(body, fmt.data(), length >= 26 ? 26 : 16)) {
        return Fail(why, "format chunk too short");
      }
      std::uint16_t tag = Le16(fmt.data());
      if (tag == kFormatExtensible) {
        if (length < 26) return Fail(why, "format chunk too short");
        tag = Le16(fmt.data() + 24);  // the first two bytes of the sub-format GUID
      }
      channels = Le16(fmt.data() + 2);
      rate = Le32(fmt.data() + 4);
      encoding = EncodingOf(tag, Le16(fmt.data() + 14));
      if (!encoding) return Fail(why, "not an uncompressed PCM encoding");
      if (channels == 0 || channels > kMostChannels || rate == 0 || rate > kHighestRate) {
        return Fail(why, "channel count or rate out of range");
      }
    } else if (std::memcmp(chunk.data(), "data", 4) == 0) {
      if (!encoding) return Fail(why, "sound data before its format");
      Wave wave;
      wave.path = path;
      wave.encoding = *encoding;
      wave.rate = rate;
      wave.channels = static_cast<std::uint8_t>(channels);
      const std::int64_t frame = static_cast<std::int64_t>(wave.BytesPerSample()) * channels;
      wave.data_at = body;
      wave.data_bytes = length / frame * frame;
      if (wave.data_bytes == 0) return Fail(why, "no samples");
      return wave;
    }
    at = body + length + (length & 1);  // chunks are padded to an even length
  }
  return Fail(why, "no sound data");
}

bool ReadWaveSamples(const Wave& wave, std::int64_t offset, void* to, std::size_t length) {
  if (offset < 0 || offset + static_cast<std::int64_t>(length) > wave.data_bytes) return false;
  const File file(wave.path);
  const std::int64_t size = file.RegularSize();
  return size >= wave.data_at + wave.data_bytes && size <= kLargestWaveBytes &&
         file.ReadAt(wave.data_at + offset, to, length);
}

std::optional<Wave> ReadWave(const std::string& path, std::string* why) {
  std::optional<Wave> wave = InspectWave(path, why);
  if (!wave) return wave;
  wave->samples.resize(static_cast<std::size_t>(wave->data_bytes));
  if (!ReadWaveSamples(*wave, 0, wave->samples.data(), wave->samples.size())) {
    return Fail(why, "cut short");
  }
  return wave;
}

}  // namespace trixola
