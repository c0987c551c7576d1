#include "GradeReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include <algorithm>

namespace logivane {

namespace {

int PassedCount(const std::vector<TCircuitGrade>& grades) {
  return static_cast<int>(std::ranges::count_if(grades, &TCircuitGrade::Passed));
}

QString Summary(const std::vector<TCircuitGrade>& grades) {
  return QStringLiteral("%1 of %2 circuits pass").arg(PassedCount(grades)).arg(grades.size());
}

/// Whether the table's rows ran on the circuit, so that the rows are its test cases.
bool RowsRan(const TCircuitGrade& grade) {
  return grade.Outcome == TGradeOutcome::Pass || grade.Outcome == TGradeOutcome::Fail;
}

/// The numbers a JUnit suite states of its test cases.
struct TCaseCounts {
  int Tests = 0;
  int Failures = 0;
  int Errors = 0;

  void Add(const TCaseCounts& other) {
    Tests += other.Tests;
    Failures += other.Failures;
    Errors += other.Errors;
  }
};

TCaseCounts CountsOf(const TCircuitGrade& grade) {
  if (!RowsRan(grade)) {
    return {1, 0, 1};
  }
  const auto failed =
      std::ranges::count_if(grade.Rows, [](const TGradeRow& row) { return !row.Passed; });
  return {static_cast<int>(grade.Rows.size()), static_cast<int>(failed), 0};
}

void WriteCounts(QXmlStreamWriter& xml, const TCaseCounts& counts) {
  xml.writeAttribute(QStringLiteral("tests"), QString::number(counts.Tests));
  xml.writeAttribute(QStringLiteral("failures"), QString::number(counts.Failures));
  xml.writeAttribute(QStringLiteral("errors"), QString::number(counts.Errors));
}

/// A test case that stands for a whole circuit which gave no rows.
void WriteCircuitError(QXmlStreamWriter& xml, const TCircuitGrade& grade) {
  xml.writeStartElement(QStringLiteral("testcase"));
  xml.writeAttribute(QStringLiteral("classname"), grade.File);
  xml.writeAttribute(QStringLiteral("name"), QStringLiteral("circuit"));
  xml.writeStartElement(QStringLiteral("error"));
  xml.writeAttribute(QStringLiteral("type"), OutcomeName(grade.Outcome));
  xml.writeAttribute(QStringLiteral("message"), grade.Message);
  xml.writeCharacters(grade.Message);
  xml.writeEndElement();
  xml.writeEndElement();
}

void WriteRow(QXmlStreamWriter& xml, const TCircuitGrade& grade, const TGradeRow& row) {
  xml.writeStartElement(QStringLiteral("testcase"));
  xml.writeAttribute(QStringLiteral("classname"), grade.File);
  xml.writeAttribute(QStringLiteral("name"), row.Name);
  if (!row.Passed) {
    xml.writeStartElement(QStringLiteral("failure"));
    xml.writeAttribute(QStringLiteral("message"), row.Failure);
    xml.writeCharacters(row.Failure);
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

void WriteSuite(QXmlStreamWriter& xml, const TCircuitGrade& grade) {
  xml.writeStartElement(QStringLiteral("testsuite"));
  xml.writeAttribute(QStringLiteral("name"), grade.File);
  WriteCounts(xml, CountsOf(grade));
  if (RowsRan(grade)) {
    for (const TGradeRow& row : grade.Rows) {
      WriteRow(xml, grade, row);
    }
  } else {
    WriteCircuitError(xml, grade);
  }
  xml.writeEndElement();
}

}  // namespace

QString GradeTable(const std::vector<TCircuitGrade>& grades) {
  const QString fileHeading = QStringLiteral("file");
  qsizetype width = fileHeading.size();
  for (const TCircuitGrade& grade : grades) {
    width = std::max(width, grade.File.size());
  }
  auto line = [width](const QString& file, const QString& passed, const QString& total,
                      const QString& result) {
    return QStringLiteral("%1  %2  %3  %4\n")
        .arg(file, -static_cast<int>(width))
        .arg(passed, 6)
        .arg(total, 6)
        .arg(result);
  };
  QString text = line(fileHeading, QStringLiteral("passed"), QStringLiteral("total"),
                      QStringLiteral("result"));
  for (const TCircuitGrade& grade : grades) {
    text += line(grade.File, QString::number(grade.PassedRows), QString::number(grade.TotalRows),
                 grade.ResultText());
  }
  return text + Summary(grades) + u'\n';
}

QByteArray GradesJson(const QString& tableFile, const std::vector<TCircuitGrade>& grades) {
  QJsonArray circuits;
  for (const TCircuitGrade& grade : grades) {
    circuits.append(GradeToJson(grade));
  }
  const QJsonObject document{{QStringLiteral("table"), tableFile},
                             {QStringLiteral("passed"), PassedCount(grades)},
                             {QStringLiteral("total"), static_cast<int>(grades.size())},
                             {QStringLiteral("circuits"), circuits}};
  return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QByteArray GradesJunit(const QString& tableFile, const std::vector<TCircuitGrade>& grades) {
  TCaseCounts counts;
  for (const TCircuitGrade& grade : grades) {
    counts.Add(CountsOf(grade));
  }
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("testsuites"));
  xml.writeAttribute(QStringLiteral("name"), tableFile);
  WriteCounts(xml, counts);
  for (const TCircuitGrade& grade : grades) {
    WriteSuite(xml, grade);
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

}  // namespace logivane
