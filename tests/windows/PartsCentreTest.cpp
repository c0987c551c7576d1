#include "TestHelpers.h"
#include "editor/RecordedMessages.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "windows/PartsList.h"
#include "windows/PartsUnit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace logivane {
namespace {

using test::Hex;

/// A library folder holding macro files of every revision, and files that are no macros.
class PartsCentreTest : public ::testing::Test {
protected:
  void SetUp() override {
    TMacro circuit;
    circuit.Datasheet = "adder.pdf";
    const QByteArray root = test::WrittenObject(circuit);
    const QByteArray current = CircuitBytes(circuit, "Adder");
    Write("b.lvm", current);
    Write("add4.lvm", CircuitBytes(TMacro()));
    Write("A.LVM", Hex("04DDC41400") + root);
    Write("d30.lvm",
          Hex("04DDC41E00 09 0607") + "Counter" + Hex("0609") + "count.pdf" + Hex("0207") + root);
    Write("later.lvm", Hex("04DDC42300") + current.mid(5));
    Write("template.lvm", Hex("0419ED0100") + current.mid(5));
    Write("truncated.lvm", current.left(12));
    Write("empty.lvm", {});
    Write("c.txt", current);
    QDir(Library.path()).mkdir("Zeta");
    QDir(Library.path()).mkdir("alpha");
    Form.SetRoot(Library.path());
  }

  void Write(const QString& name, const QByteArray& bytes) {
    test::WriteFile(Library.filePath(name), bytes);
  }
  QStringList Captions() const {
    QStringList captions;
    for (int row = 0; row < Form.List().count(); ++row) {
      captions << Form.List().item(row)->text();
    }
    return captions;
  }
  QAction* Action(const char* name) const { return Form.findChild<QAction*>(name); }
  void Select(int row) { Form.List().setCurrentRow(row); }

