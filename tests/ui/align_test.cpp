#include "ui/align.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlan::ui {
namespace {

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct Row {
  RECT client;
  std::vector<TAlignItem> items;
  std::vector<RECT> expected;
  const char* why;
};

TEST(AlignItems, PlacesAlignedItems) {
  const std::vector<Row> rows = {
      {{0, 0, 266, 242},
       {{TAlign::alBottom, {0, 135, 266, 242}}, {TAlign::alClient, {0, 0, 266, 135}}},
       {{0, 135, 266, 242}, {0, 0, 266, 135}},
       "bottom panel keeps its height, client fills the rest"},
      {{0, 0, 250, 250},
       {{TAlign::alClient, {5, 5, 6, 6}}, {TAlign::alBottom, {0, 0, 10, 107}}},
       {{0, 0, 250, 143}, {0, 143, 250, 250}},
       "a client item listed first still gets only what the bottom one leaves"},
      {{0, 0, 100, 100},
       {{TAlign::alTop, {0, 0, 0, 10}},
        {TAlign::alLeft, {0, 0, 20, 0}},
        {TAlign::alRight, {0, 0, 30, 0}},
        {TAlign::alBottom, {0, 0, 0, 15}},
        {TAlign::alClient, {}}},
       {{0, 0, 100, 10}, {0, 10, 20, 85}, {70, 10, 100, 85}, {0, 85, 100, 100}, {20, 10, 70, 85}},
       "top and bottom take the full width, left and right the height between"},
      {{0, 0, 100, 50},
       {{TAlign::alBottom, {0, 0, 100, 80}}, {TAlign::alClient, {}}},
       {{0, -30, 100, 50}, {0, 0, 100, 0}},
       "a bottom item higher than the client leaves an empty client"},
      {{0, 0, 100, 100},
       {{TAlign::alNone, {3, 4, 5, 6}}, {TAlign::alTop, {0, 0, 0, 20}}, {TAlign::alTop, {0, 0, 0, 30}}},
       {{3, 4, 5, 6}, {0, 0, 100, 20}, {0, 20, 100, 50}},
       "unaligned items keep their bounds; top items stack in list order"},
  };
  for (const Row& row : rows) {
    std::vector<TAlignItem> items = row.items;
    AlignItems(row.client, items);
    ASSERT_EQ(items.size(), row.expected.size()) << row.why;
    for (size_t i = 0; i < items.size(); ++i) {
      const RECT& got = items[i].Bounds;
      EXPECT_TRUE(Same(got, row.expected[i])) << row.why << ": item " << i << " got " << got.left << "," << got.top
                                              << "," << got.right << "," << got.bottom;
    }
  }
}

}  // namespace
}  // namespace vorlan::ui
