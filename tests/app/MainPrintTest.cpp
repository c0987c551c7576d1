#include "TestHelpers.h"
#include "app/MainUnit.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cGateDevice.h"
#include "windows/PrintPreview.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPrinterInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace logivane {
namespace {

using namespace test;

class MainPrintTest : public ::testing::Test {
protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder.path());
    Form.show();
  }
  void TearDown() override { QSettings().clear(); }

  QAction* Action(const char* name) const { return Form.findChild<QAction*>(name); }
  /// Paints the preview's page as the screen would.
  void PaintPreview() const {
    Form.PrintPreview().findChild<QWidget*>(QStringLiteral("PaintBox"))->grab();
  }

  QTemporaryDir Folder;
  TMainForm Form;
};

TEST_F(MainPrintTest, PrintCommandsAreEnabledOnlyWithAPrinter) {
  const bool installed = !QPrinterInfo::availablePrinters().isEmpty();
  emit Form.findChild<QMenu*>(QStringLiteral("MenuFile"))->aboutToShow();
  for (const char* name : {"MenuPrintSetup", "MenuPrintPreview", "MenuPrint", "SpeedPrint"}) {
    EXPECT_EQ(Action(name)->isEnabled(), installed) << name;
  }
}

TEST_F(MainPrintTest, ThePreviewFollowsTheLevelShownAndLetsGoOfAReplacedDocument) {
  Place<T2AndGate>(Form.Drawing().Circuit(), 60, 60);
  Form.PrintPreviewClick();
  TPrintPreview& preview = Form.PrintPreview();
  EXPECT_TRUE(preview.isVisible());
  EXPECT_EQ(preview.Circuit(), &Form.Drawing().Circuit());
  PaintPreview();

  auto replacement = NewRoot();
  TMacro* inner = AddSubCircuit(*replacement, 100, 100, 1);
  inner->Closed = false;
  Form.Document().ReplaceRoot(std::move(replacement));
  EXPECT_EQ(preview.Circuit(), &Form.Drawing().Circuit());
  Form.Document().EnterLevel(*inner);
  EXPECT_EQ(preview.Circuit(), inner);
  PaintPreview();

  // New destroys every level, the one shown with them.
  Form.NewClick();
  EXPECT_EQ(preview.Circuit(), &Form.Drawing().Circuit());
  PaintPreview();
}

}  // namespace
}  // namespace logivane
