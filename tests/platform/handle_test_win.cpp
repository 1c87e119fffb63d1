#include "platform/handle_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlan::platform {
namespace {

std::vector<int> closed;

struct CountingTraits {
  using Type = int;
  static Type Invalid() noexcept { return -1; }
  static bool Close(Type h) noexcept {
    closed.push_back(h);
    return h != 13;  // the system refuses to close 13
  }
};
using Counted = UniqueHandle<CountingTraits>;

class HandleTest : public ::testing::Test {
 protected:
  void SetUp() override { closed.clear(); }
};

TEST_F(HandleTest, ClosesOnceWhenOwnerEnds) {
  { Counted h(7); }
  EXPECT_EQ(closed, std::vector<int>{7});
}

TEST_F(HandleTest, MoveTransfersOwnershipWithoutClosing) {
  {
    Counted a(3);
    Counted b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), 3);
    EXPECT_TRUE(closed.empty());
    Counted c(5);
    c = std::move(b);  // c's old handle closes now
    EXPECT_EQ(closed, std::vector<int>{5});
  }
  EXPECT_EQ(closed, (std::vector<int>{5, 3}));
}

TEST_F(HandleTest, ResetAndRelease) {
  Counted h(1);
  h.reset(2);
  EXPECT_EQ(closed, std::vector<int>{1});
  EXPECT_EQ(h.release(), 2);
  EXPECT_FALSE(h);
  h.reset();
  EXPECT_EQ(closed, std::vector<int>{1}) << "released and empty handles are not closed";
}

TEST_F(HandleTest, SelfMoveKeepsHandle) {
  Counted h(9);
  Counted& same = h;
  h = std::move(same);
  EXPECT_EQ(h.get(), 9);
  EXPECT_TRUE(closed.empty());
}

TEST_F(HandleTest, CloseReportsTheSystemsAnswerOnce) {
  Counted refused(13);
  EXPECT_FALSE(refused.close());
  EXPECT_FALSE(refused) << "closed, even when refused";
  EXPECT_TRUE(refused.close()) << "nothing left to close";
  Counted fine(4);
  EXPECT_TRUE(fine.close());
  EXPECT_EQ(closed, (std::vector<int>{13, 4}));
}

TEST(KernelHandle, NullAndInvalidHandleValueAreBothEmpty) {
  struct Row {
    HANDLE handle;
    const char* why;
  };
  for (const Row& row : {Row{nullptr, "most kernel calls fail with null"},
                         Row{INVALID_HANDLE_VALUE, "CreateFile fails with INVALID_HANDLE_VALUE"}}) {
    UniqueKernelHandle h(row.handle);
    EXPECT_FALSE(h) << row.why;
    EXPECT_TRUE(h.close()) << row.why << ": an empty handle is never given to CloseHandle";
  }
  UniqueKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(event);
  const HANDLE raw = event.get();
  event.reset();
  DWORD flags = 0;
  EXPECT_FALSE(GetHandleInformation(raw, &flags)) << "the event was closed";
}

TEST(SelectGuard, RestoresPreviousObject) {
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
  const HGDIOBJ before = GetCurrentObject(dc.get(), OBJ_BRUSH);
  {
    SelectGuard guard(dc.get(), brush.get());
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
  }
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), before);
}

}  // namespace
}  // namespace vorlan::platform
