// The game's player on the sound server's own client library, libpulse,
// which PulseAudio and PipeWire (pipewire-pulse) both serve.
//
// libpulse is opened with dlopen when the player starts, after the window's
// first frame, so that neither it nor the two dozen libraries it brings
// (libsndfile and its codecs among them) are loaded before the window is
// up. The five files are checked at the same time; their samples are read
// only while an effect plays, straight into the memory shared with the
// server, so the game holds no copy of them.
//
// Each effect is a playback stream of its own: the samples are written
// whole, the stream is drained (which also starts a sound shorter than the
// server's pre-buffer) and only then disconnected. A newer effect
// disconnects the stream still playing, which the server stops at once.
// The context runs on libpulse's own thread; the window's thread only takes
// its lock for as long as it takes to queue a request.
//
// A server that hangs (stopped, swapped out) answers nothing until it wakes,
// while the window goes on asking for effects. Only one stream at a time
// waits for the server to create it; a newer effect waits in its place, and
// only the latest. When the server wakes it has one stream to create, not
// one for every click of the hang, so the first effect asked for after the
// wake starts after one answer. An effect the server could not start within
// kStale of being asked for is dropped rather than heard late.
#include <dlfcn.h>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <atomic>
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
  X(pa_stream_drain)               \
  X(pa_stream_disconnect)          \
  X(pa_stream_unref)               \
  X(pa_stream_get_state)           \
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

pa_sample_format_t SampleFormat(Wave::Encoding encoding) {
  switch (encoding) {
    case Wave::Encoding::U8:
      return PA_SAMPLE_U8;
    case Wave::Encoding::S16LE:
      return PA_SAMPLE_S16LE;
    case Wave::Encoding::S24LE:
      return PA_SAMPLE_S24LE;
    case Wave::Encoding::S32LE:
      return PA_SAMPLE_S32LE;
    case Wave::Encoding::F32LE:
      return PA_SAMPLE_FLOAT32LE;
  }
  return PA_SAMPLE_S16LE;
}

class PulseSoundPlayer : public GameSoundPlayer {
 public:
  explicit PulseSoundPlayer(QString folder) : folder_(std::move(folder)) {}
  PulseSoundPlayer(const PulseSoundPlayer&) = delete;
  PulseSoundPlayer& operator=(const PulseSoundPlayer&) = delete;
  ~PulseSoundPlayer() override;

  void Start() override;
  void Play(SoundEffect effect) override;
  bool Loaded(SoundEffect effect) const override {
    return waves_[static_cast<std::size_t>(effect)].has_value();
  }
  Clock::time_point HandedOver() const override {
    return Clock::time_point(Clock::duration(handed_over_.load()));
  }

 private:
  // Everything below runs with the mainloop's lock held.
  // Connect on libpulse's thread: making a context reads the client
  // configuration and tries the places a server may be, milliseconds the
  // window's thread does not wait for.
  void ConnectSoon();
  static void OnConnectNow(pa_mainloop_api* api, void* self);
  void Connect();
  void DropContext();
  // Starts the effect waiting in pending_, if the server can take it now.
  void PlayPending();
  void StartStream(SoundEffect effect, Clock::time_point asked);
  void StopStream();
  // A stream failed: after libpulse's 30 s wait for a hung server, the
  // server may still create it once it wakes, where it would stay open for
  // as long as this connection. So a timed-out stream takes the connection
  // with it, and the player connects again.
  void OnStreamFailed();
  void Write(pa_stream* stream, std::size_t bytes);

  static void OnContextState(pa_context* context, void* self);
  static void OnStreamState(pa_stream* stream, void* self);
  // A stream replaced before the server had created it.
  static void OnLeftStreamState(pa_stream* stream, void* self);
  static void OnWritable(pa_stream* stream, std::size_t bytes, void* self);
  static void OnDrained(pa_stream* stream, int success, void* self);

  const QString folder_;
  bool started_ = false;
  std::array<std::optional<Wave>, std::size(kSoundEffects)> waves_;
  const PulseLibrary* pa_ = nullptr;
  pa_threaded_mainloop* mainloop_ = nullptr;

  // Guarded by the mainloop's lock.
  pa_context* context_ = nullptr;
  // The effect asked for while the context connects, or while the server
  // has not yet answered an earlier stream; played once it has, unless it
  // is stale by then.
  struct Wanted {
    SoundEffect effect;
    Clock::time_point asked;
  };
  std::optional<Wanted> pending_;
  bool connect_soon_ = false;
  Clock::time_point next_try_;
  pa_stream* stream_ = nullptr;
  // When the effect of stream_ was asked for.
  Clock::time_point asked_;
  // A stream let go before the server had created it; at most one.
  pa_stream* unanswered_ = nullptr;
  const Wave* playing_ = nullptr;
  std::size_t written_ = 0;
  bool draining_ = false;

