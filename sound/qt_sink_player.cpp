// For comparison only (bench/sound.sh): a player on Qt Multimedia's
// QAudioSink, made to play short effects whole. Not part of the game.
//
// Qt 6.4's PulseAudio output asks the server for a pre-buffer of about
// 125 ms and stops its stream as soon as its source runs dry, before the
// server has played what it was given: an effect shorter than that is
// never heard, a longer one loses its end. So each effect is followed by
// kPaddingMs of silence, and the sink is stopped only once it reports that
// it has run dry, by which time the effect itself has been played.
#include <QApplication>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <array>
#include <atomic>

#include "sound_player.h"
#include "wave_file.h"

namespace trixola {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPaddingMs = 500;

// Notes when Qt first reads from it: the moment Qt writes to its stream.
class NotingBuffer : public QBuffer {
 public:
  NotingBuffer(QByteArray data, std::atomic<Clock::rep>& firstRead)
      : data_(std::move(data)), first_read_(firstRead) {
    setBuffer(&data_);
  }

 protected:
  qint64 readData(char* to, qint64 most) override {
    if (!read_) first_read_.store(Clock::now().time_since_epoch().count());
    read_ = true;
    return QBuffer::readData(to, most);
  }

 private:
  QByteArray data_;
  std::atomic<Clock::rep>& first_read_;
  bool read_ = false;
};

std::optional<QAudioFormat::SampleFormat> QtFormat(Wave::Encoding encoding) {
  switch (encoding) {
    case Wave::Encoding::U8:
      return QAudioFormat::UInt8;
    case Wave::Encoding::S16LE:
      return QAudioFormat::Int16;
    case Wave::Encoding::S32LE:
      return QAudioFormat::Int32;
    case Wave::Encoding::F32LE:
      return QAudioFormat::Float;
    case Wave::Encoding::S24LE:
      return std::nullopt;
  }
  return std::nullopt;
}

class QtSinkPlayer : public GameSoundPlayer {
 public:
  explicit QtSinkPlayer(QString folder) : folder_(std::move(folder)) {}
  ~QtSinkPlayer() override { Stop(); }

  void Start() override {
    if (started_) return;
    started_ = true;
    const QDir folder(folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_);
    for (SoundEffect effect : kSoundEffects) {
      const QByteArray path = QFile::encodeName(folder.filePath(SoundFileName(effect)));
      std::optional<Wave> wave = ReadWave(path.toStdString());
      if (wave && QtFormat(wave->encoding))
        waves_[static_cast<std::size_t>(effect)] = std::move(wave);
    }
    // Qt Multimedia connects to the server the first time it is asked.
    QMediaDevices::defaultAudioOutput();
  }

  void Play(SoundEffect effect) override {
    Start();
    Stop();
    const std::optional<Wave>& wave = waves_[static_cast<std::size_t>(effect)];
    if (!wave) {
      QApplication::beep();
      return;
    }
    QAudioFormat format;
    format.setSampleFormat(*QtFormat(wave->encoding));
    format.setSampleRate(static_cast<int>(wave->rate));
    format.setChannelCount(wave->channels);
    QByteArray data(wave->samples.data(), static_cast<qsizetype>(wave->samples.size()));
    const qsizetype silence = format.bytesForDuration(kPaddingMs * 1000);
    data.append(silence, wave->encoding == Wave::Encoding::U8 ? '\x80' : '\0');
    buffer_ = std::make_unique<NotingBuffer>(std::move(data), handed_over_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(), [this](QAudio::State s) {
      if (s == QAudio::IdleState) sink_->stop();
    });
    sink_->start(buffer_.get());
  }

  bool Loaded(SoundEffect effect) const override {
    return waves_[static_cast<std::size_t>(effect)].has_value();
  }

  Clock::time_point HandedOver() const override {
    return Clock::time_point(Clock::duration(handed_over_.load()));
  }

 private:
  void Stop() {
    if (sink_) {
      sink_->disconnect();
      sink_->stop();
    }
    sink_.reset();
    buffer_.reset();
  }

  const QString folder_;
  bool started_ = false;
  std::array<std::optional<Wave>, std::size(kSoundEffects)> waves_;
  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QAudioSink> sink_;
  std::atomic<Clock::rep> handed_over_{0};
};

}  // namespace

std::unique_ptr<GameSoundPlayer> MakeSoundPlayer(QString folder) {
  return std::make_unique<QtSinkPlayer>(std::move(folder));
}

}  // namespace trixola
