// The program's command line: --help and --version, Qt's own options let
// through, anything else refused with the usage.
#pragma once

#include <QByteArray>
#include <optional>

namespace trixola {

struct CommandLine {
  // Set when the program has answered the command line (help, version or a
  // usage error) and must end with this status before touching any display.
  std::optional<int> exitStatus;
  // The display options Qt will act on (-platform, -display), as the user
  // gave them, e.g. `-platform "offscreen"`; empty when none was given.
  QByteArray displayOptions;
};

// Exit status for a command line the program does not understand.
inline constexpr int kUsageError = 2;

// Reads argv before the application object exists, so it needs no display.
// Prints the help or the version on stdout, a usage error with the usage on
// stderr. Leaves argv as it is: Qt takes its own options from it later.
CommandLine ReadCommandLine(int argc, const char* const* argv);

}  // namespace trixola
