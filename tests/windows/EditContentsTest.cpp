#include "TestHelpers.h"
#include "editor/RecordedMessages.h"
#include "simulation/cMemory.h"
#include "simulation/cMemoryMap.h"
#include "windows/EditMemoryDlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace logivane {
namespace {

/// The contents window on a memory of its own, with the message boxes answered by the test.
class EditContentsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Window.ChooseOpenMap = Window.ChooseSaveMap = [this](QWidget*) {
      return MapName;
    };
  }

  void Attach(int addressWidth, int dataWidth) {
    Memory = std::make_unique<TMemoryDevice>();
    Memory->BuildSymbol(true, addressWidth, dataWidth);
    Window.SetMemory(Memory.get());
    Window.show();
  }
  QTableView& Grid() const { return *Window.findChild<QTableView*>("ContentsGrid"); }
  QString Shown(int address, int column = 1) const {
    return Grid().model()->index(address, column).data().toString();
  }
  /// The open word editor; closed ones linger, hidden, until the event loop deletes them.
  QLineEdit* Editor() const {
    for (QLineEdit* editor : Grid().findChildren<QLineEdit*>("WordEditor")) {
      if (editor->isVisible()) {
        return editor;
      }
    }
    return nullptr;
  }
  /// Types into the word editor, which the first key opens on the current word.
  void Type(const QString& keys) {
    for (const QChar key : keys) {
      QWidget* target = Editor() ? static_cast<QWidget*>(Editor()) : &Grid();
      QTest::keyClick(target, key.toLatin1());
    }
  }
  /// Presses `key` where the user's focus is; the view stores a word once events are handled.
  void Press(Qt::Key key) {
    QTest::keyClick(Editor() ? Editor() : static_cast<QWidget*>(&Grid()), key);
    QCoreApplication::processEvents();
  }
  void GoTo(int address) { Grid().setCurrentIndex(Grid().model()->index(address, 1)); }
  void Hexadecimal() { Window.findChild<QRadioButton*>("HexButton")->setChecked(true); }
  QString MapFile(const QByteArray& hex) const {
    return test::WriteFile(Folder.filePath(QStringLiteral("test.map")), QByteArray::fromHex(hex));
  }

  std::unique_ptr<TMemoryDevice> Memory;  // outlives the window, which refers to it
  TEditContentsDialog Window;
  QTemporaryDir Folder;
  QString MapName;
  test::TRecordedMessages Messages;
};

TEST_F(EditContentsTest, ShowsEveryAddressWithItsWordInEitherBase) {
  Attach(8, 8);
  Memory->SetWord(5, 255);
  Memory->SetWord(0x1234, 1);  // wider than the data lines, as a map may load it
  Window.FollowAccess();
  EXPECT_EQ(Grid().model()->rowCount(), 256);
  EXPECT_EQ(Shown(255, 0), "$00FF");
  EXPECT_EQ(Shown(255), "00000101");
  EXPECT_EQ(Shown(1), "1001000110100");
  Hexadecimal();
  EXPECT_EQ(Shown(255), "05");
  EXPECT_EQ(Shown(1), "1234");

  // The cursor keeps to the words: a click on an address selects its word.
  const QRect address = Grid().visualRect(Grid().model()->index(3, 0));
  QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, address.center());
  EXPECT_EQ(Grid().currentIndex(), Grid().model()->index(3, 1));

  // Fewer than four data lines leave only binary.
  Attach(4, 2);
  EXPECT_TRUE(Window.findChild<QRadioButton*>("BinaryButton")->isChecked());
  EXPECT_FALSE(Window.findChild<QRadioButton*>("HexButton")->isEnabled());
  EXPECT_EQ(Shown(15), "00");
}

