// Environment and session cells with behaviour of their own: the clamped
// left edge and the bit sets, alone and with two threads at once.
#include <gtest/gtest.h>
#include "host/host.h"
#include "listed_cells.h"
#include <climits>

typedef void(__stdcall *VoidOfInt)(int);

static const ListedCell *FindCell(const std::vector<ListedCell> &cells, const char *name) {
  for (const ListedCell &cell : cells)
    if (cell.name == name) return &cell;
  return 0;
}

static int ReadNamed(const char *name) {
  static const std::vector<ListedCell> cells = ListedCells(HostLibrary());
  const ListedCell *cell = FindCell(cells, name);
  return cell && cell->get ? ReadCell(*cell, 0, 0) : INT_MIN + 1;
}

TEST(SessionCells, LeftIsAtLeastThree) {
  auto setLeft = HostProc<VoidOfInt>("SetLeft");
  ASSERT_TRUE(setLeft);
  static const struct { int value, stored; } kLeft[] = {
      {2, 3}, {-10, 3}, {3, 3}, {4, 4}, {0, 3}, {INT_MIN, 3}, {INT_MAX, INT_MAX},
  };
  for (const auto &row : kLeft) {
    setLeft(row.value);
    EXPECT_EQ(ReadNamed("Left"), row.stored) << "SetLeft(" << row.value << ")";
  }
}

// Steps on the bit-set cells, each followed by the whole cell.
static const struct {
  const char *cell, *operation;
  int argument, after;
} kBitSteps[] = {
    {"RegistryItemAltered", "SetRegistryItemAltered", 5, 5},
    {"RegistryItemAltered", "RemoveRegistryItemAltered", 6, 1},
    {"RegistryItemAltered", "RemoveRegistryItemAltered", 2, 1},
    {"RegistryItemAltered", "AddRegistryItemAltered", 2, 3},
    {"RegistryItemAltered", "AddRegistryItemAltered", INT_MIN, INT_MIN | 3},
    {"RegistryItemAltered", "RemoveRegistryItemAltered", -1, 0},
    {"ReturnOfDialog", "SetReturnOfDialog", 4, 4},
    {"ReturnOfDialog", "AddReturnOfDialog", 1, 5},
    {"ReturnOfDialog", "AddReturnOfDialog", 4, 5},
    {"ReturnOfDialog", "AddReturnOfDialog", INT_MIN, INT_MIN | 5},
    {"ReturnOfDialog", "SetReturnOfDialog", 0, 0},
    {"ShowTitleForHeaderBeingAnalyzed", "SetShowTitleForHeaderBeingAnalyzed", 2, 2},
    {"ShowTitleForHeaderBeingAnalyzed", "AddShowTitleForHeaderBeingAnalyzed", 8, 10},
    {"ShowTitleForHeaderBeingAnalyzed", "AddShowTitleForHeaderBeingAnalyzed", 0, 10},
    {"ShowTitleForHeaderBeingAnalyzed", "SetShowTitleForHeaderBeingAnalyzed", 0, 0},
};

TEST(SessionCells, BitSetSteps) {
  for (const auto &step : kBitSteps) {
    auto operation = HostProc<VoidOfInt>(step.operation);
    ASSERT_TRUE(operation) << step.operation;
    operation(step.argument);
    EXPECT_EQ(ReadNamed(step.cell), step.after) << step.operation << "(" << step.argument << ")";
  }
}

TEST(SessionCells, RegistryItemAlteredAnswersTheAskedBits) {
  auto set = HostProc<VoidOfInt>("SetRegistryItemAltered");
  auto is = HostProc<int(__stdcall *)(int)>("IsRegistryItemAltered");
  ASSERT_TRUE(set && is);
  static const struct { int cell, bits, result; } kQueries[] = {
      {5, 4, 4}, {5, 2, 0}, {5, 7, 5}, {5, 0, 0}, {5, -1, 5}, {INT_MIN, -1, INT_MIN}, {0, -1, 0},
  };
  for (const auto &row : kQueries) {
    set(row.cell);
    EXPECT_EQ(is(row.bits), row.result) << "cell " << row.cell << " bits " << row.bits;
  }
  set(0);
}

// Two threads add and remove bits of their own in the same cell, each
// checking its bits after every step: an update that is not interlocked
// writes back a stale value now and then, which either drops the other
// thread's bit or brings a removed one back.
struct BitsWorker {
  int bit;
  volatile LONG *ready; // counted up by both workers; they start together
  volatile LONG *stop;  // raised by either worker at its first wrong step
  int wrong;            // written by this worker, read after it ends
};

static DWORD WINAPI RunBitsWorker(void *param) {
  BitsWorker *worker = static_cast<BitsWorker *>(param);
  auto add = HostProc<VoidOfInt>("AddRegistryItemAltered");
  auto remove = HostProc<VoidOfInt>("RemoveRegistryItemAltered");
  auto is = HostProc<int(__stdcall *)(int)>("IsRegistryItemAltered");
  InterlockedIncrement(worker->ready);
  while (*worker->ready < 2) SwitchToThread();
  // Long enough for both to run at once for a while even on a busy machine.
  ULONGLONG end = GetTickCount64() + 200;
  for (int step = 0; !*worker->stop && (step % 1024 || GetTickCount64() < end); ++step) {
    add(worker->bit);
    if (is(worker->bit) != worker->bit) ++worker->wrong;
    remove(worker->bit);
    if (is(worker->bit) != 0) ++worker->wrong;
    if (worker->wrong) InterlockedExchange(worker->stop, 1);
  }
  return 0;
}

TEST(SessionCells, TwoThreadsAddingAndRemovingKeepEachOthersBits) {
  auto set = HostProc<VoidOfInt>("SetRegistryItemAltered");
  ASSERT_TRUE(set);
  set(0x100);
  volatile LONG ready = 0, stop = 0;
  BitsWorker workers[2] = {{0x1, &ready, &stop, 0}, {0x2, &ready, &stop, 0}};
  HANDLE threads[2];
  for (int i = 0; i < 2; ++i) threads[i] = CreateThread(0, 0, RunBitsWorker, &workers[i], 0, 0);
  WaitForMultipleObjects(2, threads, TRUE, INFINITE);
  for (HANDLE thread : threads) CloseHandle(thread);
  EXPECT_EQ(workers[0].wrong + workers[1].wrong, 0);
  EXPECT_EQ(ReadNamed("RegistryItemAltered"), 0x100) << "the bit set before the threads is kept";
  set(0);
}
