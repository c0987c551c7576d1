#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/RecordedMessages.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cCircuitFile.h"
#include "windows/TemplateForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTimer>

namespace logivane {
namespace {

using test::Place;

/// A circuit in the main drawing with three tags and a symbol of a box and four pins, for the
/// Template Editor. Message boxes are answered by the test, and the file dialogs give `Chosen`.
class TemplateEditorTest : public ::testing::Test {
protected:
  void SetUp() override {
    Form.ChooseOpenFile = Form.ChooseSaveFile = [this](QWidget*, const QString&) {
      return PathOf(Chosen);
    };
    TMacro& circuit = Main.Circuit();
    for (int i = 0; i < 3; ++i) {
      Tags.push_back(Place<TTagDevice>(circuit, 100, static_cast<float>(40 * i)));
    }
    auto box = std::make_unique<TPolygon>();
    box->AddPoints({{0, 0}, {40, 0}, {40, 60}, {0, 60}});
    box->Remap();
    circuit.Add(std::move(box));
    for (int i = 0; i < 4; ++i) {
      AddOutlinePin(circuit, i < 2 ? -4.0f : 44.0f, static_cast<float>(10 + 40 * (i % 2)));
    }
  }

  void Open(TTagDevice* tag) {
    Form.Attach(Main, Main.Circuit(), tag);
    Form.show();
  }
  void Close() {
    Form.hide();
    Form.Detach();
  }
  TMacro& Circuit() { return Main.Circuit(); }
  TMacroPin& Pin(int i) { return *static_cast<TMacroPin*>(Circuit().Pin(i)); }
  QAction* Action(const char* name) { return Form.Action(name); }
  void SelectPin(int i) { Form.TemplateDrawing().Select(&Pin(i)); }
  QString PathOf(const char* name) const { return Folder.filePath(QLatin1String(name)); }

