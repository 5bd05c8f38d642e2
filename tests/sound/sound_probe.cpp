// Drives the game's sound player as the window does, and checks what a sound
// server's output recorded of it.
//
//   sound_probe play FOLDER
//     Makes the player for the .wav files in FOLDER, starts it, prints
//     "started" and then carries out the commands it reads, one a line:
//       play EFFECT...   Play each, in this order, in one event-loop turn
//                        (EFFECT: click, level, youwon, compwon, draw)
//       mark             a stretch in which nothing is asked for
//       burst N EFFECT   Play N times, 2 ms apart; prints the resident memory
//       timeline FILE    from now on notes plays and marks in FILE
//       key CELL         presses the key of CELL (1..9) in the game window,
//                        made at the first key with this player: noted as
//                        the effects the window asked for
//       quit
//     Each play and mark is noted in the timeline as "MS WHAT" (ms since the
//     probe started). Prints how long each Play call took and when the
//     samples were handed to the server; exits 1 if a Play took longer than
//     kSlowPlayMs.
//
//   sound_probe check RECORDING TIMELINE FOLDER EXPECT...
//     RECORDING: mono s16le samples at 44100 Hz of the server's output,
//     taken while the timeline was noted. One EXPECT for each timeline entry:
//       NAME    the effect heard whole: as many loud samples as its file has
//       NAME~   the effect heard but cut short (replaced by the next one)
//       -       silence
//     The recording is lined up with the timeline at its first loud sample,
//     which must be the first entry's. Each entry owns the stretch up to the
//     next one. A cut-short effect still sounds until the server has taken
//     in the stop, into the next entry's stretch, so an effect after NAME~
//     is only held to be whole or more, and the two stretches together to
//     less than both effects whole. Exits 0 when every stretch matches.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QTextStream>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "game_window.h"
#include "sound_player.h"
#include "wave_file.h"

namespace {

using trixola::SoundEffect;

constexpr int kRate = 44100;
// A sample louder than this counts as heard (the effects peak at -3 dBFS,
// about 23000).
constexpr int kLoud = 1000;
// Resampling (PipeWire runs at 48 kHz) moves the count by a few per cent.
constexpr double kWholeLow = 0.95;
constexpr double kWholeHigh = 1.10;
// A stretch begins this long before its entry's time, lined up: the
// server's latency varies from one stream to the next by a period or two.
constexpr double kLeadMs = 25.0;
// Play must return at once, whatever the server does.
constexpr double kSlowPlayMs = 50.0;

std::optional<SoundEffect> EffectNamed(const QString& name) {
  return trixola::SoundEffectNamed(name.toStdString());
}

// Loud samples in mono s16 samples.
long CountLoud(const std::int16_t* samples, std::size_t count) {
  long loud = 0;
  for (std::size_t i = 0; i < count; ++i) loud += std::abs(samples[i]) > kLoud;
  return loud;
}

// The loud samples in the effect's own file (16-bit mono, as the game's are).
std::optional<long> FileLoud(const QString& folder, SoundEffect effect) {
  const QByteArray path = QFile::encodeName(QDir(folder).filePath(trixola::SoundFileName(effect)));
  const std::optional<trixola::Wave> wave = trixola::ReadWave(path.toStdString());
  if (!wave || wave->encoding != trixola::Wave::Encoding::S16LE || wave->channels != 1) {
    return std::nullopt;
  }
  std::vector<std::int16_t> samples(wave->samples.size() / 2);
  std::memcpy(samples.data(), wave->samples.data(), samples.size() * 2);
  return CountLoud(samples.data(), samples.size());
}

int Check(const QStringList& args) {
  if (args.size() < 4) return 2;
  QFile recording(args[0]);
  QFile timeline(args[1]);
  if (!recording.open(QIODevice::ReadOnly) || !timeline.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "check: cannot read %s or %s\n", qPrintable(args[0]), qPrintable(args[1]));
    return 2;
  }
  const QByteArray bytes = recording.readAll();
  std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
  std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
  std::vector<double> times;
  QTextStream lines(&timeline);
  while (!lines.atEnd()) {
    const QString line = lines.readLine();
    if (!line.isEmpty()) times.push_back(line.section(' ', 0, 0).toDouble());
  }
  const QStringList expected = args.mid(3);
  if (static_cast<qsizetype>(times.size()) != expected.size()) {
    std::fprintf(stderr, "check: %zu timeline entries, %lld expectations\n", times.size(),
                 static_cast<long long>(expected.size()));
    return 2;
  }
  std::size_t onset = 0;
  while (onset < samples.size() && std::abs(samples[onset]) <= kLoud) ++onset;
  if (onset == samples.size()) {
    std::printf("FAIL: nothing was heard at all\n");
    return 1;
  }
  const double shiftMs = static_cast<double>(onset) * 1000.0 / kRate - times[0];
  bool ok = true;
  // What the entry before heard and its file holds, when it was cut short.
  bool cutBefore = false;
  long cutHeard = 0;
  long cutOwn = 0;
  for (std::size_t i = 0; i < times.size(); ++i) {
    const auto sampleAt = [&](double ms) {
      const double at = std::max(0.0, (ms + shiftMs - kLeadMs) * kRate / 1000.0);
      return std::min(samples.size(), static_cast<std::size_t>(at));
    };
    const std::size_t from = i == 0 ? onset : sampleAt(times[i]);
    const std::size_t to = i + 1 < times.size() ? sampleAt(times[i + 1]) : samples.size();
    const long heard = from < to ? CountLoud(samples.data() + from, to - from) : 0;
    QString want = expected[static_cast<qsizetype>(i)];
    const bool cut = want.endsWith('~');
    if (cut) want.chop(1);
    bool good = false;
    long own = 0;
    if (want == "-") {
      good = heard == 0;
    } else if (const std::optional<SoundEffect> effect = EffectNamed(want)) {
      const std::optional<long> fileLoud = FileLoud(args[2], *effect);
      if (!fileLoud) return 2;
      own = *fileLoud;
      const double whole = static_cast<double>(own);
      if (cut) {
        good = heard > 0 && heard < kWholeLow * whole;
      } else if (cutBefore) {
        good = heard >= kWholeLow * whole &&
               static_cast<double>(cutHeard + heard) <
                   kWholeLow * static_cast<double>(cutOwn) + kWholeHigh * whole;
      } else {
        good = heard >= kWholeLow * whole && heard <= kWholeHigh * whole;
      }
    } else {
      return 2;
    }
    cutBefore = cut;
    cutHeard = heard;
    cutOwn = own;
    ok = ok && good;
    std::printf("%-4s at %8.1f ms: expected %-9s heard %6ld loud samples (file %ld)\n",
                good ? "ok" : "FAIL", times[i], qPrintable(expected[static_cast<qsizetype>(i)]),
                heard, own);
  }
  return ok ? 0 : 1;
}

