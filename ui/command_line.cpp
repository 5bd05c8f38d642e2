#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <cstdio>

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

const char kQtOptionsNote[] =
    "\nQt's own options, such as -platform, -style and -display, work as in any Qt\n"
    "program. See the trixola(6) manual page for how to play.\n";

// QCommandLineParser::helpText() names the program after the application's
// first argument. Here, before the window's application object exists, a
// core application (which needs no display) stands in for it, named as the
// program was started.
QString HelpText(const QCommandLineParser& parser, const QString& program) {
  if (QCoreApplication::instance() != nullptr) return parser.helpText() + kQtOptionsNote;
  QByteArray name = QFileInfo(program).fileName().toLocal8Bit();
  if (name.isEmpty()) name = "trixola";
  int argc = 1;
  char* argv[] = {name.data(), nullptr};
  const QCoreApplication app(argc, argv);
  return parser.helpText() + kQtOptionsNote;
}

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << QStringLiteral("trixola");

  QCommandLineParser parser;
  // Qt's options are words after a single dash (-platform), never letters
  // run together.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Noughts and crosses against the computer: you move first with a pink cross,\n"
                     "the computer answers in blue."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and exit."));
  parser.addOption(help);
  parser.addOption(version);
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name));
    if (qt.takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  CommandLine result;
  QString error;
  if (!parser.parse(arguments)) {
    error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
  }
  if (!error.isEmpty()) {
    Print(stderr, QStringLiteral("trixola: %1\n\n").arg(error) + HelpText(parser, arguments[0]));
    result.exitStatus = kUsageError;
  } else if (parser.isSet(help)) {
    Print(stdout, HelpText(parser, arguments[0]));
    result.exitStatus = 0;
  } else if (parser.isSet(version)) {
    Print(stdout, QStringLiteral("trixola " TRIXOLA_VERSION "\n"));
    result.exitStatus = 0;
  } else {
    for (const char* name : kDisplayOptions) {
      const QString option = QString::fromLatin1(name);
      if (!parser.isSet(option)) continue;
      if (!result.displayOptions.isEmpty()) result.displayOptions += ", ";
      result.displayOptions +=
          '-' + option.toLatin1() + " \"" + parser.value(option).toLocal8Bit() + '"';
    }
  }
  return result;
}

}  // namespace trixola
