// The edit history compresses snapshots on a worker thread: what undo and redo put back, the
// memory counted and the steps the limits drop must be what they would be had it waited.

#include "editor/EditHistory.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

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

struct THistoryOfDocuments {
  QByteArray Live = Document(0);
  TEditHistory History{[this] {
                         return TDocumentState{Live, {}, nullptr};
                       },
                       [this](const TDocumentState& state) {
                         Live = state.Bytes;
                       }};
};

TEST(EditHistoryWorker, LargeStepsUndoRedoAndCountTheirMemoryAsIfCompressedAtOnce) {
  THistoryOfDocuments documents;
  documents.History.Reset();
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
  THistoryOfDocuments documents;
  documents.History.Reset();
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
