#include "testtable/TestTable.h"

#include "testtable/TableParser.h"

namespace logivane {

QString TTestError::ToString() const {
  return QStringLiteral("line %1, column %2: %3").arg(Line).arg(Column).arg(Message);
}

TTestTable TTestTable::Parse(const QString& text, std::vector<TTestError>& errors) {
  return TTableParser(text, errors).Parse();
}

}  // namespace logivane
