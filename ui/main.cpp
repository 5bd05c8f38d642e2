// Trixola: noughts and crosses against the computer.
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "command_line.h"
#include "game_window.h"
#include "language.h"
#include "sound_player.h"

namespace {

constexpr const char* kDisplayVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

bool NoDisplayChosen() {
  for (const char* name : kDisplayVariables) {
    if (!qEnvironmentVariableIsEmpty(name)) return false;
  }
  return true;
}

// Qt ends with a fatal message and an abort (and a core dump) when no platform
// can start, for instance when DISPLAY names a display that is not there.
// While the application object is being made, this handler holds Qt's
// messages back; if the platform fails it prints one line instead and ends
// the program with status 1. Once the application stands, the held messages
// go out as usual. The line names the display options the command line gave.
class StartupMessages {
 public:
  explicit StartupMessages(const QByteArray& displayOptions) {
    displayOptions_ = displayOptions;
    previous_ = qInstallMessageHandler(&Handle);
  }
  StartupMessages(const StartupMessages&) = delete;
  StartupMessages& operator=(const StartupMessages&) = delete;

  ~StartupMessages() {
    qInstallMessageHandler(previous_);
    for (const Held& message : held_) {
      const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
      Forward(message.type, context, message.text);
    }
    held_.clear();
  }

 private:
  struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
  };

  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
      held_.push_back({type, QByteArray(context.category), text});
      return;
    }
    if (!text.contains(QLatin1String("platform plugin"))) {
      // Some other fatal error: let Qt report everything as it would.
      for (const Held& message : held_) {
        const QMessageLogContext heldContext(nullptr, 0, nullptr, message.category.constData());
        Forward(message.type, heldContext, message.text);
      }
      held_.clear();
      Forward(type, context, text);
      return;
    }
    QByteArray chosen;
    for (const char* name : kDisplayVariables) {
      if (qEnvironmentVariableIsEmpty(name)) continue;
      if (!chosen.isEmpty()) chosen += ", ";
      chosen += QByteArray(name) + "=\"" + qgetenv(name) + '"';
    }
    if (!displayOptions_.isEmpty()) chosen += (chosen.isEmpty() ? "" : ", ") + displayOptions_;
    std::fprintf(stderr,
                 "trixola: cannot open the graphical display (%s); set DISPLAY or "
                 "WAYLAND_DISPLAY to a running display, or QT_QPA_PLATFORM=offscreen\n",
                 chosen.constData());
    std::fflush(stderr);
    _exit(1);
  }

  static void Forward(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (previous_ != nullptr) {
      previous_(type, context, text);
    } else {
      std::fprintf(stderr, "%s\n", qPrintable(text));
    }
  }

  static inline QtMessageHandler previous_ = nullptr;
  static inline QByteArray displayOptions_;
  static inline std::vector<Held> held_;
};

}  // namespace

int main(int argc, char* argv[]) {
  // --help, --version and usage errors are answered before any display is
  // needed.
  const trixola::CommandLine commandLine = trixola::ReadCommandLine(argc, argv);
  if (commandLine.exitStatus) return *commandLine.exitStatus;

  // Without any of these Qt would try X11 and abort; say what is missing.
  if (NoDisplayChosen() && commandLine.displayOptions.isEmpty()) {
    std::fputs(
        "trixola: no graphical display found (set DISPLAY or WAYLAND_DISPLAY, or "
        "QT_QPA_PLATFORM=offscreen)\n",
        stderr);
    return 1;
  }

  // On X11, Qt shares the window's pixels with the X server (MIT-SHM) and
  // waits for a round trip to the server before it paints over pixels it has
  // shared: with the clock repainting once a second, that wakes two threads
  // a second for nothing. The window is small; its frames go over the socket.
  // Read once, while the application connects; not passed on to programs the
  // game starts (the mail link).
  const bool shmChosen = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
  if (!shmChosen) qputenv("QT_XCB_NO_MITSHM", "1");
  std::optional<StartupMessages> startup(std::in_place, commandLine.displayOptions);
  QApplication app(argc, argv);
  startup.reset();
  if (!shmChosen) qunsetenv("QT_XCB_NO_MITSHM");
  QApplication::setApplicationName(QStringLiteral("trixola"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.trixola.Trixola"));

  // The desktop's language, before the window is made; none in English.
  QTranslator translator;
  if (trixola::language::Load(translator)) QCoreApplication::installTranslator(&translator);

  const std::unique_ptr<trixola::GameSoundPlayer> sound = trixola::MakeSoundPlayer();
  trixola::GameWindow window(*sound);
  window.CentreOnScreen();
  window.show();
  // The sound system loads once the window is up, so start-up stays quick.
  trixola::StartAfterFirstFrame(*sound, window);

  return QApplication::exec();
}
