#include "GradeRun.h"

#include "GradeCircuit.h"
#include "GradeOptions.h"
#include "GradeReport.h"
#include "ProcessPool.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace logivane {

namespace {

/// The circuit files the paths name, each once, sorted by name. A path that names no folder is
/// taken as a file, so that a missing one is graded as an error beside the others.
QStringList CircuitFiles(const QStringList& paths) {
  QStringList files;
  for (const QString& path : paths) {
    const QFileInfo info(path);
    if (info.isDir()) {
      QDirIterator found(path, {QStringLiteral("*.lvm")}, QDir::Files,
                         QDirIterator::Subdirectories);
      while (found.hasNext()) {
        files << QDir::cleanPath(found.next());
      }
    } else {
      files << QDir::cleanPath(path);
    }
  }
  files.sort();
  files.removeDuplicates();
  return files;
}

QString FirstLine(const QByteArray& text) {
  return QString::fromLocal8Bit(text).trimmed().section(u'\n', 0, 0);
}

/// What the process that graded `file` said, or why it said nothing.
TCircuitGrade GradeFromEnd(const QString& file, const TProcessEnd& end, int rows, int timeoutMs) {
  TCircuitGrade grade;
  grade.TotalRows = rows;
  switch (end.Kind) {
    case TProcessEnd::TimedOut:
      grade.Outcome = TGradeOutcome::Timeout;
      grade.Message = QStringLiteral("Stopped after %1 s.").arg(timeoutMs / 1000.0);
      break;
    case TProcessEnd::Crashed:
      grade.Message = QStringLiteral("The circuit crashed the grading process.");
      break;
    case TProcessEnd::NotStarted:
      grade.Message = QStringLiteral("Unable to start a grading process.");
      break;
    case TProcessEnd::Exited: {
      const QJsonDocument json = QJsonDocument::fromJson(end.Out);
      if (!GradeFromJson(json.object(), grade)) {
        grade.Outcome = TGradeOutcome::Error;
        const QString said = FirstLine(end.Err);
        grade.Message =
            said.isEmpty() ? QStringLiteral("The grading process gave no result.") : said;
      }
      break;
    }
  }
  grade.File = file;
  return grade;
}

std::vector<TCircuitGrade> GradeAll(const QString& program, const TGradeOptions& options,
                                    const QStringList& files, int rows) {
  std::vector<QStringList> argumentLists;
  for (const QString& file : files) {
    argumentLists.push_back({QStringLiteral("--%1=%2").arg(OneCircuitOption(), file),
                             QStringLiteral("--"), options.TableFile});
  }
  const std::vector<TProcessEnd> ends =
      TProcessPool(program, options.Jobs, options.TimeoutMs).Run(argumentLists);
  std::vector<TCircuitGrade> grades;
  for (qsizetype i = 0; i < files.size(); ++i) {
    grades.push_back(
        GradeFromEnd(files[i], ends[static_cast<std::size_t>(i)], rows, options.TimeoutMs));
  }
  return grades;
}

bool WriteFile(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(bytes) == bytes.size() && file.flush();
}

/// The one-circuit mode: the grade of one circuit as a line of JSON on standard output.
int GradeOne(const TGradeOptions& options) {
  QString message;
  const std::optional<TTestTable> table = ReadTableFile(options.TableFile, message);
  TCircuitGrade grade;
  if (table) {
    grade = GradeCircuit(*table, options.OneCircuit);
  } else {
    grade.File = options.OneCircuit;
    grade.Message = message;
  }
  QTextStream(stdout) << QJsonDocument(GradeToJson(grade)).toJson(QJsonDocument::Compact) << '\n';
  return GradeAllPass;
}

}  // namespace

int RunGrader(const QString& program, const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  QString error;
  const std::optional<TGradeOptions> options = ParseGradeOptions(arguments, error);
  if (!options) {
    err << error << "\n\n" << GradeUsage();
    return GradeBadUsage;
  }
  if (options->HelpAsked) {
    out << GradeUsage();
    return GradeAllPass;
  }
  if (!options->OneCircuit.isEmpty()) {
    return GradeOne(*options);
  }
  const std::optional<TTestTable> table = ReadTableFile(options->TableFile, error);
  if (!table) {
    err << error << '\n';
    return GradeBadTable;
  }
  const QStringList files = CircuitFiles(options->Paths);
  if (files.isEmpty()) {
    err << "No circuit file (*.lvm) found in '" << options->Paths.join(QStringLiteral("', '"))
        << "'.\n";
    return GradeBadUsage;
  }
  const std::vector<TCircuitGrade> grades = GradeAll(program, *options, files, table->RowCount());
  out << GradeTable(grades);
  out.flush();
  for (const auto& [fileName, bytes] :
       {std::pair{options->JsonFile, GradesJson(options->TableFile, grades)},
        std::pair{options->JunitFile, GradesJunit(options->TableFile, grades)}}) {
    if (!fileName.isEmpty() && !WriteFile(fileName, bytes)) {
      err << "Unable to write '" << fileName << "'.\n";
      return GradeCannotWrite;
    }
  }
  return std::ranges::all_of(grades, &TCircuitGrade::Passed) ? GradeAllPass : GradeNotAllPass;
}

}  // namespace logivane
