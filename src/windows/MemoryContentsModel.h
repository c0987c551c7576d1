#pragma once

#include <QAbstractTableModel>

namespace logivane {

class TMemoryDevice;

/**
 * @brief The words of one memory device as a table of two columns, "Address" and "Contents",
 * one row per address.
 *
 * Texts are made when a cell is shown, so a memory of any size costs the same to show. Words
 * are shown in binary or hexadecimal with at least the digits of the data width, and with more
 * for a word that is wider (one loaded from a memory map). Only the contents are editable.
 */
class TMemoryContentsModel : public QAbstractTableModel {
  Q_OBJECT
public:
  enum TColumn : int { AddressColumn = 0, ContentsColumn = 1 };

  explicit TMemoryContentsModel(QObject* parent = nullptr);

  /// Shows `memory`, or nothing for null; the model never owns it.
  void SetMemory(TMemoryDevice* memory);
  TMemoryDevice* Memory() const { return FMemory; }
  void SetHexadecimal(bool hexadecimal);
  bool Hexadecimal() const { return FHexadecimal; }
  /// The most digits that an edited word may have: one per data line in binary, one per four
  /// in hexadecimal.
  int DigitLimit() const;
  /// Whether `c` is a digit of the current base.
  bool IsDigit(QChar c) const;
  /// Tells the views that any word may have changed, as after a simulation step.
  void Refresh();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  /// Takes a word typed in the current base; refuses a text that is not all digits of the base
  /// or that has more digits than `DigitLimit`. An empty text stores 0.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

signals:
  /// The user is about to change a word.
  void WordEditing(int address);
  /// The user changed a word.
  void WordEdited(int address);

private:
  QString WordText(int address) const;

  TMemoryDevice* FMemory = nullptr;
  bool FHexadecimal = false;
};

}  // namespace logivane
