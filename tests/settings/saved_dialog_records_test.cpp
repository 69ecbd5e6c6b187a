// The three saved dialog records: copied whole, returned by value, and
// untouched by an index outside 0 to 2 or a null record.
#include <gtest/gtest.h>
#include "host/host.h"
#include "listed_cells.h"
#include <climits>

static const SavedRecord kRecords[3] = {
    {{1, 2, 3, 4}}, {{-1, INT_MIN, INT_MAX, 0}}, {{0x11111111, 0x22222222, 0x33333333, 0x44444444}}};

static void ExpectRecords(SavedRecordGetter get, const char *when) {
  for (int index = 0; index < 3; ++index) EXPECT_EQ(get(index), kRecords[index]) << when << ": record " << index;
}

TEST(SavedDialogRecords, EachIndexKeepsItsOwnRecord) {
  auto get = HostProc<SavedRecordGetter>("GetDlgSavedFileInfo");
  auto set = HostProc<SavedRecordSetter>("SetDlgSavedFileInfo");
  ASSERT_TRUE(get && set);
  for (int index = 2; index >= 0; --index) {
    // The host's record may end right before unreadable memory.
    SavedRecord *guarded = reinterpret_cast<SavedRecord *>(GuardedCopy(&kRecords[index], sizeof(SavedRecord)));
    set(index, guarded);
    FreeGuarded(guarded);
  }
  ExpectRecords(get, "after setting all three");
}

TEST(SavedDialogRecords, BadIndexOrNullRecordChangesNothing) {
  auto get = HostProc<SavedRecordGetter>("GetDlgSavedFileInfo");
  auto set = HostProc<SavedRecordSetter>("SetDlgSavedFileInfo");
  ASSERT_TRUE(get && set);
  for (int index = 0; index < 3; ++index) set(index, &kRecords[index]);
  const SavedRecord other = {{9, 9, 9, 9}};
  static const struct { int index; bool withRecord; } kAttempts[] = {
      {-1, true}, {3, true}, {INT_MIN, true}, {INT_MAX, true}, {0, false}, {2, false}, {-1, false},
  };
  for (const auto &attempt : kAttempts) {
    set(attempt.index, attempt.withRecord ? &other : nullptr);
    ExpectRecords(get, ("after setting " + std::to_string(attempt.index)).c_str());
    EXPECT_EQ(get(attempt.index), attempt.index >= 0 && attempt.index < 3 ? kRecords[attempt.index] : SavedRecord{})
        << "reading " << attempt.index;
  }
}
