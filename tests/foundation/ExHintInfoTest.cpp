#include <gtest/gtest.h>
#include "foundation/ExHintInfo.h"
#include "platform/gfx/Bitmap.h"

using namespace jorv::foundation;

using namespace jorv;

TEST(ExHintInfo, EmptyOnlyWithoutTitleAndNotes) {
  TExHintInfo Info;
  EXPECT_TRUE(Info.IsEmpty());
  EXPECT_FALSE(Info.ShowHelp());
  EXPECT_TRUE(Info.Picture()->Empty());

  TBitmap Bitmap(4, 4);
  struct {
    const char* What;
    std::function<void(TExHintInfo&)> Set;
    bool Empty;
  } cases[] = {
      {"title", [](TExHintInfo& I) { I.SetTitle(L"T"); }, false},
      {"note", [](TExHintInfo& I) { I.Notes()->Add(L"n"); }, false},
      {"empty note line", [](TExHintInfo& I) { I.Notes()->Add(L""); }, false},
      {"picture", [&](TExHintInfo& I) { I.SetPicture(&Bitmap); }, true},
      {"wide title", [](TExHintInfo& I) { I.SetWideTitle(L"W"); }, true},
      {"wide notes", [](TExHintInfo& I) { I.SetWideNotes(L"W"); }, true},
      {"help", [](TExHintInfo& I) { I.SetShowHelp(true); }, true},
  };
  for (const auto& c : cases) {
    TExHintInfo I;
    c.Set(I);
    EXPECT_EQ(I.IsEmpty(), c.Empty) << c.What;
  }
}

TEST(ExHintInfo, AssignCopiesAllOnlyFromItsOwnKind) {
  TBitmap Bitmap(6, 3);
  TExHintInfo Source;
  Source.SetTitle(L"Title");
  Source.Notes()->Add(L"one");
  Source.Notes()->Add(L"two");
  Source.SetShowHelp(true);
  Source.SetPicture(&Bitmap);
  Source.SetWideTitle(L"Wide");
  Source.SetWideNotes(L"Notes");

  TExHintInfo Dest;
  Dest.Assign(&Source);
  EXPECT_EQ(Dest.Title(), L"Title");
  EXPECT_EQ(Dest.Notes()->Text(), Source.Notes()->Text());
  EXPECT_TRUE(Dest.ShowHelp());
  EXPECT_EQ(Dest.WideTitle(), L"Wide");
  EXPECT_EQ(Dest.WideNotes(), L"Notes");
  EXPECT_EQ(Dest.Picture()->Width(), 6);
  TBytesStream A, B;
  Source.Picture()->SaveToStream(&A);
  Dest.Picture()->SaveToStream(&B);
  EXPECT_EQ(A.Bytes(), B.Bytes());
  // The notes are a copy, not shared.
  Source.Notes()->Add(L"three");
  EXPECT_NE(Dest.Notes()->Text(), Source.Notes()->Text());

  TStringList Other;
  Other.Add(L"x");
  Dest.Assign(&Other);
  EXPECT_EQ(Dest.Title(), L"Title");
  EXPECT_EQ(Dest.Picture()->Width(), 6);

  // Setting the notes copies the lines.
  Dest.SetNotes(&Other);
  EXPECT_EQ(Dest.Notes()->Text(), Other.Text());
  EXPECT_NE(Dest.Notes(), static_cast<TStrings*>(&Other));
}
