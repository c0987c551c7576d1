#include "GradeOptions.h"

#include <QCommandLineParser>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace logivane {

namespace {

/// The longest time limit taken, so that the milliseconds fit an int.
constexpr double MaxTimeoutSeconds = 86400;

bool ParseTimeout(const QString& text, int& milliseconds) {
  bool number = false;
  const double seconds = text.toDouble(&number);
  if (!number || !std::isfinite(seconds) || seconds <= 0 || seconds > MaxTimeoutSeconds) {
    return false;
  }
  milliseconds = std::max(1, static_cast<int>(std::lround(seconds * 1000)));
  return true;
}

}  // namespace

QString OneCircuitOption() {
  return QStringLiteral("one-circuit");
}

QString GradeUsage() {
  return QStringLiteral(
      "Usage: logivane-grade TABLE.lvtest PATH... [--timeout S] [-j N]\n"
      "                      [--json OUT.json] [--junit OUT.xml]\n"
      "\n"
      "Runs the test table on every circuit given: each PATH is a circuit file or\n"
      "a folder searched, with its subfolders, for *.lvm files. Each circuit runs\n"
      "in a process of its own, so that one that hangs or crashes cannot stop the\n"
      "others. Prints one line per circuit, sorted by file name (rows passed, rows\n"
      "in all, and pass, fail, error with its message, or timeout), then how many\n"
      "circuits pass.\n"
      "\n"
      "  --timeout S   seconds one circuit may take before it is stopped (default 10)\n"
      "  -j N          circuits graded at once (default: one per processor core)\n"
      "  --json OUT    also write the results, row by row, as JSON\n"
      "  --junit OUT   also write the results, row by row, as JUnit XML\n"
      "  -h, --help    print this text and exit\n"
      "\n"
      "Exit status: 0 every circuit passes, 1 bad usage, 5 an output file that\n"
      "cannot be written, 6 a circuit fails, has an error or times out, 7 the table\n"
      "cannot be read.\n");
}

std::optional<TGradeOptions> ParseGradeOptions(const QStringList& arguments, QString& error) {
  QCommandLineParser parser;
  const QCommandLineOption timeout(QStringLiteral("timeout"), {}, QStringLiteral("S"));
  const QCommandLineOption jobs(QStringLiteral("j"), {}, QStringLiteral("N"));
  const QCommandLineOption json(QStringLiteral("json"), {}, QStringLiteral("OUT"));
  const QCommandLineOption junit(QStringLiteral("junit"), {}, QStringLiteral("OUT"));
  const QCommandLineOption one(OneCircuitOption(), {}, QStringLiteral("FILE"));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  parser.addOptions({timeout, jobs, json, junit, one, help});
  if (!parser.parse(arguments)) {
    error = parser.errorText();
    return std::nullopt;
  }
  TGradeOptions options;
  if (parser.isSet(help)) {
    options.HelpAsked = true;
    return options;
  }
  QStringList positional = parser.positionalArguments();
  options.OneCircuit = parser.value(one);
  if (positional.isEmpty()) {
    error = QStringLiteral("No test table given.");
    return std::nullopt;
  }
  options.TableFile = positional.takeFirst();
  options.Paths = positional;
  if (options.Paths.isEmpty() && options.OneCircuit.isEmpty()) {
    error = QStringLiteral("No circuit file or folder given.");
    return std::nullopt;
  }
  if (parser.isSet(timeout) && !ParseTimeout(parser.value(timeout), options.TimeoutMs)) {
    error = QStringLiteral("The time limit must be a number of seconds above 0.");
    return std::nullopt;
  }
  options.Jobs = QThread::idealThreadCount();
  if (parser.isSet(jobs)) {
    bool number = false;
    options.Jobs = parser.value(jobs).toInt(&number);
    if (!number || options.Jobs < 1) {
      error = QStringLiteral("The number of circuits graded at once must be 1 or more.");
      return std::nullopt;
    }
  }
  options.JsonFile = parser.value(json);
  options.JunitFile = parser.value(junit);
  return options;
}

}  // namespace logivane