  QTemporaryDir Library;
  test::TRecordedMessages Messages;
  TPartsForm Form;
};

TEST_F(PartsCentreTest, FoldersThenReadableMacrosSortedIgnoringCase) {
  EXPECT_EQ(Captions(), QStringList({"alpha", "Zeta", "A", "add4", "Adder", "Counter"}));
  Form.SetView(TPartsView::LargeIcons);
  EXPECT_EQ(Captions(), QStringList({"alpha", "Zeta", "A", "add4", "b", "d30"}));
  Form.SetView(TPartsView::SmallIcons);
  EXPECT_EQ(Captions().last(), "d30");
  Form.SetView(TPartsView::MacroName);
  EXPECT_EQ(Captions().last(), "Counter");

  const TPartsList& list = Form.List();
  EXPECT_EQ(list.Entry(list.item(2))->Datasheet, "");  // revision 20 knows no datasheets
  EXPECT_EQ(list.Entry(list.item(4))->Datasheet, "adder.pdf");
  EXPECT_EQ(list.Entry(list.item(5))->Datasheet, "count.pdf");
  EXPECT_EQ(list.Entry(list.item(5))->HelpTopic, "7");

  auto* status = Form.findChild<QStatusBar*>("StatusBar");
  Select(4);
  EXPECT_EQ(status->currentMessage(), "Adder [b.lvm]");
  EXPECT_TRUE(Action("SpeedEditMacro")->isEnabled());
  Select(3);
  EXPECT_EQ(status->currentMessage(), "add4");
  Select(0);
  EXPECT_EQ(status->currentMessage(), "");
  EXPECT_FALSE(Action("SpeedEditMacro")->isEnabled());
}

TEST_F(PartsCentreTest, BrowsingNeverLeavesTheListingForAFolderItCannotEnter) {
  EXPECT_FALSE(Action("SpeedChangeLevel")->isEnabled()) << "at the root";
  const QString before = QDir::currentPath();
  ASSERT_TRUE(Form.ChangeFolder("alpha"));
  EXPECT_TRUE(Captions().isEmpty());
  EXPECT_TRUE(Action("SpeedChangeLevel")->isEnabled());
  EXPECT_EQ(QDir::currentPath(), before);

  EXPECT_FALSE(Form.ChangeFolder(Library.filePath("missing")));
  EXPECT_EQ(Form.CurrentFolder(), Library.filePath("alpha"));
  // The folder listed vanishes: the working folder is listed, not what the folder held.
  Write("alpha/gone.lvm", CircuitBytes(TMacro()));
  Form.Refresh();
  ASSERT_EQ(Captions(), QStringList({"gone"}));
  QFile::remove(Library.filePath("alpha/gone.lvm"));
  QDir(Library.path()).rmdir("alpha");
  Form.Refresh();
  EXPECT_EQ(Form.CurrentFolder(), QDir::currentPath());
  EXPECT_EQ(Form.List().Folder(), QDir::currentPath());
  EXPECT_FALSE(Captions().contains("gone"));
  Action("SpeedRoot")->trigger();
  EXPECT_EQ(Captions().first(), "Zeta");
  EXPECT_FALSE(Action("SpeedChangeLevel")->isEnabled());

  // One click opens a folder; the second click of a double click acts on nothing new.
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  const QRect zeta = Form.List().visualItemRect(Form.List().item(0));
  Write("Zeta/inside.lvm", CircuitBytes(TMacro()));
  // What a person's double click delivers: a press and release, then the double click.
  const auto doubleClick = [this](const QRect& entry) {
    QTest::mouseClick(Form.List().viewport(), Qt::LeftButton, {}, entry.center());
    QTest::mouseDClick(Form.List().viewport(), Qt::LeftButton, {}, entry.center());
  };
  QString edited;
  Form.OnEditMacro = [&edited](const QString& fileName) {
    edited = fileName;
  };
  doubleClick(zeta);
  EXPECT_EQ(Form.CurrentFolder(), Library.filePath("Zeta"));
  EXPECT_TRUE(edited.isEmpty());
  const QRect inside = Form.List().visualItemRect(Form.List().item(0));
  doubleClick(inside);
  EXPECT_EQ(edited, Library.filePath("Zeta/inside.lvm"));
  Action("SpeedRoot")->trigger();
  EXPECT_EQ(Form.CurrentFolder(), QDir::cleanPath(Library.path()));
}

TEST_F(PartsCentreTest, NumbersInNamesSortByTheirValue) {
  ASSERT_TRUE(QDir(Library.path()).mkpath("Chips/Bank 10"));
  ASSERT_TRUE(QDir(Library.path()).mkpath("Chips/bank 9"));
  for (const char* name : {"74161.lvm", "7420.lvm", "7400.lvm", "741.lvm"}) {
    Write(QStringLiteral("Chips/") + name, CircuitBytes(TMacro()));
  }
  ASSERT_TRUE(Form.ChangeFolder("Chips"));
  EXPECT_EQ(Captions(), QStringList({"bank 9", "Bank 10", "741", "7400", "7420", "74161"}));
}

TEST_F(PartsCentreTest, DeletingAsksAndOnlyTheUsersOwnMacrosGo) {
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  const auto pressDelete = [this](int row) {
    QApplication::setActiveWindow(&Form);
    Form.List().setFocus();
    Select(row);
    QTest::keyClick(Form.windowHandle(), Qt::Key_Delete);
  };
  const auto rightClick = [this](int row) {
    const QRect entry = Form.List().visualItemRect(Form.List().item(row));
    QTest::mouseClick(Form.List().viewport(), Qt::RightButton, {}, entry.center());
    const bool shown = Action("PopDelete")->isVisible();
    Form.EntryMenu().close();
    return shown;
  };

  // Neither the Delete key nor the entry's menu offers to delete a file that is kept.
  const auto expectKept = [&](int row, const char* file) {
    pressDelete(row);
    EXPECT_FALSE(Action("PopDelete")->isEnabled());
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_TRUE(QFile::exists(Library.filePath(file)));
    EXPECT_FALSE(rightClick(row));
  };
  QFile::setPermissions(Library.filePath("A.LVM"), QFile::ReadOwner);
  Form.Refresh();
  expectKept(2, "A.LVM");
  EXPECT_FALSE(Action("PopViewDatasheet")->isVisible());

  // The library that comes with the program keeps even the files it could delete.
  Form.SetShippedFolders({Library.path()});
  Form.Refresh();
  expectKept(4, "b.lvm");

  Form.SetShippedFolders({Library.filePath("Zeta")});
  Form.Refresh();
  EXPECT_TRUE(rightClick(4));
  pressDelete(4);
  EXPECT_EQ(Messages.value(0), "Are you sure you want to delete this macro?");
  EXPECT_FALSE(QFile::exists(Library.filePath("b.lvm")));
  EXPECT_FALSE(Captions().contains("Adder"));
}

}  // namespace
}  // namespace logivane
