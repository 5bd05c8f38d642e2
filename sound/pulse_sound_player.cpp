// The game's player on the sound server's own client library, libpulse,
// which PulseAudio and PipeWire (pipewire-pulse) both serve.
//
// libpulse is opened with dlopen when the player starts, after the window's
// first frame, so that neither it nor the two dozen libraries it brings
// (libsndfile and its codecs among them) are loaded before the window is
// up. The five files are checked at the same time; their samples are read
// only while an effect is handed over, straight into the memory shared with
// the server, so the game holds no copy of them.
//
// One playback stream carries every effect: opening a stream costs the
// server 15 to 30 ms on PipeWire, more than a click may wait. The stream is
// corked while silent, so that neither the game nor the server does
// anything for it then. An effect is one exchange with the server: cork,
// flush (which drops the effect still playing), the samples, and, only once
// the server has answered the flush, uncork; a timer corks the stream again
// once the effect has been played (its length and kCorkMargin later: PipeWire
// 0.3.65 answered a drain before the end of a click had sounded). Waiting for that answer costs a
// round trip (well under a millisecond) and is what keeps a hung server from playing late: whatever
// was sent before it hung is still corked when it wakes, and is uncorked only if it was asked for
// less than kStale ago.
//
// Only one exchange at a time waits for the server. An effect asked for
// meanwhile waits in its place, only the latest, so a server that wakes
// after a hang has at most one effect to start. The exchanges run on
// libpulse's thread; Play only notes the effect and wakes that thread.
#include <dlfcn.h>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/proplist.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "sound_player.h"
#include "wave_file.h"

namespace trixola {

namespace {

using Clock = std::chrono::steady_clock;

// Connection attempts are at least this far apart: a desktop's sound server
// takes longer than this to restart, and without one a quick run of clicks
// does not make a context each.
constexpr std::chrono::milliseconds kRetryInterval{1000};

// An effect that has waited this long for the server is no longer the sound
// of what the player just did: it is dropped. A server that answers takes
// 30 ms at most here to create a stream (PipeWire), 100 ms to connect.
constexpr std::chrono::milliseconds kStale{1000};

// The server's buffer for the stream, past what is playing: the latency a
// new effect meets. PulseAudio asks its output for half of it, PipeWire
// runs its graph at about a quarter.
constexpr pa_usec_t kTargetLatency = 10 * PA_USEC_PER_MSEC;

// The stream is corked this long after an effect should have ended, had it
// started at once: the server's latency, which a busy machine stretches to
// a few hundred milliseconds now and then, and a margin.
constexpr pa_usec_t kCorkMargin = 250 * PA_USEC_PER_MSEC;

// Handed over at once, before the stream plays: every effect of the game
// (100 KiB at most); a longer file's rest goes as the server asks for it.
constexpr std::size_t kFirstWrite = 1024 * 1024;

// The libpulse functions the player calls, looked up after dlopen.
#define TRIXOLA_PULSE_FUNCTIONS(X) \
  X(pa_threaded_mainloop_new)      \
  X(pa_threaded_mainloop_free)     \
  X(pa_threaded_mainloop_start)    \
  X(pa_threaded_mainloop_stop)     \
  X(pa_threaded_mainloop_lock)     \
  X(pa_threaded_mainloop_unlock)   \
  X(pa_threaded_mainloop_get_api)  \
  X(pa_proplist_new)               \
  X(pa_proplist_free)              \
  X(pa_proplist_sets)              \
  X(pa_context_new_with_proplist)  \
  X(pa_context_set_state_callback) \
  X(pa_context_connect)            \
  X(pa_context_disconnect)         \
  X(pa_context_unref)              \
  X(pa_context_get_state)          \
  X(pa_context_errno)              \
  X(pa_stream_new_with_proplist)   \
  X(pa_stream_set_state_callback)  \
  X(pa_stream_set_write_callback)  \
  X(pa_stream_connect_playback)    \
  X(pa_stream_begin_write)         \
  X(pa_stream_cancel_write)        \
  X(pa_stream_write)               \
  X(pa_stream_cork)                \
  X(pa_stream_flush)               \
  X(pa_context_rttime_new)         \
  X(pa_context_rttime_restart)     \
  X(pa_rtclock_now)                \
  X(pa_stream_disconnect)          \
  X(pa_stream_unref)               \
  X(pa_stream_get_state)           \
  X(pa_usec_to_bytes)              \
  X(pa_operation_unref)            \
  X(pa_mainloop_api_once)

struct PulseLibrary {
#define TRIXOLA_PULSE_POINTER(name) decltype(&::name) name = nullptr;
  TRIXOLA_PULSE_FUNCTIONS(TRIXOLA_PULSE_POINTER)
#undef TRIXOLA_PULSE_POINTER

