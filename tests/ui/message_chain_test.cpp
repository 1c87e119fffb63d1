#include "ui/message_chain.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace vorlan::ui {
namespace {

// A chain whose handlers and end write their letters into `trace`.
struct Traced {
  std::string trace;
  TMessageChain chain{[this](TMessage& m) {
    trace += '.';
    m.Result = 1;
  }};

  TChainLink Link(char letter) {
    return chain.Add([this, letter](TMessage& m, const TPassOn& pass_on) {
      trace += letter;
      pass_on(m);
    });
  }
  std::string Run() {
    trace.clear();
    TMessage m{WM_NULL, 0, 0, 0};
    chain.Dispatch(m);
    return trace;
  }
};

TEST(MessageChain, HandlersRunNewestFirstAndUnlinkInAnyOrder) {
  struct Row {
    std::string unlink;  // the links to drop, in this order
    std::string expected;
    const char* why;
  };
  const Row rows[] = {
      {"", "cba.", "newest first, then the class's own handling"},
      {"b", "ca.", "a link in the middle goes; its neighbours stay joined"},
      {"c", "ba.", "the newest goes first"},
      {"a", "cb.", "the oldest goes first"},
      {"ba", "c.", "two, the older one second"},
      {"acb", ".", "all, out of order: only the end is left"},
  };
  for (const Row& row : rows) {
    Traced t;
    TChainLink a = t.Link('a'), b = t.Link('b'), c = t.Link('c');
    for (char letter : row.unlink) (letter == 'a' ? a : letter == 'b' ? b : c).Unlink();
    EXPECT_EQ(t.Run(), row.expected) << row.why;
    EXPECT_EQ(t.chain.Count(), 3 - row.unlink.size()) << row.why;
  }
}

TEST(MessageChain, ALinkGoingOutOfScopeUnlinksAndAMovedLinkKeepsItsHandler) {
  Traced t;
  TChainLink kept;
  {
    TChainLink a = t.Link('a');
    TChainLink b = t.Link('b');
    kept = std::move(b);
    EXPECT_FALSE(b.Linked());
    EXPECT_EQ(t.Run(), "ba.");
  }
  EXPECT_EQ(t.Run(), "b.") << "a went with its scope, b lives on in `kept`";
  kept = TChainLink();
  EXPECT_EQ(t.Run(), ".") << "assigning over a link unlinks its handler";
}

TEST(MessageChain, AConsumedMessageStopsWhereItIsConsumed) {
  Traced t;
  const TChainLink a = t.Link('a');
  const TChainLink stop = t.chain.Add([&t](TMessage& m, const TPassOn&) {
    t.trace += 's';
    m.Result = 7;
  });
  TMessage m{WM_NULL, 0, 0, 0};
  t.chain.Dispatch(m);
  EXPECT_EQ(t.trace, "s");
  EXPECT_EQ(m.Result, 7);
}

TEST(MessageChain, HandlersMayUnlinkThemselvesOrOthersWhileAMessageIsUnderWay) {
  Traced t;
  std::optional<TChainLink> a, self, c;
  a = t.Link('a');
  self = t.chain.Add([&](TMessage& m, const TPassOn& pass_on) {
    t.trace += 's';
    self.reset();  // its own link, while it runs
    a.reset();     // one further down, not reached yet
    pass_on(m);
  });
  c = t.Link('c');
  EXPECT_EQ(t.Run(), "cs.") << "a was unlinked before the message reached it";
  EXPECT_EQ(t.Run(), "c.");
  EXPECT_EQ(t.chain.Count(), 1u);
}

TEST(MessageChain, ALinkMayOutliveItsChain) {
  TChainLink link;
  {
    Traced t;
    link = t.Link('a');
    EXPECT_TRUE(link.Linked());
  }
  EXPECT_FALSE(link.Linked());
  link.Unlink();  // nothing left to unlink from; must not touch the gone chain
}

TEST(MessageChain, AMessageSentFromAHandlerRunsTheWholeChainAgain) {
  Traced t;
  int depth = 0;
  const TChainLink inner = t.chain.Add([&](TMessage& m, const TPassOn& pass_on) {
    t.trace += 'r';
    if (depth++ == 0) {
      TMessage again{WM_NULL, 0, 0, 0};
      t.chain.Dispatch(again);
    }
    pass_on(m);
  });
  EXPECT_EQ(t.Run(), "rr..");
}

}  // namespace
}  // namespace vorlan::ui
