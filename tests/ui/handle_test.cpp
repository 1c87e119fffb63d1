#include "ui/handle.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlan::ui {
namespace {

std::vector<int> closed;

struct CountingTraits {
  using Type = int;
  static Type Invalid() noexcept { return -1; }
  static void Close(Type h) noexcept { closed.push_back(h); }
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
}  // namespace vorlan::ui