  std::atomic<Clock::rep> handed_over_{0};
};

PulseSoundPlayer::~PulseSoundPlayer() {
  if (mainloop_ == nullptr) return;
  pa_->pa_threaded_mainloop_lock(mainloop_);
  pending_.reset();
  StopStream();
  DropContext();
  pa_->pa_threaded_mainloop_unlock(mainloop_);
  pa_->pa_threaded_mainloop_stop(mainloop_);
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
  ConnectSoon();
  pa_->pa_threaded_mainloop_unlock(mainloop_);
}

void PulseSoundPlayer::Play(SoundEffect effect) {
  if (!started_) Start();
  if (!Loaded(effect)) {
    QApplication::beep();
  }
  if (mainloop_ == nullptr) return;
  const Clock::time_point now = Clock::now();
  pa_->pa_threaded_mainloop_lock(mainloop_);
  // An effect that cannot play still ends the one playing: the alert
  // stands in for it.
  StopStream();
  pending_.reset();
  if (Loaded(effect)) {
    const pa_context_state_t state =
        context_ != nullptr ? pa_->pa_context_get_state(context_) : PA_CONTEXT_FAILED;
    if (connect_soon_ || (PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY)) {
      pending_ = Wanted{effect, now};  // played when the server answers
    } else if (state == PA_CONTEXT_READY) {
      // The server has not answered the stream before yet (it may hang):
      // this one waits for it rather than queue up behind it.
      if (unanswered_ != nullptr) {
        pending_ = Wanted{effect, now};
      } else {
        StartStream(effect, now);
      }
    } else if (now >= next_try_) {
      // The server went away since, or was not there: connect again and
      // play the effect when the server answers.
      ConnectSoon();
      pending_ = Wanted{effect, now};
    }
  }
  pa_->pa_threaded_mainloop_unlock(mainloop_);
}

void PulseSoundPlayer::ConnectSoon() {
  if (connect_soon_) return;
  connect_soon_ = true;
  pa_->pa_mainloop_api_once(pa_->pa_threaded_mainloop_get_api(mainloop_), &OnConnectNow, this);
}

void PulseSoundPlayer::OnConnectNow(pa_mainloop_api* /*api*/, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  player->connect_soon_ = false;
  player->Connect();
}

void PulseSoundPlayer::Connect() {
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
    pending_.reset();
  }
}

void PulseSoundPlayer::DropContext() {
  if (context_ == nullptr) return;
  pa_->pa_context_set_state_callback(context_, nullptr, nullptr);
  pa_->pa_context_disconnect(context_);
  pa_->pa_context_unref(context_);
  context_ = nullptr;
}

void PulseSoundPlayer::PlayPending() {
  // A new connection on its way takes the effect instead.
  if (!pending_ || unanswered_ != nullptr || connect_soon_ || context_ == nullptr ||
      pa_->pa_context_get_state(context_) != PA_CONTEXT_READY) {
    return;
  }
  const Wanted wanted = *std::exchange(pending_, std::nullopt);
  if (Clock::now() - wanted.asked < kStale) StartStream(wanted.effect, wanted.asked);
}

void PulseSoundPlayer::StartStream(SoundEffect effect, Clock::time_point asked) {
  const Wave& wave = *waves_[static_cast<std::size_t>(effect)];
  pa_sample_spec format{};
  format.format = SampleFormat(wave.encoding);
  format.rate = wave.rate;
  format.channels = wave.channels;
  pa_proplist* properties = pa_->pa_proplist_new();
  pa_->pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
  const QByteArray name = SoundFileName(effect).toUtf8();
  pa_->pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, name.constData());
  stream_ =
      pa_->pa_stream_new_with_proplist(context_, name.constData(), &format, nullptr, properties);
  pa_->pa_proplist_free(properties);
  if (stream_ == nullptr) return;
  playing_ = &wave;
  asked_ = asked;
  written_ = 0;
  draining_ = false;
  pa_->pa_stream_set_state_callback(stream_, &OnStreamState, this);
  pa_->pa_stream_set_write_callback(stream_, &OnWritable, this);
  // No device: the server's default output of the moment.
  if (pa_->pa_stream_connect_playback(stream_, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr,
                                      nullptr) < 0) {
    StopStream();
  }
}