  // libpulse, or nothing when it is not installed. Loaded once a process
  // and never unloaded: its threads and atexit handlers may outlive a player.
  static const PulseLibrary* Get() {
    static const std::optional<PulseLibrary> library = Load();
    return library ? &*library : nullptr;
  }

 private:
  static std::optional<PulseLibrary> Load() {
    void* handle = ::dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return std::nullopt;
    PulseLibrary library;
#define TRIXOLA_PULSE_LOOKUP(name)                                            \
  library.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name)); \
  if (library.name == nullptr) return std::nullopt;
    TRIXOLA_PULSE_FUNCTIONS(TRIXOLA_PULSE_LOOKUP)
#undef TRIXOLA_PULSE_LOOKUP
    return library;
  }
};

pa_sample_spec StreamFormat(const Wave& wave) {
  pa_sample_spec format{};
  switch (wave.encoding) {
    case Wave::Encoding::U8:
      format.format = PA_SAMPLE_U8;
      break;
    case Wave::Encoding::S16LE:
      format.format = PA_SAMPLE_S16LE;
      break;
    case Wave::Encoding::S24LE:
      format.format = PA_SAMPLE_S24LE;
      break;
    case Wave::Encoding::S32LE:
      format.format = PA_SAMPLE_S32LE;
      break;
    case Wave::Encoding::F32LE:
      format.format = PA_SAMPLE_FLOAT32LE;
      break;
  }
  format.rate = wave.rate;
  format.channels = wave.channels;
  return format;
}

bool SameFormat(const pa_sample_spec& a, const pa_sample_spec& b) {
  return a.format == b.format && a.rate == b.rate && a.channels == b.channels;
}

class PulseSoundPlayer : public GameSoundPlayer {
 public:
  explicit PulseSoundPlayer(QString folder) : folder_(std::move(folder)) {}
  PulseSoundPlayer(const PulseSoundPlayer&) = delete;
  PulseSoundPlayer& operator=(const PulseSoundPlayer&) = delete;
  ~PulseSoundPlayer() override;

  void Start() override;
  void Play(SoundEffect effect) override;

 private:
  bool Loaded(SoundEffect effect) const {
    return waves_[static_cast<std::size_t>(effect)].has_value();
  }

  struct Wanted {
    SoundEffect effect;
    Clock::time_point asked;
  };

  // Everything below runs on libpulse's thread, or with its lock held.
  // Brings the effect waiting in wanted_ as far as the server allows now:
  // connects, opens the stream, or starts an exchange.
  void Serve();
  static void OnServe(pa_mainloop_api* api, void* self);
  void ServeSoon();
  void Connect();
  void DropContext();
  void OpenStream(const pa_sample_spec& format);
  void DropStream();
  // Cork, flush, the samples; the flush's answer uncorks (OnFlushed).
  void Send(const Wanted& wanted);
  // Hands over up to `bytes` more of the effect's samples.
  void Write(std::size_t bytes);
  void Cork(bool cork);

  static void OnContextState(pa_context* context, void* self);
  // A stream that timed out (libpulse waits 30 s for a hung server) takes
  // the connection with it: the server may still create it once it wakes,
  // where it would stay open, unused, for as long as the connection.
  static void OnStreamState(pa_stream* stream, void* self);
  static void OnWritable(pa_stream* stream, std::size_t bytes, void* self);
  static void OnFlushed(pa_stream* stream, int success, void* self);
  static void OnPlayed(pa_mainloop_api* api, pa_time_event* event, const struct timeval* tv,
                       void* self);

  const QString folder_;
  bool started_ = false;
  std::array<std::optional<Wave>, std::size(kSoundEffects)> waves_;
  const PulseLibrary* pa_ = nullptr;
  pa_threaded_mainloop* mainloop_ = nullptr;

