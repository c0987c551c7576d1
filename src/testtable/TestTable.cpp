#include "testtable/TestTable.h"

#include "testtable/TableParser.h"

namespace logivane {

QString TTestError::ToString() const {
  return QStringLiteral("line %1, column %2: %3").arg(Line).arg(Column).arg(Message);
}

QChar InputValueText(TInputValue value) {
  switch (value) {
    case TInputValue::Low:
      return QLatin1Char('0');
    case TInputValue::High:
      return QLatin1Char('1');
    case TInputValue::Pulse:
      return QLatin1Char('C');
    case TInputValue::Keep:
      break;
  }
  return QLatin1Char('X');
}

TTestTable TTestTable::Parse(const QString& text, std::vector<TTestError>& errors) {
  return TTableParser(text, errors).Parse();
}

}  // namespace logivane
