#include "testtable/TestTable.h"

namespace logivane {

QString TTestError::ToString() const {
  return QStringLiteral("line %1, column %2: %3").arg(Line).arg(Column).arg(Message);
}

TTestTable TTestTable::Parse(const QString& text, std::vector<TTestError>& errors) {
  Q_UNUSED(text);
  Q_UNUSED(errors);
  return {};
}

}  // namespace logivane