void PulseSoundPlayer::StopStream() {
  if (stream_ == nullptr) return;
  pa_stream* stream = std::exchange(stream_, nullptr);
  playing_ = nullptr;
  pa_->pa_stream_set_write_callback(stream, nullptr, nullptr);
  if (pa_->pa_stream_get_state(stream) == PA_STREAM_CREATING) {
    // The server has not answered the stream's creation yet, and it can
    // only be disconnected once it has: let it go when it is ready (or
    // failed). Otherwise it would stay open on the server, and here.
    // Until then no other stream is asked for (PlayPending).
    unanswered_ = stream;
    pa_->pa_stream_set_state_callback(stream, &OnLeftStreamState, this);
    return;
  }
  pa_->pa_stream_set_state_callback(stream, nullptr, nullptr);
  if (PA_STREAM_IS_GOOD(pa_->pa_stream_get_state(stream))) pa_->pa_stream_disconnect(stream);
  pa_->pa_stream_unref(stream);
}

void PulseSoundPlayer::Write(pa_stream* stream, std::size_t bytes) {
  if (stream != stream_ || draining_) return;
  // Created only now, by a server that hung: too late to be heard.
  if (written_ == 0 && Clock::now() - asked_ >= kStale) {
    StopStream();
    return;
  }
  const auto total = static_cast<std::size_t>(playing_->data_bytes);
  while (bytes > 0 && written_ < total) {
    std::size_t now = std::min(bytes, total - written_);
    void* buffer = nullptr;
    if (pa_->pa_stream_begin_write(stream, &buffer, &now) < 0 || buffer == nullptr) {
      StopStream();
      return;
    }
    // The file went away or changed since the player started: the effect
    // ends here.
    if (!ReadWaveSamples(*playing_, static_cast<std::int64_t>(written_), buffer, now)) {
      pa_->pa_stream_cancel_write(stream);
      StopStream();
      return;
    }
    if (pa_->pa_stream_write(stream, buffer, now, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
      StopStream();
      return;
    }
    if (written_ == 0) handed_over_.store(Clock::now().time_since_epoch().count());
    written_ += now;
    bytes -= now;
  }
  if (written_ < total) return;
  // Draining starts a stream that holds less than the server's pre-buffer,
  // and tells when the last sample has been played.
  draining_ = true;
  if (pa_operation* drain = pa_->pa_stream_drain(stream, &OnDrained, this)) {
    pa_->pa_operation_unref(drain);
  }
}

void PulseSoundPlayer::OnContextState(pa_context* context, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (context != player->context_) return;
  const pa_context_state_t state = player->pa_->pa_context_get_state(context);
  if (state == PA_CONTEXT_READY) {
    player->PlayPending();
  } else if (!PA_CONTEXT_IS_GOOD(state)) {
    // The server is gone or never answered. The context is let go at the
    // next effect, outside this callback.
    player->pending_.reset();
  }
}

void PulseSoundPlayer::OnStreamState(pa_stream* stream, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (stream != player->stream_) return;
  const pa_stream_state_t state = player->pa_->pa_stream_get_state(stream);
  if (!PA_STREAM_IS_GOOD(state)) {
    player->StopStream();
    if (state == PA_STREAM_FAILED) player->OnStreamFailed();
  }
}

void PulseSoundPlayer::OnLeftStreamState(pa_stream* stream, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  const PulseLibrary& pa = *player->pa_;
  const pa_stream_state_t state = pa.pa_stream_get_state(stream);
  if (state == PA_STREAM_CREATING) return;
  if (stream == player->unanswered_) {
    // Answered: the next stream may be asked for.
    player->unanswered_ = nullptr;
    if (state == PA_STREAM_FAILED) player->OnStreamFailed();
    player->PlayPending();
  }
  if (state == PA_STREAM_READY) {
    pa.pa_stream_disconnect(stream);  // comes back here as terminated
  } else if (!PA_STREAM_IS_GOOD(state)) {
    pa.pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa.pa_stream_unref(stream);
  }
}

void PulseSoundPlayer::OnStreamFailed() {
  // Not when the stream failed because the connection itself went.
  if (context_ != nullptr && pa_->pa_context_get_state(context_) == PA_CONTEXT_READY &&
      pa_->pa_context_errno(context_) == PA_ERR_TIMEOUT) {
    ConnectSoon();
  }
}

void PulseSoundPlayer::OnWritable(pa_stream* stream, std::size_t bytes, void* self) {
  static_cast<PulseSoundPlayer*>(self)->Write(stream, bytes);
}

void PulseSoundPlayer::OnDrained(pa_stream* stream, int /*success*/, void* self) {
  auto* player = static_cast<PulseSoundPlayer*>(self);
  if (stream == player->stream_) player->StopStream();
}

}  // namespace

std::unique_ptr<GameSoundPlayer> MakeSoundPlayer(QString folder) {
  return std::make_unique<PulseSoundPlayer>(std::move(folder));
}

}  // namespace trixola