TEST_F(EditContentsTest, EditsTakeOnlyDigitsOfTheBaseAndNoMoreThanTheDataLinesHold) {
  Attach(4, 8);
  QSignalSpy changed(&Window, &TEditContentsDialog::ContentsChanged);
  GoTo(2);
  Type("1021x111111");  // "2" and "x" refused; the ninth digit too
  ASSERT_NE(Editor(), nullptr);
  EXPECT_EQ(Editor()->text(), "10111111");
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Return);
  EXPECT_EQ(Memory->GetWord(2), 0b1011111);
  EXPECT_EQ(changed.count(), 1);

  // Down stores the word and moves on; so does Up.
  Type("101");
  Press(Qt::Key_Down);
  EXPECT_EQ(Memory->GetWord(2), 0b101);
  EXPECT_EQ(Grid().currentIndex().row(), 3);
  Type("11");
  Press(Qt::Key_Up);
  EXPECT_EQ(Memory->GetWord(3), 0b11);
  EXPECT_EQ(Grid().currentIndex().row(), 2);

  // A pasted text is held to the same rules as typed keys.
  Type("1");
  Editor()->selectAll();
  Editor()->insert("10a1");
  EXPECT_EQ(Editor()->text(), "1");
  Press(Qt::Key_Escape);
  EXPECT_EQ(Memory->GetWord(2), 0b101);

  // Hexadecimal: four digits for sixteen lines, lower case taken as upper.
  Attach(4, 16);
  Hexadecimal();
  GoTo(1);
  Type("abcde");
  EXPECT_EQ(Editor()->text(), "ABCD");
  Press(Qt::Key_Return);
  EXPECT_EQ(Memory->GetWord(1), 0xABCD);
  EXPECT_EQ(Shown(1), "ABCD");

  // A word wider than the data lines survives being opened and left unchanged.
  Attach(4, 8);
  Memory->SetWord(0x1234, 0);
  Grid().edit(Grid().currentIndex());
  Press(Qt::Key_Return);
  EXPECT_EQ(Memory->GetWord(0), 0x1234);
}

TEST_F(EditContentsTest, MapsLoadUpToTheMemorysSizeAndBadOnesChangeNothing) {
  auto big = std::make_unique<TMemoryDevice>();
  for (int address = 0; address < 256; ++address) {
    big->SetWord(1000 + address, address);
  }
  MapName = Folder.filePath(QStringLiteral("big.map"));
  ASSERT_TRUE(SaveMemoryMap(MapName, *big).Ok());

  Attach(4, 16);  // 16 words: the first 16 of the map
  QSignalSpy changed(&Window, &TEditContentsDialog::ContentsChanged);
  Window.OpenMapClick();
  EXPECT_EQ(Memory->GetWord(15), 1015);
  EXPECT_EQ(Shown(15), "0000001111110111");
  MapName = Folder.filePath(QStringLiteral("small.map"));
  Window.SaveMapClick();
  EXPECT_EQ(QFile(MapName).size(), 8 + 4 * 16);  // a map of 16 words (MemoryMap)
  EXPECT_EQ(changed.count(), 1);
  EXPECT_TRUE(Messages.isEmpty()) << Messages.join('\n').toStdString();

  // Refused files: not a map, and a map shorter than its count.
  const std::vector<std::uint16_t> before = Memory->Contents();
  MapName = MapFile("cdab0100 01000000 05000000");
  Window.OpenMapClick();
  EXPECT_EQ(Messages.value(0), "This is not a valid Memory Map file.");
  MapName = MapFile("cdab0000 03000000 05000000");
  Window.OpenMapClick();
  EXPECT_EQ(Messages.size(), 2);
  // The kind of file goes by its extension, and a damaged image names the line at fault.
  MapName = test::WriteFile(Folder.filePath(QStringLiteral("bad.hex")),
                            ":0100000012ED\n:01000100343F\n:00000001FF\n");
  Window.OpenMapClick();
  EXPECT_EQ(Messages.value(2),
            "Line 2: the checksum is 3F, but the record adds up to CA.\n"
            "The memory was left as it was.");
  EXPECT_EQ(Memory->Contents(), before);
  EXPECT_EQ(changed.count(), 1);
  MapName = Folder.filePath(QStringLiteral("words.bin"));
  Window.SaveMapClick();
  EXPECT_EQ(test::FileBytes(MapName).left(2), QByteArray::fromHex("03e8"));  // 1000, high first

  // Clearing asks first.
  Messages.Answer = QMessageBox::No;
  Window.ClearMemoryClick();
  EXPECT_EQ(Memory->GetWord(15), 1015);
  Messages.Answer = QMessageBox::Yes;
  Window.ClearMemoryClick();
  EXPECT_EQ(Messages.last(), "Clear all memory contents?");
  EXPECT_EQ(Memory->GetWord(15), 0);
  EXPECT_EQ(changed.count(), 2);
}

}  // namespace
}  // namespace logivane