// The shared libraries mapped into this process.
std::set<QString> Libraries() {
  std::set<QString> libraries;
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return libraries;
  for (const QByteArray& line : maps.readAll().split('\n')) {
    const qsizetype slash = line.indexOf('/');
    if (slash >= 0 && line.contains(".so")) libraries.insert(QString::fromUtf8(line.mid(slash)));
  }
  return libraries;
}

// Prints how many libraries `now` has beyond `before`, and their names.
void PrintNewLibraries(const char* when, const std::set<QString>& before,
                       const std::set<QString>& now) {
  QStringList added;
  for (const QString& library : now) {
    if (before.count(library) == 0) added.append(library.section('/', -1));
  }
  std::printf("libraries %s: %zu more (%s)\n", when, static_cast<std::size_t>(added.size()),
              qPrintable(added.join(' ')));
}

// Passes the window's effects on to the player and keeps their names.
struct Listening : trixola::SoundPlayer {
  explicit Listening(trixola::SoundPlayer& player) : player(player) {}
  void Play(SoundEffect effect) override {
    asked.append(trixola::SoundFileName(effect).chopped(4));
    player.Play(effect);
  }
  trixola::SoundPlayer& player;
  QStringList asked;
};

// Carries out the commands read from standard input.
class Driver : public QObject {
 public:
  explicit Driver(trixola::GameSoundPlayer& player)
      : player_(player), input_(0, QSocketNotifier::Read) {
    clock_.start();
    connect(&input_, &QSocketNotifier::activated, this, [this] { ReadInput(); });
  }

  bool slow = false;

