#include "windows/MemoryContentsModel.h"

#include "document/cNumberText.h"
#include "simulation/cMemory.h"

#include <algorithm>

namespace logivane {

TMemoryContentsModel::TMemoryContentsModel(QObject* parent) : QAbstractTableModel(parent) {
}

void TMemoryContentsModel::SetMemory(TMemoryDevice* memory) {
  beginResetModel();
  FMemory = memory;
  endResetModel();
}

void TMemoryContentsModel::SetHexadecimal(bool hexadecimal) {
  if (hexadecimal == FHexadecimal) {
    return;
  }
  FHexadecimal = hexadecimal;
  Refresh();
}

int TMemoryContentsModel::DigitLimit() const {
  if (!FMemory) {
    return 0;
  }
  return FHexadecimal ? FMemory->DataWidth() / 4 : FMemory->DataWidth();
}

bool TMemoryContentsModel::IsDigit(QChar c) const {
  if (!FHexadecimal) {
    return c == QLatin1Char('0') || c == QLatin1Char('1');
  }
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
}

void TMemoryContentsModel::Refresh() {
  if (rowCount() > 0) {
    emit dataChanged(index(0, ContentsColumn), index(rowCount() - 1, ContentsColumn),
                     {Qt::DisplayRole, Qt::EditRole});
  }
}

int TMemoryContentsModel::rowCount(const QModelIndex& parent) const {
  return FMemory && !parent.isValid() ? FMemory->WordCount() : 0;
}

int TMemoryContentsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QString TMemoryContentsModel::WordText(int address) const {
  const QString binary = IntToBin(FMemory->GetWord(address), FMemory->DataWidth());
  return FHexadecimal ? BinToHex(binary) : binary;
}

QVariant TMemoryContentsModel::data(const QModelIndex& index, int role) const {
  if (!FMemory || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
    return {};
  }
  if (index.column() == AddressColumn) {
    return QStringLiteral("$%1").arg(index.row(), 4, 16, QLatin1Char('0')).toUpper();
  }
  return WordText(index.row());
}

bool TMemoryContentsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!FMemory || role != Qt::EditRole || index.column() != ContentsColumn) {
    return false;
  }
  const QString text = value.toString();
  if (text.size() > DigitLimit() ||
      !std::all_of(text.begin(), text.end(), [this](QChar c) { return IsDigit(c); })) {
    return false;
  }
  emit WordEditing(index.row());
  FMemory->SetWord(BinToInt(FHexadecimal ? HexToBin(text) : text), index.row());
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  emit WordEdited(index.row());
  return true;
}

Qt::ItemFlags TMemoryContentsModel::flags(const QModelIndex& index) const {
  if (index.column() == AddressColumn) {
    return Qt::ItemIsEnabled;
  }
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TMemoryContentsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return section == AddressColumn ? tr("Address") : tr("Contents");
}

}  // namespace logivane
