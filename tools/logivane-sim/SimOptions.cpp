#include "SimOptions.h"

#include <QCommandLineParser>

namespace logivane {

namespace {

/// Takes "N=FILE" values apart; false, with `error` set, at the first that is not one.
bool ParseMemoryFiles(const QStringList& values, std::vector<TMemoryFileArg>& files,
                      QString& error) {
  for (const QString& value : values) {
    const qsizetype equals = value.indexOf(QLatin1Char('='));
    bool number = false;
    const int memory = value.left(equals).toInt(&number);
    if (equals < 0 || !number || memory < 1 || equals + 1 == value.size()) {
      error = QStringLiteral("'%1' does not name a memory and a file: give N=FILE, N from 1.")
                  .arg(value);
      return false;
    }
    files.push_back({memory, value.mid(equals + 1)});
  }
  return true;
}

}  // namespace

QString SimUsage() {
  return QStringLiteral(
      "Usage: logivane-sim FILE.lvm [--steps N] [--back K] [--watch LABEL]...\n"
      "                    [--vcd OUT.vcd] [--wavedrom OUT.json] [--save OUT.lvm] [--bench]\n"
      "       logivane-sim FILE.lvm --test TABLE.lvtest [--save OUT.lvm]\n"
      "       logivane-sim FILE.lvm --list-memories\n"
      "Both runs also take [--memory N=IMAGE]... [--dump-memory N=OUT]...\n"
      "\n"
      "Opens a circuit, resets it and runs N simulation steps (default 16), printing one line\n"
      "per step with the level of every recorded source and indicator and of each device\n"
      "whose label is LABEL.\n"
      "With --test it runs the test table instead, printing one line per failing row and\n"
      "last how many rows pass.\n"
      "\n"
      "  --steps N       number of steps to run (0 only loads, resets and saves)\n"
      "  --back K        then go back K steps and print that step's line again; the\n"
      "                  value change dump ends at that step\n"
      "  --watch LABEL   also print the source or indicator labelled LABEL (repeatable)\n"
      "  --vcd OUT.vcd   write the printed signals as a value change dump\n"
      "  --wavedrom OUT.json\n"
      "                  write the printed signals as WaveDrom JSON, one column per step from\n"
      "                  the reset; a numeric display is a bus with its value in hexadecimal\n"
      "  --save OUT.lvm  write the circuit back out as it was loaded\n"
      "  --bench         end with the simulation speed in steps per second\n"
      "  --test TABLE    run the test table TABLE (a .lvtest file) instead of the steps\n"
      "  --memory N=IMAGE\n"
      "                  load IMAGE into memory N before the run (repeatable); memories are\n"
      "                  numbered from 1 in the order the circuit file stores its top level's\n"
      "                  devices; IMAGE is a memory map (.map), Intel HEX (.hex, .ihx) or raw\n"
      "                  binary (.bin), by its extension\n"
      "  --dump-memory N=OUT\n"
      "                  write memory N to OUT after the run, in the format of its extension\n"
      "                  (repeatable)\n"
      "  --list-memories print the number, type, address and data lines and position of each\n"
      "                  memory of the top level, and run nothing\n"
      "  -h, --help      print this text and exit\n"
      "\n"
      "Exit status: 0 done (with --test: every row passes), 1 bad usage,\n"
      "2 no such file (circuit or memory image) or not a circuit file,\n"
      "3 a later or unreadable file, or a damaged memory image,\n"
      "4 the circuit stopped on a race or bus contention,\n"
      "5 an output file that cannot be written, 6 a row of the test table fails,\n"
      "7 a test table that cannot be read or does not fit the circuit.\n");
}

std::optional<TSimOptions> ParseSimOptions(const QStringList& arguments, QString& error) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption steps(QStringLiteral("steps"), {}, QStringLiteral("N"));
  const QCommandLineOption back(QStringLiteral("back"), {}, QStringLiteral("K"));
  const QCommandLineOption watch(QStringLiteral("watch"), {}, QStringLiteral("LABEL"));
  const QCommandLineOption vcd(QStringLiteral("vcd"), {}, QStringLiteral("OUT.vcd"));
  const QCommandLineOption wavedrom(QStringLiteral("wavedrom"), {}, QStringLiteral("OUT.json"));
  const QCommandLineOption save(QStringLiteral("save"), {}, QStringLiteral("OUT.lvm"));
  const QCommandLineOption bench(QStringLiteral("bench"));
  const QCommandLineOption test(QStringLiteral("test"), {}, QStringLiteral("TABLE.lvtest"));
  const QCommandLineOption memory(QStringLiteral("memory"), {}, QStringLiteral("N=IMAGE"));
  const QCommandLineOption dumpMemory(QStringLiteral("dump-memory"), {}, QStringLiteral("N=OUT"));
  const QCommandLineOption listMemories(QStringLiteral("list-memories"));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  parser.addOptions({steps, back, watch, vcd, wavedrom, save, bench, test, memory, dumpMemory,
                     listMemories, help});
  if (!parser.parse(arguments)) {
    error = parser.errorText();
    return std::nullopt;
  }
  TSimOptions options;
  if (parser.isSet(help)) {
    options.HelpAsked = true;
    return options;
  }
  if (parser.positionalArguments().size() != 1) {
    error = parser.positionalArguments().isEmpty() ? QStringLiteral("No circuit file given.")
                                                   : QStringLiteral("Give one circuit file.");
    return std::nullopt;
  }

  options.CircuitFile = parser.positionalArguments().first();
  if (parser.isSet(steps)) {
    bool number = false;
    options.Steps = parser.value(steps).toInt(&number);
    if (!number || options.Steps < 0) {
      error = QStringLiteral("The number of steps must be a whole number of 0 or more.");
      return std::nullopt;
    }
  }
  if (parser.isSet(back)) {
    bool number = false;
    options.Back = parser.value(back).toInt(&number);
    if (!number || options.Back < 0 || options.Back > options.Steps) {
      error = QStringLiteral("--back goes back 0 or more steps, and no more than --steps runs.");
      return std::nullopt;
    }
  }
  options.WatchLabels = parser.values(watch);
  options.VcdFile = parser.value(vcd);
  options.WaveDromFile = parser.value(wavedrom);
  options.SaveFile = parser.value(save);
  options.Bench = parser.isSet(bench);
  options.TestFile = parser.value(test);
  options.ListMemories = parser.isSet(listMemories);
  if (!ParseMemoryFiles(parser.values(memory), options.MemoryLoads, error) ||
      !ParseMemoryFiles(parser.values(dumpMemory), options.MemoryDumps, error)) {
    return std::nullopt;
  }
  if (parser.isSet(test) && (parser.isSet(steps) || parser.isSet(back) || parser.isSet(watch) ||
                             parser.isSet(vcd) || parser.isSet(wavedrom) || parser.isSet(bench))) {
    error = QStringLiteral(
        "--test runs the table instead of the steps; it takes no --steps, --back, "
        "--watch, --vcd, --wavedrom or --bench.");
    return std::nullopt;
  }
  return options;
}

}  // namespace logivane
