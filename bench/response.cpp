// Response time of the game window: from a left click on a free cell being
// delivered to the window until the frame that shows the answer is painted,
// flushed and, on X11, taken in by the X server.
//
//   bench_response [CLICKS] [--sound]
//
// Plays whole matches with clicks on random free cells (fixed seed), the level
// switching at every New Game, until CLICKS cell clicks have been timed
// (default 1000). New Game and the level change are not timed. Beside every
// timed click the same rectangle of a plain black widget of the window's size
// is repainted and timed the same way: the floor that the window system sets.
// Prints median, p99 and max of both, in ms. --sound uses the game's sound
// player with the game's sounds instead of a silent one.
#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "board_view.h"
#include "game_window.h"
#include "sound_player.h"
#include "texts.h"

namespace {

using Clock = std::chrono::steady_clock;

class SilentSoundPlayer : public trixola::SoundPlayer {
 public:
  void Play(trixola::SoundEffect) override {}
};

// Passes sounds on and adds up the time the window spends handing them over.
class TimedSoundPlayer : public trixola::SoundPlayer {
 public:
  explicit TimedSoundPlayer(trixola::SoundPlayer& inner) : inner_(inner) {}
  void Play(trixola::SoundEffect effect) override {
    const auto start = Clock::now();
    inner_.Play(effect);
    spent += Clock::now() - start;
  }
  Clock::duration spent{};

 private:
  trixola::SoundPlayer& inner_;
};

// A black widget that paints what it is asked to, like an empty window.
class BlackWidget : public QWidget {
 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter(this).fillRect(event->rect(), Qt::black);
  }
};

// Waits until the X server has handled every request sent so far, so a frame
// counts only once its pixels have reached the server. Nothing to do on
// platforms without an X connection (offscreen).
void SyncWithDisplay() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return;
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Notes when a widget's frames are done: the moment a repaint that painted
// something has been flushed to the window system and taken in by the X
// server. Widgets repaint on a posted UpdateRequest; the watch delivers that
// event itself to read the clock right after it, before any other event.
class FrameWatch : public QObject {
 public:
  int frames = 0;
  Clock::time_point lastFrameEnd;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    if (event->type() != QEvent::UpdateRequest || delivering_) return false;
    const int paintsBefore = paints_;
    delivering_ = true;
    QCoreApplication::sendEvent(watched, event);
    delivering_ = false;
    if (paints_ != paintsBefore) {
      SyncWithDisplay();
      lastFrameEnd = Clock::now();
      ++frames;
    }
    return true;
  }

 private:
  int paints_ = 0;
  bool delivering_ = false;
};

// Delivers events until the watched widget has finished a frame after
// `framesBefore`; the end of that frame, or nothing after 2 s without one.
std::optional<Clock::time_point> NextFrameEnd(const FrameWatch& watch, int framesBefore) {
  const auto deadline = Clock::now() + std::chrono::seconds(2);
  while (watch.frames == framesBefore) {
    if (Clock::now() > deadline) return std::nullopt;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  return watch.lastFrameEnd;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
  SyncWithDisplay();
}

void SendClick(QWidget& target, QPoint point) {
  const QPointF local(point);
  const QPointF global(target.mapToGlobal(point));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &release);
}