  // Guarded by the mainloop's lock.
  std::optional<Wanted> wanted_;  // asked for, not yet sent to the server
  bool serve_soon_ = false;
  // A stream timed out: the connection goes too, and is made again.
  bool reconnect_ = false;
  Clock::time_point next_try_;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  pa_sample_spec format_{};
  // The exchange sent last: its effect, how much of it is handed over, and
  // whether the server has yet to answer its flush.
  std::optional<Wanted> sent_;
  std::size_t written_ = 0;
  bool awaiting_ = false;
  // Corks the stream once the latest effect has been played; made with the
  // context, and let go with it.
  pa_time_event* played_ = nullptr;
};

PulseSoundPlayer::~PulseSoundPlayer() {
  if (mainloop_ == nullptr) return;
  // The loop's thread first: a callback it ran after the stream and context
  // went could connect again.
  pa_->pa_threaded_mainloop_stop(mainloop_);
  DropStream();
  DropContext();
  pa_->pa_threaded_mainloop_free(mainloop_);
}

void PulseSoundPlayer::Start() {
  if (started_) return;
  started_ = true;
  const QDir folder(folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_);
  for (SoundEffect effect : kSoundEffects) {
    const QByteArray path = QFile::encodeName(folder.filePath(SoundFileName(effect)));
    waves_[static_cast<std::size_t>(effect)] = InspectWave(path.toStdString());
  }
  pa_ = PulseLibrary::Get();
  if (pa_ == nullptr) return;  // no libpulse: silence
  mainloop_ = pa_->pa_threaded_mainloop_new();
  if (mainloop_ == nullptr || pa_->pa_threaded_mainloop_start(mainloop_) < 0) {
    if (mainloop_ != nullptr) pa_->pa_threaded_mainloop_free(mainloop_);
    mainloop_ = nullptr;
    return;
  }
  pa_->pa_threaded_mainloop_lock(mainloop_);
  // Connects now, on libpulse's thread: making a context reads the client
  // configuration and tries the places a server may be.
  next_try_ = Clock::now();
  ServeSoon();
  pa_->pa_threaded_mainloop_unlock(mainloop_);
}

void PulseSoundPlayer::Play(SoundEffect effect) {
  if (!started_) Start();
  if (!Loaded(effect)) QApplication::beep();
  if (mainloop_ == nullptr) return;
  const Clock::time_point now = Clock::now();
  pa_->pa_threaded_mainloop_lock(mainloop_);
  if (Loaded(effect)) {
    wanted_ = Wanted{effect, now};
  } else {
    // An effect that cannot play still ends the one playing: the alert
    // stands in for it.
    wanted_.reset();
    sent_.reset();
    if (stream_ != nullptr && !awaiting_ && pa_->pa_stream_get_state(stream_) == PA_STREAM_READY) {
      Cork(true);
    }
  }
  ServeSoon();
  pa_->pa_threaded_mainloop_unlock(mainloop_);
}

void PulseSoundPlayer::ServeSoon() {
  if (serve_soon_) return;
  serve_soon_ = true;
  pa_->pa_mainloop_api_once(pa_->pa_threaded_mainloop_get_api(mainloop_), &OnServe, this);
}

void PulseSoundPlayer::OnServe(pa_mainloop_api* /*api*/, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  player->serve_soon_ = false;
  player->Serve();
}

void PulseSoundPlayer::Serve() {
  if (reconnect_) {
    reconnect_ = false;
    DropStream();
    DropContext();
    next_try_ = Clock::now();
  }
  if (wanted_ && Clock::now() - wanted_->asked >= kStale) wanted_.reset();
  const pa_context_state_t state =
      context_ != nullptr ? pa_->pa_context_get_state(context_) : PA_CONTEXT_FAILED;
  if (!PA_CONTEXT_IS_GOOD(state)) {
    // Not connected yet, or the server went away since: connect again (at
    // the start, or for an effect), and play the effect when it answers.
    if ((wanted_ || context_ == nullptr) && Clock::now() >= next_try_) {
      Connect();
    } else {
      wanted_.reset();
    }
    return;
  }
  if (state != PA_CONTEXT_READY || !wanted_) return;  // OnContextState comes back
  const pa_sample_spec format = StreamFormat(*waves_[static_cast<std::size_t>(wanted_->effect)]);
  // Another format (none of the game's own files): another stream, once
  // the server has answered the one there is.
  if (stream_ != nullptr && !SameFormat(format, format_) && !awaiting_ &&
      pa_->pa_stream_get_state(stream_) == PA_STREAM_READY) {
    DropStream();
  }
  if (stream_ == nullptr) {
    OpenStream(format);
    return;  // OnStreamState comes back once the server has made it
  }
  // A stream the server has not made yet, or an exchange it has not
  // answered (it may hang): the effect waits for the answer.
  if (awaiting_ || pa_->pa_stream_get_state(stream_) != PA_STREAM_READY) return;
  Send(*std::exchange(wanted_, std::nullopt));
}

