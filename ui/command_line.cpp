#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "language.h"

#ifndef TRIXOLA_VERSION
#error "TRIXOLA_VERSION (the release number) is set by the build"
#endif

namespace trixola {
namespace {

// The options that Qt's application classes (QCoreApplication,
// QGuiApplication, QApplication) and its X11 platform take out of the command
// line when the application object is made. They are accepted here, hidden
// from the help, and left in argv for Qt.
struct QtOption {
  const char* name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    {"testability", false},
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    {"qmljsdebugger", true},
    // X11 only.
    {"display", true},
    {"name", true},
    {"visual", true},
    {"nograb", false},
    {"dograb", false},
    {"geometry", true},
    {"title", true},
    {"icon", true},
};
// The options that choose where the window appears.
constexpr const char* kDisplayOptions[] = {"platform", "display"};

// The catalogues' context for the command line.
constexpr char kContext[] = "CommandLine";

QString Tr(const char* source) {
  return QCoreApplication::translate(kContext, source);
}

const char kQtOptionsNote[] = QT_TRANSLATE_NOOP(
    "CommandLine",
    "\nQt's own options, such as -platform, -style and -display, work as in any Qt\n"
    "program. See the trixola(6) manual page for how to play.\n");

// The texts of QCommandLineParser that the help and its errors show. Qt
// translates them in its own catalogues, which the game does not load; the
// game's catalogues carry them in the parser's context instead.
[[maybe_unused]] constexpr const char* kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// The game's options, described in the player's language when a catalogue
// is installed.
struct Parser {
  Parser() {
    // Qt's options are words after a single dash (-platform), never letters
    // run together.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        Tr(QT_TRANSLATE_NOOP("CommandLine",
                             "Noughts and crosses against the computer: you move first with a "
                             "pink cross,\nthe computer answers in blue.")));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qt : kQtOptions) {
      QCommandLineOption option(QString::fromLatin1(qt.name));
      if (qt.takesValue) option.setValueName(QStringLiteral("value"));
      option.setFlags(QCommandLineOption::HiddenFromHelp);
      parser.addOption(option);
    }
  }

  // Why the arguments are refused, or an empty string.
  QString Error(const QStringList& arguments) {
    if (!parser.parse(arguments)) return parser.errorText();
    if (parser.positionalArguments().isEmpty()) return {};
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'."))
        .arg(parser.positionalArguments().first());
  }

  QString HelpText() const { return parser.helpText() + Tr(kQtOptionsNote); }

  QCommandLineParser parser;
  const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                Tr(QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit."))};
  const QCommandLineOption version{
      {QStringLiteral("v"), QStringLiteral("version")},
      Tr(QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit."))};
};

// Before the window's application object exists, a core application (which
// needs no display) stands in for it while the program answers the command
// line: QCommandLineParser::helpText() names the program after its first
// argument, and the catalogue of the player's language is installed in it.
// Made only to answer; a plain start of the game pays nothing for it.
class Answering {
 public:
  explicit Answering(const QString& program) {
    if (QCoreApplication::instance() != nullptr) return;
    name_ = QFileInfo(program).fileName().toLocal8Bit();
    if (name_.isEmpty()) name_ = "trixola";
    argv_[0] = name_.data();
    app_.emplace(argc_, argv_);
    if (language::Load(translator_)) QCoreApplication::installTranslator(&translator_);
  }
  Answering(const Answering&) = delete;
  Answering& operator=(const Answering&) = delete;

 private:
  QByteArray name_;
  int argc_ = 1;
  char* argv_[2] = {nullptr, nullptr};
  QTranslator translator_;
  std::optional<QCoreApplication> app_;
};

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << QStringLiteral("trixola");

  CommandLine result;
  {
    Parser plain;
    const bool answer = !plain.Error(arguments).isEmpty() || plain.parser.isSet(plain.help) ||
                        plain.parser.isSet(plain.version);
    if (!answer) {
      for (const char* name : kDisplayOptions) {
        const QString option = QString::fromLatin1(name);
        if (!plain.parser.isSet(option)) continue;
        if (!result.displayOptions.isEmpty()) result.displayOptions += ", ";
        result.displayOptions +=
            '-' + option.toLatin1() + " \"" + plain.parser.value(option).toLocal8Bit() + '"';
      }
      return result;
    }
  }

  // The answer, in the player's language: the options read again with their
  // descriptions and errors translated.
  const Answering answering(arguments[0]);
  Parser parser;
  const QString error = parser.Error(arguments);
  if (!error.isEmpty()) {
    Print(stderr, QStringLiteral("trixola: %1\n\n").arg(error) + parser.HelpText());
    result.exitStatus = kUsageError;
  } else if (parser.parser.isSet(parser.help)) {
    Print(stdout, parser.HelpText());
    result.exitStatus = 0;
  } else {
    Print(stdout, QStringLiteral("trixola " TRIXOLA_VERSION "\n"));
    result.exitStatus = 0;
  }
  return result;
}

}  // namespace trixola
