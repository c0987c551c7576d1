#pragma once

#include "document/cColour.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TEditTextDialog;
}

namespace logivane {

class TGraphicText;

/// What the text dialog edits: an annotation's text and its style.
struct TEditTextValues {
  QString Text;
  /// Points, 6 to 26.
  int Size = 7;
  bool Italic = false;
  bool Bold = false;
  bool Overbar = false;
  TColour TextColour = ColourBlack;

  bool operator==(const TEditTextValues&) const = default;
};

/// The values of `text`, and the values put back into it.
TEditTextValues AnnotationValues(const TGraphicText& text);
void ApplyAnnotationValues(const TEditTextValues& values, TGraphicText& text);

/// Asks the user for a colour, starting from `current`; empty when the user cancels.
using TColourChooser = std::function<std::optional<TColour>(TColour current, QWidget* parent)>;
/// The system's colour dialog, with all custom colours white.
std::optional<TColour> ChooseFromColourDialog(TColour current, QWidget* parent);

/// The "Edit Text" dialog for annotations, with a preview of the text in its style.
class TEditTextDialog : public QDialog {
  Q_OBJECT
public:
  explicit TEditTextDialog(QWidget* parent = nullptr);
  ~TEditTextDialog() override;

  void SetValues(const TEditTextValues& values);
  TEditTextValues Values() const;
  /// Shows the dialog modally filled from `values`; on OK copies the controls back and returns
  /// true, on Cancel leaves `values` alone and returns false.
  bool Edit(TEditTextValues& values);

  TColour TextColour() const { return FTextColour; }
  /// Keeps the colour and paints the preview in it.
  void SetTextColour(TColour colour);

  /// Replaces the colour dialog that "Color..." opens (the default is the system's colour
  /// dialog with all custom colours white).
  void SetColourChooser(TColourChooser chooser);

private:
  void UpdatePreviewFont();
  void ChooseColour();

  std::unique_ptr<Ui::TEditTextDialog> FUi;
  TColour FTextColour = ColourBlack;
  TColourChooser FChooseColour;
};

}  // namespace logivane