void PulseSoundPlayer::Connect() {
  DropStream();
  DropContext();
  // No sooner than this again, however often effects are asked for while
  // no server answers.
  next_try_ = Clock::now() + kRetryInterval;
  pa_proplist* properties = pa_->pa_proplist_new();
  pa_->pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Trixola");
  pa_->pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.trixola.Trixola");
  pa_->pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "org.trixola.Trixola");
  context_ = pa_->pa_context_new_with_proplist(pa_->pa_threaded_mainloop_get_api(mainloop_),
                                               "Trixola", properties);
  pa_->pa_proplist_free(properties);
  if (context_ == nullptr) return;
  pa_->pa_context_set_state_callback(context_, &OnContextState, this);
  // No autospawn: the desktop runs the sound server, the game does not.
  if (pa_->pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
    DropContext();
    wanted_.reset();
  }
}

void PulseSoundPlayer::DropContext() {
  if (context_ == nullptr) return;
  if (played_ != nullptr) {
    pa_->pa_threaded_mainloop_get_api(mainloop_)->time_free(played_);
    played_ = nullptr;
  }
  pa_->pa_context_set_state_callback(context_, nullptr, nullptr);
  pa_->pa_context_disconnect(context_);
  pa_->pa_context_unref(context_);
  context_ = nullptr;
}

void PulseSoundPlayer::OpenStream(const pa_sample_spec& format) {
  pa_proplist* properties = pa_->pa_proplist_new();
  pa_->pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
  pa_->pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, "Trixola effects");
  stream_ =
      pa_->pa_stream_new_with_proplist(context_, "Trixola effects", &format, nullptr, properties);
  pa_->pa_proplist_free(properties);
  if (stream_ == nullptr) return;
  format_ = format;
  pa_->pa_stream_set_state_callback(stream_, &OnStreamState, this);
  pa_->pa_stream_set_write_callback(stream_, &OnWritable, this);
  // Starts as soon as it is uncorked (no pre-buffer: the samples are
  // there by then), with the server's buffer as short as kTargetLatency.
  pa_buffer_attr attributes{};
  attributes.maxlength = static_cast<std::uint32_t>(-1);
  attributes.tlength = static_cast<std::uint32_t>(pa_->pa_usec_to_bytes(kTargetLatency, &format));
  attributes.prebuf = 0;
  attributes.minreq = static_cast<std::uint32_t>(-1);
  attributes.fragsize = static_cast<std::uint32_t>(-1);
  // No device: the server's default output, and the stream follows it
  // when it changes.
  const auto flags =
      static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
  if (pa_->pa_stream_connect_playback(stream_, nullptr, &attributes, flags, nullptr, nullptr) < 0) {
    DropStream();
  }
}

void PulseSoundPlayer::DropStream() {
  sent_.reset();
  awaiting_ = false;
  if (stream_ == nullptr) return;
  pa_stream* stream = std::exchange(stream_, nullptr);
  pa_->pa_stream_set_state_callback(stream, nullptr, nullptr);
  pa_->pa_stream_set_write_callback(stream, nullptr, nullptr);
  if (PA_STREAM_IS_GOOD(pa_->pa_stream_get_state(stream))) pa_->pa_stream_disconnect(stream);
  pa_->pa_stream_unref(stream);
}

void PulseSoundPlayer::Send(const Wanted& wanted) {
  Cork(true);
  if (pa_operation* flush = pa_->pa_stream_flush(stream_, &OnFlushed, this)) {
    pa_->pa_operation_unref(flush);
  }
  sent_ = wanted;
  written_ = 0;
  awaiting_ = true;
  Write(kFirstWrite);
}

