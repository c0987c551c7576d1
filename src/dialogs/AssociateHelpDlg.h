#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAssociateHelpDialog;
}

namespace logivane {

/// What the "Attach Datasheet" dialog edits: the circuit's datasheet (a file name or a web
/// address) and the context number that goes with a Windows Help file.
struct TDatasheetValues {
  QString Datasheet;
  QString ContextID;

  bool operator==(const TDatasheetValues&) const = default;
};

/**
 * @brief The "Attach Datasheet" dialog: a Windows Help file with a context number (a page
 * only shown for such a datasheet), a web page, or a document of another application.
 *
 * The page shown when it closes decides which of its boxes becomes the datasheet; only the
 * Windows Help page changes the context number.
 */
class TAssociateHelpDialog : public QDialog {
  Q_OBJECT
public:
  explicit TAssociateHelpDialog(QWidget* parent = nullptr);
  ~TAssociateHelpDialog() override;

  void SetValues(const TDatasheetValues& values);
  TDatasheetValues Values() const;
  /// Shows the dialog modally filled from `values`; on OK copies the page shown back and
  /// returns true, on Cancel leaves `values` alone and returns false.
  bool Edit(TDatasheetValues& values);

private:
  std::unique_ptr<Ui::TAssociateHelpDialog> FUi;
  /// The context number given, kept by the two pages that have none.
  QString FContextID;
};

}  // namespace logivane