 private:
  double Now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }

  void ReadInput() {
    char chunk[4096];
    const ssize_t n = ::read(0, chunk, sizeof chunk);
    if (n <= 0) {
      QCoreApplication::quit();
      return;
    }
    pending_.append(chunk, static_cast<qsizetype>(n));
    qsizetype end = 0;
    while ((end = pending_.indexOf('\n')) >= 0) {
      const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
      pending_.remove(0, end + 1);
      Run(line.split(' ', Qt::SkipEmptyParts));
    }
  }

  void Note(const QString& what, double at) {
    if (!timeline_.isOpen()) return;
    timeline_.write(QStringLiteral("%1 %2\n").arg(at, 0, 'f', 3).arg(what).toUtf8());
    timeline_.flush();
  }

  void Run(const QStringList& words) {
    if (words.isEmpty()) return;
    if (words[0] == "quit") {
      QCoreApplication::quit();
    } else if (words[0] == "timeline" && words.size() == 2) {
      timeline_.close();
      timeline_.setFileName(words[1]);
      if (!timeline_.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::exit(2);
    } else if (words[0] == "burst" && words.size() == 3) {
      // Play N times, 2 ms apart, as quick clicks would; then the resident
      // memory, to see whether playing leaves anything behind.
      const std::optional<SoundEffect> effect = EffectNamed(words[2]);
      if (!effect) std::exit(2);
      for (int i = 0; i < words[1].toInt(); ++i) {
        player_.Play(*effect);
        QElapsedTimer gap;
        gap.start();
        while (gap.elapsed() < 2) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
      }
      QFile status(QStringLiteral("/proc/self/status"));
      if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
          if (line.startsWith("VmRSS") || line.startsWith("RssAnon")) {
            std::printf("%s ", line.simplified().constData());
          }
        }
      }
      std::printf("after %s plays\n", qPrintable(words[1]));
      std::fflush(stdout);
    } else if (words[0] == "key" && words.size() == 2 && words[1].toInt() >= 1 &&
               words[1].toInt() <= 9) {
      if (!window_) {
        window_ = std::make_unique<trixola::GameWindow>(listening_);
        window_->show();
      }
      listening_.asked.clear();
      const double at = Now();
      QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + words[1].toInt(), Qt::NoModifier, words[1]);
      QCoreApplication::sendEvent(window_.get(), &press);
      Note(listening_.asked.join(' '), at);
      std::printf("key %s: the window asked for %s\n", qPrintable(words[1]),
                  qPrintable(listening_.asked.join(' ')));
      std::fflush(stdout);
    } else if (words[0] == "mark") {
      Note(QStringLiteral("-"), Now());
    } else if (words[0] == "play") {
      std::vector<SoundEffect> effects;
      for (const QString& word : words.mid(1)) {
        const std::optional<SoundEffect> effect = EffectNamed(word);
        if (!effect) std::exit(2);
        effects.push_back(*effect);
      }
      const auto before = player_.HandedOver();
      const double at = Now();
      const auto start = std::chrono::steady_clock::now();
      for (SoundEffect effect : effects) player_.Play(effect);
      const double tookMs = static_cast<double>(clock_.nsecsElapsed()) / 1e6 - at;
      Note(words.mid(1).join(' '), at);
      slow = slow || tookMs > kSlowPlayMs;
      std::printf("play %s: Play took %.3f ms", qPrintable(words.mid(1).join(' ')), tookMs);
      // When the samples reached the server, if they do within 300 ms.
      QElapsedTimer wait;
      wait.start();
      while (player_.HandedOver() == before && wait.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
      }
      if (player_.HandedOver() != before) {
        const std::chrono::duration<double, std::milli> handed = player_.HandedOver() - start;
        std::printf(", handed to the server after %.3f ms", handed.count());
      }
      std::printf("\n");
      std::fflush(stdout);
    } else {
      std::exit(2);
    }
  }

  trixola::GameSoundPlayer& player_;
  Listening listening_{player_};
  std::unique_ptr<trixola::GameWindow> window_;
  QSocketNotifier input_;
  QElapsedTimer clock_;
  QByteArray pending_;
  QFile timeline_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.size() >= 1 && args[0] == "check") return Check(args.mid(1));
  if (args.size() != 2 || args[0] != "play") {
    std::fprintf(stderr,
                 "usage: sound_probe play FOLDER | check RECORDING TIMELINE FOLDER EXPECT...\n");
    return 2;
  }
  const std::set<QString> atLaunch = Libraries();
  const auto player = trixola::MakeSoundPlayer(args[1]);
  QElapsedTimer clock;
  clock.start();
  player->Start();
  std::printf("started in %.3f ms, %zu libraries at launch\n",
              static_cast<double>(clock.nsecsElapsed()) / 1e6, atLaunch.size());
  const std::set<QString> started = Libraries();
  PrintNewLibraries("loaded by Start", atLaunch, started);
  std::fflush(stdout);
  Driver driver(*player);
  QApplication::exec();
  PrintNewLibraries("loaded by the effects played", started, Libraries());
  if (driver.slow) std::printf("FAIL: a Play call took more than %.0f ms\n", kSlowPlayMs);
  return driver.slow ? 1 : 0;
}