void PulseSoundPlayer::Write(std::size_t bytes) {
  if (!sent_) return;
  const Wave& wave = *waves_[static_cast<std::size_t>(sent_->effect)];
  const auto total = static_cast<std::size_t>(wave.data_bytes);
  while (bytes > 0 && written_ < total) {
    std::size_t now = std::min(bytes, total - written_);
    void* buffer = nullptr;
    if (pa_->pa_stream_begin_write(stream_, &buffer, &now) < 0 || buffer == nullptr) break;
    // The file went away or changed since the player started: the effect
    // ends here.
    if (!ReadWaveSamples(wave, static_cast<std::int64_t>(written_), buffer, now)) {
      pa_->pa_stream_cancel_write(stream_);
      break;
    }
    if (pa_->pa_stream_write(stream_, buffer, now, nullptr, 0, PA_SEEK_RELATIVE) < 0) break;
    written_ += now;
    bytes -= now;
  }
}

void PulseSoundPlayer::Cork(bool cork) {
  if (pa_operation* operation = pa_->pa_stream_cork(stream_, cork ? 1 : 0, nullptr, nullptr)) {
    pa_->pa_operation_unref(operation);
  }
}

void PulseSoundPlayer::OnFlushed(pa_stream* stream, int success, void* self) {
  // Only one flush waits for its answer at a time: this is the latest
  // exchange's, unless it timed out (the server hung for 30 s): libpulse then
  // calls this with success 0, and drops the server's late answer.
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (stream != player->stream_) return;
  player->awaiting_ = false;
  const PulseLibrary& pa = *player->pa_;
  if (success != 0 && player->sent_ && !player->wanted_ &&
      Clock::now() - player->sent_->asked < kStale) {
    player->Cork(false);
    const double seconds =
        player->waves_[static_cast<std::size_t>(player->sent_->effect)]->Seconds();
    const pa_usec_t end = pa.pa_rtclock_now() + kCorkMargin +
                          static_cast<pa_usec_t>(seconds * static_cast<double>(PA_USEC_PER_SEC));
    if (player->played_ == nullptr) {
      player->played_ = pa.pa_context_rttime_new(player->context_, end, &OnPlayed, self);
    } else {
      pa.pa_context_rttime_restart(player->context_, player->played_, end);
    }
  } else {
    // A newer effect, or none: what was sent stays corked, and the next
    // exchange flushes it.
    player->Serve();
  }
}

void PulseSoundPlayer::OnPlayed(pa_mainloop_api* /*api*/, pa_time_event* /*event*/,
                                const struct timeval* /*tv*/, void* self) {
  // Restarted by every uncork, so this is the latest effect's end. A newer
  // exchange under way has corked the stream itself.
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (player->stream_ != nullptr && !player->awaiting_ &&
      player->pa_->pa_stream_get_state(player->stream_) == PA_STREAM_READY) {
    player->Cork(true);
  }
}

void PulseSoundPlayer::OnContextState(pa_context* context, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (context != player->context_) return;
  const pa_context_state_t state = player->pa_->pa_context_get_state(context);
  if (state == PA_CONTEXT_READY) {
    player->Serve();
  } else if (!PA_CONTEXT_IS_GOOD(state)) {
    // The server is gone or never answered. The context is let go at the
    // next effect, outside this callback.
    player->wanted_.reset();
  }
}

void PulseSoundPlayer::OnStreamState(pa_stream* stream, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (stream != player->stream_) return;
  const pa_stream_state_t state = player->pa_->pa_stream_get_state(stream);
  if (state == PA_STREAM_READY) {
    player->Serve();
  } else if (!PA_STREAM_IS_GOOD(state)) {
    const bool timedOut = state == PA_STREAM_FAILED &&
                          player->pa_->pa_context_get_state(player->context_) == PA_CONTEXT_READY &&
                          player->pa_->pa_context_errno(player->context_) == PA_ERR_TIMEOUT;
    player->DropStream();
    if (timedOut) {
      player->reconnect_ = true;
      player->ServeSoon();
    }
  }
}

void PulseSoundPlayer::OnWritable(pa_stream* stream, std::size_t bytes, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (stream == player->stream_ && !player->awaiting_) player->Write(bytes);
}

}  // namespace

std::unique_ptr<GameSoundPlayer> MakeSoundPlayer(QString folder) {
  return std::make_unique<PulseSoundPlayer>(std::move(folder));
}

}  // namespace trixola