  QTemporaryDir Folder;
  TLogivaneDrawing Main;
  TTemplateForm Form;
  std::vector<TTagDevice*> Tags;
  const char* Chosen = "";
  test::TRecordedMessages Messages;
};

TEST_F(TemplateEditorTest, APinIsAssociatedOnlyWithTheTagHandedOverAndOnlyOnce) {
  Tags[0]->Direction = TTagDevice::DirectionOutput;
  Open(Tags[0]);
  SelectPin(2);
  EXPECT_EQ(Form.StatusText(), QStringLiteral("Pin 3 Selected"));
  EXPECT_TRUE(Action("TemplateAssociate")->isVisible());
  EXPECT_FALSE(Action("TemplateBringToFront")->isVisible()) << "pins keep their order";
  ASSERT_TRUE(Action("TemplateAssociate")->isEnabled());
  Action("TemplateAssociate")->trigger();

  EXPECT_EQ(Tags[0]->LinkPin->Partner, &Pin(2));
  EXPECT_EQ(Pin(2).Partner, Tags[0]->LinkPin.get());
  EXPECT_EQ(Tags[0]->GetNumber(), 3);
  EXPECT_EQ(Pin(2).Kind, PinOutput) << "the pin takes the tag's direction";
  EXPECT_EQ(Pin(2).BrushColour, TTemplateForm::PinOfCurrentTag);
  EXPECT_EQ(Pin(0).BrushColour, TTemplateForm::PinFree);
  EXPECT_EQ(Form.TemplateDrawing().Handles().Items().front(), &Pin(2)) << "selected again";
  EXPECT_FALSE(Action("TemplateAssociate")->isEnabled()) << "already taken";
  Close();
  EXPECT_TRUE(Main.Document().Modified());

  // Another session with another tag: the taken pin is red and cannot be taken again; without
  // a tag nothing can be associated.
  Open(Tags[1]);
  EXPECT_EQ(Pin(2).BrushColour, TTemplateForm::PinTaken);
  SelectPin(2);
  EXPECT_FALSE(Action("TemplateAssociate")->isEnabled());
  Close();
  Open(nullptr);
  SelectPin(1);
  EXPECT_FALSE(Action("TemplateAssociate")->isEnabled());
  Action("TemplateAssociate")->trigger();
  EXPECT_EQ(Pin(1).Partner, nullptr);
}

TEST_F(TemplateEditorTest, ClosingRenumbersTheTagsAfterAPinIsDeleted) {
  for (int i = 0; i < 3; ++i) {
    AssociateTag(Circuit(), *Tags[i], Pin(i + 1));
  }
  Open(nullptr);
  EXPECT_TRUE(Circuit().Closed);
  SelectPin(1);
  Messages.Answer = QMessageBox::No;
  Action("TemplateDelete")->trigger();
  EXPECT_EQ(Circuit().PinCount(), 4) << "the question was declined";
  Messages.Answer = QMessageBox::Yes;
  Action("TemplateDelete")->trigger();
  EXPECT_EQ(Messages.last(), QStringLiteral("Are you sure you want to delete this object?"));
  ASSERT_EQ(Circuit().PinCount(), 3);
  Close();

  EXPECT_FALSE(Circuit().Closed);
  EXPECT_EQ(Tags[0]->GetNumber(), -1);
  EXPECT_EQ(Tags[1]->GetNumber(), 2);
  EXPECT_EQ(Tags[2]->GetNumber(), 3);
}

TEST_F(TemplateEditorTest, ATemplateKeepsShapesAndFreePinsAndNeverTakesACircuitFile) {
  AssociateTag(Circuit(), *Tags[0], Pin(0));
  const int shapes = Circuit().Objects().Count();
  Open(Tags[0]);
  Chosen = "four.lvt";
  Form.SaveClick();
  EXPECT_FALSE(Form.TemplateDrawing().Document().Modified());

  const QByteArray bytes = test::FileBytes(PathOf("four.lvt"));
  TGraphicList freePins;
  for (int i = 0; i < 4; ++i) {
    float x, y;
    Pin(i).GetCentre(x, y);
    auto pin = std::make_unique<TMacroPin>();
    pin->Translate(x, y);
    pin->Remap();
    freePins.Add(std::move(pin));
  }
  EXPECT_EQ(bytes.left(5), test::Hex("0419ed1400"));
  EXPECT_EQ(bytes.mid(5), test::Written([&](TSerializeWriter& writer) {
              writer.WriteObject(&Circuit().Objects());
              writer.WriteObject(&freePins);
            }));

  // A circuit file is refused and changes nothing, the links to the tags included.
  ASSERT_TRUE(SaveCircuitFile(PathOf("adder.lvm"), *test::NewRoot(), {}));
  Chosen = "adder.lvm";
  Form.OpenClick();
  EXPECT_EQ(Messages.last(), QStringLiteral("This is not a valid Logivane Template file."));
  EXPECT_EQ(Circuit().PinCount(), 4);
  EXPECT_EQ(Tags[0]->LinkPin->Partner, &Pin(0));

  // Read into a fresh symbol, the four pins come back (free, at their centres: ContainerTest).
  Messages.Answer = QMessageBox::No;
  Form.NewClick();
  EXPECT_EQ(Circuit().PinCount(), 0);
  EXPECT_EQ(Tags[0]->GetNumber(), -1);
  Chosen = "four.lvt";
  Form.OpenClick();
  EXPECT_EQ(Circuit().PinCount(), 4);
  EXPECT_EQ(Circuit().Objects().Count(), shapes);
  Close();
}

TEST_F(TemplateEditorTest, ToolsPlaceOnceUnlessCtrlIsHeld) {
  const int shapes = Circuit().Objects().Count();
  Open(nullptr);
  TLogivaneDrawing& drawing = Form.TemplateDrawing();
  Form.ChooseTool("ToolPin");
  drawing.MouseDown(Qt::LeftButton, Qt::ControlModifier, {200, 200});
  EXPECT_TRUE(Action("ToolPin")->isChecked());
  drawing.MouseDown(Qt::LeftButton, Qt::NoModifier, {240, 200});
  EXPECT_TRUE(Action("ToolSelector")->isChecked());
  EXPECT_EQ(Circuit().PinCount(), 6);
  Form.ChooseTool("ToolCircle");
  drawing.MouseDown(Qt::LeftButton, Qt::NoModifier, {300, 300});
  EXPECT_EQ(Circuit().Objects().Count(), shapes + 1);
  Form.ChooseTool("ToolPolygon");
  EXPECT_TRUE(drawing.PolygonMode());
  EXPECT_EQ(Form.StatusText(), QStringLiteral("Double click mouse to terminate polygon"));
  Close();
  EXPECT_TRUE(Main.Document().Modified());
}

class TemplateEditorCommandTest : public test::MainWindowTest {};

TEST_F(TemplateEditorCommandTest, OpensOnTheRootCircuitAndGivesItBack) {
  Show();
  ASSERT_TRUE(Action("MenuTemplateEditor")->isEnabled());
  bool closedInside = false;
  QTimer::singleShot(0, Form.get(), [&] {
    TTemplateForm& editor = Form->TemplateEditor();
    closedInside = editor.TemplateDrawing().Circuit().Closed;
    editor.TemplateDrawing().AddObject(std::make_unique<TMacroPin>(), 100, 100);
    editor.accept();
  });
  Action("MenuTemplateEditor")->trigger();
  EXPECT_TRUE(closedInside);
  EXPECT_FALSE(Circuit().Closed);
  EXPECT_TRUE(Circuit().Displayed);
  EXPECT_EQ(Circuit().PinCount(), 1);
  EXPECT_TRUE(Document().Modified());
  Drawing().SetModified(false);
}

}  // namespace
}  // namespace logivane