template <typename Button>
Button* ButtonCalled(QWidget& window, const QString& text) {
  for (Button* button : window.findChildren<Button*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

struct Summary {
  double median, p99, max;
};

Summary Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const auto at = [&](double q) {
    return values[std::min(values.size() - 1, static_cast<std::size_t>(q * values.size()))];
  };
  return {at(0.5), at(0.99), values.back()};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int clicks = 1000;
  bool realSound = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--sound") == 0) {
      realSound = true;
    } else {
      clicks = std::max(1, std::atoi(argv[i]));
    }
  }

  std::unique_ptr<trixola::SoundPlayer> sound;
  if (realSound) {
    auto player = trixola::MakeSoundPlayer(QStringLiteral(TRIXOLA_SOUNDS_DIR));
    // As in the game, the player has started long before the first click.
    player->Start();
    const auto deadline = Clock::now() + std::chrono::milliseconds(500);
    while (Clock::now() < deadline) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    sound = std::move(player);
  } else {
    sound = std::make_unique<SilentSoundPlayer>();
  }

  TimedSoundPlayer timedSound(*sound);
  trixola::GameWindow form(timedSound);
  auto* board = form.findChild<trixola::BoardView*>();
  QAbstractButton* newGame = ButtonCalled<QPushButton>(form, trixola::texts::kNewGame);
  QAbstractButton* levels[] = {ButtonCalled<QRadioButton>(form, trixola::texts::kEasy),
                               ButtonCalled<QRadioButton>(form, trixola::texts::kHard)};
  form.move(0, 0);
  form.show();
  BlackWidget empty;
  empty.setFixedSize(form.size());
  empty.setAttribute(Qt::WA_OpaquePaintEvent);
  empty.move(0, form.frameGeometry().height() + 8);
  empty.show();
  FrameWatch formFrames, emptyFrames;
  // The window delivers the frames; its controls paint into them.
  form.installEventFilter(&formFrames);
  for (QWidget* control : form.findChildren<QWidget*>()) control->installEventFilter(&formFrames);
  empty.installEventFilter(&emptyFrames);
  Settle();

  std::mt19937 random(20240611);
  std::vector<double> game, floor, inSound;
  game.reserve(static_cast<std::size_t>(clicks));
  floor.reserve(static_cast<std::size_t>(clicks));
  inSound.reserve(static_cast<std::size_t>(clicks));
  int worstClick = 0, matches = 0;
  while (static_cast<int>(game.size()) < clicks) {
    std::vector<int> free;
    for (int n = 1; n <= 9; ++n) {
      if (board->IsPlayable(n)) free.push_back(n);
    }
    if (free.empty()) {  // the match is over: change the level, New Game
      ++matches;
      levels[matches % 2]->click();
      newGame->click();
      Settle();
      continue;
    }
    const QRect cell = trixola::BoardView::CellRect(free[random() % free.size()]);

    timedSound.spent = {};
    const auto start = Clock::now();
    SendClick(*board, cell.center());
    const auto frameEnd = NextFrameEnd(formFrames, formFrames.frames);
    if (!frameEnd) {
      std::fprintf(stderr, "bench_response: a click on a free cell painted nothing\n");
      return 1;
    }
    game.push_back(Ms(*frameEnd - start));
    inSound.push_back(Ms(timedSound.spent));
    if (game.back() >= game[static_cast<std::size_t>(worstClick)])
      worstClick = int(game.size()) - 1;
    Settle();

    const auto floorStart = Clock::now();
    empty.update(cell.translated(board->pos()));
    const auto floorEnd = NextFrameEnd(emptyFrames, emptyFrames.frames);
    if (!floorEnd) return 1;
    floor.push_back(Ms(*floorEnd - floorStart));
    Settle();
  }

  const Summary g = Summarise(game), f = Summarise(floor), p = Summarise(inSound);
  std::printf("  %-30s %8s %8s %8s\n", "ms", "median", "p99", "max");
  std::printf("  %-30s %8.3f %8.3f %8.3f   (worst: click %d)\n", "game, click to frame", g.median,
              g.p99, g.max, worstClick + 1);
  std::printf("  %-30s %8.3f %8.3f %8.3f\n", "  of it in SoundPlayer::Play", p.median, p.p99,
              p.max);
  std::printf("  %-30s %8.3f %8.3f %8.3f\n", "empty widget, same rect", f.median, f.p99, f.max);
  std::printf("  (%d clicks in %d matches, platform %s, device pixel ratio %.0f, sound %s)\n",
              clicks, matches, qPrintable(QGuiApplication::platformName()),
              form.devicePixelRatioF(), realSound ? "the game's player" : "silent");
  return 0;
}
