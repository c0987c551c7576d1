// The edit history, and the snapshots it compresses on a worker thread: what undo and redo put
// back, the memory counted and the steps the limits drop must be what they would be had it
// waited.

#include "editor/EditHistory.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRandomGenerator>

#include <memory>

namespace logivane {
namespace {

/// A document of `size` bytes that compresses to about half, different for every `seed`.
QByteArray Document(int seed, qsizetype size = 1 << 20) {
  QByteArray bytes(size, '\0');
  QRandomGenerator random(static_cast<quint32>(seed));
  for (qsizetype i = 0; i < size; i += 2) {
    bytes[i] = static_cast<char>(random.bounded(256));
  }
  return bytes;
}

/// An edit history over a document that is nothing but its bytes, started on `live`.
struct THistoryOfDocuments {
  explicit THistoryOfDocuments(QByteArray live) : Live(std::move(live)) { History.Reset(); }

  QByteArray Live;
  /// Whether the state last put back had been prepared ahead.
  bool ReadAhead = false;
  TEditHistory History{[this] {
                         return TDocumentState{Live, {}, nullptr};
                       },
                       [this](const TDocumentState& state) {
                         ReadAhead = state.Prepared != nullptr;
                         Live = ReadAhead ? *std::static_pointer_cast<QByteArray>(state.Prepared)
                                          : state.Bytes;
                       }};
};

TEST(EditHistoryTest, OldestStepsGoFirstWhenTheLimitsAreReached) {
  THistoryOfDocuments documents("start");
  TEditHistory& history = documents.History;
  history.StepLimit = 3;
  for (int i = 1; i <= 5; ++i) {
    documents.Live = QByteArray::number(i).repeated(100);
    EXPECT_TRUE(history.Commit());
  }
  EXPECT_FALSE(history.Commit());  // nothing changed
  EXPECT_EQ(history.Count(), 3);
  EXPECT_FALSE(history.IsClean());
  while (history.CanUndo()) {
    history.Undo();
  }
  EXPECT_EQ(documents.Live, QByteArray("2").repeated(100));
  history.Redo();
  EXPECT_EQ(documents.Live, QByteArray("3").repeated(100));

  // A memory bound smaller than one step keeps that step: the live document is never counted.
  history.MemoryLimit = 1;
  documents.Live = "six";
  history.Commit();
  EXPECT_EQ(history.Count(), 1);
  history.Undo();
  EXPECT_EQ(documents.Live, QByteArray("3").repeated(100));
}

TEST(EditHistoryTest, TheStateBeforeAnEditIsReadAheadBeforeTheEdit) {
  THistoryOfDocuments documents("start");
  documents.History.Prepare = [](const QByteArray& bytes) {
    return std::make_shared<QByteArray>(bytes);
  };
  documents.History.Reset();
  for (const char* edit : {"one", "two"}) {
    QCoreApplication::processEvents();  // the idle time before the edit
    const QByteArray before = documents.Live;
    documents.Live = edit;
    ASSERT_TRUE(documents.History.Commit());
    documents.History.Undo();  // straight after the edit, before any idle time
    EXPECT_TRUE(documents.ReadAhead);
    EXPECT_EQ(documents.Live, before);
    documents.History.Redo();
    EXPECT_EQ(documents.Live, edit);
  }
}

TEST(EditHistoryWorker, LargeStepsUndoRedoAndCountTheirMemoryAsIfCompressedAtOnce) {
  THistoryOfDocuments documents(Document(0));
  qsizetype compressed = qCompress(documents.Live, 1).size();
  for (int seed = 1; seed <= 4; ++seed) {
    documents.Live = Document(seed);
    compressed += qCompress(documents.Live, 1).size();
    ASSERT_TRUE(documents.History.Commit());
  }
  EXPECT_EQ(documents.History.MemoryUsed(), compressed);
  for (int seed = 3; seed >= 0; --seed) {
    documents.History.Undo();
    ASSERT_EQ(documents.Live, Document(seed)) << seed;
  }
  documents.History.Redo();
  documents.History.Redo();
  EXPECT_EQ(documents.Live, Document(2));
  documents.Live = Document(7);  // an edit straight after a redo, as after any other
  EXPECT_TRUE(documents.History.Commit());
  documents.History.Undo();
  EXPECT_EQ(documents.Live, Document(2));
}

TEST(EditHistoryWorker, TheMemoryLimitDropsTheStepsThatExactSizesWould) {
  THistoryOfDocuments documents(Document(0));
  const qsizetype step = qCompress(Document(1), 1).size();
  // Room for two steps by their compressed size, though not by their raw size.
  documents.History.MemoryLimit = 2 * step + step / 2;
  for (int seed = 1; seed <= 4; ++seed) {
    documents.Live = Document(seed);
    documents.History.Commit();
  }
  EXPECT_EQ(documents.History.Count(), 2);
  documents.History.Undo();
  documents.History.Undo();
  EXPECT_EQ(documents.Live, Document(2));
  EXPECT_FALSE(documents.History.CanUndo());

  // Destroyed while a worker may still be compressing its last state.
  documents.Live = Document(9);
  documents.History.Commit();
}

}  // namespace
}  // namespace logivane
