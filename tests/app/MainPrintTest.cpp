#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "simulation/cGateDevice.h"
#include "windows/PrintPreview.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QPrinterInfo>

namespace logivane {
namespace {

using namespace test;

class MainPrintTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show();
  }
  /// Paints the preview's page as the screen would.
  void PaintPreview() const {
    Form->PrintPreview().findChild<QWidget*>(QStringLiteral("PaintBox"))->grab();
  }
};

TEST_F(MainPrintTest, PrintCommandsAreEnabledOnlyWithAPrinter) {
  const bool installed = !QPrinterInfo::availablePrinters().isEmpty();
  emit Form->findChild<QMenu*>(QStringLiteral("MenuFile"))->aboutToShow();
  for (const char* name : {"MenuPrintSetup", "MenuPrintPreview", "MenuPrint", "SpeedPrint"}) {
    EXPECT_EQ(Action(name)->isEnabled(), installed) << name;
  }
}

TEST_F(MainPrintTest, ThePreviewFollowsTheLevelShownAndLetsGoOfAReplacedDocument) {
  Place<T2AndGate>(Circuit(), 60, 60);
  Form->PrintPreviewClick();
  TPrintPreview& preview = Form->PrintPreview();
  EXPECT_TRUE(preview.isVisible());
  EXPECT_EQ(preview.Circuit(), &Circuit());
  PaintPreview();

  auto replacement = NewRoot();
  TMacro* inner = AddSubCircuit(*replacement, 100, 100, 1);
  inner->Closed = false;
  Document().ReplaceRoot(std::move(replacement));
  EXPECT_EQ(preview.Circuit(), &Circuit());
  Document().EnterLevel(*inner);
  EXPECT_EQ(preview.Circuit(), inner);
  PaintPreview();

  // New destroys every level, the one shown with them.
  Form->NewClick();
  EXPECT_EQ(preview.Circuit(), &Circuit());
  PaintPreview();
}

}  // namespace
}  // namespace logivane
