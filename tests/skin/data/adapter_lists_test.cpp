// Which adapter a control's class name chooses from the ThirdParty lists.
#include "skin/data/adapter_lists.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlan::skin {
namespace {

TEST(AdapterLists, ClassNamesMatchExactlyAndTheFirstListDecides) {
  ThirdPartyList lists;  // the program's values: only "TButton", every other list " "
  lists.Texts[ThirdEdits] = u"TEdit\r\nTMemo\r\nTListBox";
  lists.Texts[ThirdScrollControl] = u"TListBox\r\nTScrollBox";
  lists.Texts[ThirdNativePaint] = u"TPaintBox";
  lists.FillDefaultsAndRebuild();
  struct Row {
    std::u16string_view name;
    int kind;
    const char* why;
  };
  const Row rows[] = {
      {u"TButton", ThirdButtons, "the program's own push button class"},
      {u"TBUTTON", -1, "another letter case is another class"},
      {u"tbutton", -1, "another letter case is another class"},
      {u"TButton ", -1, "no trimming: a trailing space is part of the name"},
      {u"TMemo", ThirdEdits, "a name in the middle of a list"},
      {u"TListBox", ThirdEdits, "in two lists: the lower index wins"},
      {u"TScrollBox", ThirdScrollControl, "a later list"},
      {u"TPaintBox", ThirdNativePaint, "the last list"},
      {u" ", -1, "the blank default entry of the lists matches nothing"},
      {u"", -1, "no name"},
      {u"TBitBtn", -1, "named in no list"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FindAdapterKind(lists, row.name), row.kind) << row.why;
  }
}

TEST(AdapterLists, TheProvidersListsDecideOnlyWhenTheyNameAClass) {
  ThirdPartyList manager;
  ThirdPartyList provider;  // defaults: "TButton" in ThirdButtons
  EXPECT_EQ(&DecidingLists(nullptr, manager), &manager);
  EXPECT_EQ(&DecidingLists(&provider, manager), &provider) << "the default \"TButton\" is a name";
  for (auto& text : provider.Texts) text = u" ";
  provider.FillDefaultsAndRebuild();
  EXPECT_EQ(&DecidingLists(&provider, manager), &manager) << "blank lists leave the decision to the manager";
  provider.Texts[ThirdGrids] = u"TStringGrid";
  provider.FillDefaultsAndRebuild();
  EXPECT_EQ(&DecidingLists(&provider, manager), &provider);
  EXPECT_EQ(FindAdapterKind(DecidingLists(&provider, manager), u"TButton"), -1)
      << "the provider's lists replace the manager's, they do not add to them";
}

TEST(AdapterLists, TagBitAndAdapterClasses) {
  EXPECT_TRUE(TagExcludesAdapter(256));
  EXPECT_TRUE(TagExcludesAdapter(256 | 1 | 512));
  EXPECT_FALSE(TagExcludesAdapter(255));
  EXPECT_FALSE(TagExcludesAdapter(512));
  EXPECT_EQ(AdapterClassOfKind(ThirdEdits), u"TSkEditWnd");
  EXPECT_EQ(AdapterClassOfKind(ThirdButtons), u"TSkButtonWnd");
  EXPECT_EQ(AdapterClassOfKind(ThirdSpeedButton), u"") << "speed buttons get a handler, not an adapter";
  EXPECT_EQ(AdapterClassOfKind(ThirdScrollBar), u"TSkSBWnd");
  EXPECT_EQ(AdapterClassOfKind(ThirdNativePaint), u"TSkNativePaint");
  EXPECT_EQ(AdapterClassOfKind(kThirdPartyCount), u"");
  EXPECT_EQ(AdapterClassOfKind(-1), u"");
}

}  // namespace
}  // namespace vorlan::skin
