#include <gtest/gtest.h>
#include "foundation/HTMLPicture.h"
#include "foundation/PictureContainer.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Strings.h"
#include "tests/foundation/PaintProbe.h"
#include "tests/foundation/PictureBytes.h"
#include "tests/support/TempDir.h"

using namespace jorv::foundation;

using namespace jorv;
using jorv::test::TPaintProbe;

namespace {

// Opens the frame delays to the tests.
class TProbedPicture : public THTMLPicture {
 public:
  using THTMLPicture::GetFrameTime;
};

void Load(THTMLPicture& Picture, const TBytes& Bytes) {
  TBytesStream In(Bytes);
  Picture.LoadFromStream(&In);
}

TBytes Saved(TGraphic& Picture) {
  TBytesStream Out;
  Picture.SaveToStream(&Out);
  return Out.Bytes();
}

}  // namespace

TEST(HTMLPicture, NewPictureDefaults) {
  THTMLPicture Picture;
  EXPECT_TRUE(Picture.Empty());
  EXPECT_EQ(Picture.Frame(), 1);
  EXPECT_EQ(Picture.FrameCount(), -1);
  EXPECT_TRUE(Picture.Asynch());
  EXPECT_FALSE(Picture.Busy());
  EXPECT_FALSE(Picture.Stretch());
  EXPECT_FALSE(Picture.Step());
  TPaintProbe Probe(6, 6);
  Picture.Draw(Probe.Canvas(), Rect(0, 0, 6, 6));
  EXPECT_EQ(Probe.Count(Rect(0, 0, 6, 6), clWhite), 36);
}

TEST(HTMLPicture, GifFramesAreCountedAndTimed) {
  struct {
    const char* What;
    TBytes Bytes;
    bool IsGIF;
    Integer Frames;
    Integer Time1, Time2, Time4;
  } Cases[] = {
      {"three frames", test::ThreeFrameGif(), true, 3, 10, 20, -1},
      {"one frame", test::AnimatedGif(2, 2, {{1, 0, 0, 2, 2, 0x0A}}), true, 1, 10, -1, -1},
      {"no control block", test::TinyRedGif(), true, 0, -1, -1, -1},
      {"png", test::HalfTransparentPng(), false, -1, -1, -1, -1},
      {"only GIF8", TBytes{'G', 'I', 'F', '8'}, false, -1, -1, -1, -1},
  };
  for (const auto& C : Cases) {
    TProbedPicture Picture;
    Load(Picture, C.Bytes);
    EXPECT_EQ(Picture.IsGIF(), C.IsGIF) << C.What;
    EXPECT_EQ(Picture.FrameCount(), C.Frames) << C.What;
    EXPECT_EQ(Picture.GetFrameTime(1), C.Time1) << C.What;
    EXPECT_EQ(Picture.GetFrameTime(2), C.Time2) << C.What;
    EXPECT_EQ(Picture.GetFrameTime(4), C.Time4) << C.What;
    EXPECT_EQ(Saved(Picture), C.Bytes) << C.What;
  }
}

TEST(HTMLPicture, FramesMoveAndReportTheirOffset) {
  THTMLPicture Picture;
  Load(Picture, test::ThreeFrameGif());
  EXPECT_EQ(Picture.Width(), 4);
  EXPECT_EQ(Picture.Height(), 4);
  int FrameChanges = 0;
  Picture.OnFrameChange = [&](TObject*) { ++FrameChanges; };
  Picture.SetFrame(2);
  EXPECT_EQ(FrameChanges, 1);
  EXPECT_EQ(Picture.FrameXPos(), 1);
  EXPECT_EQ(Picture.FrameYPos(), 2);
  EXPECT_GT(Picture.Width(), 0);
  EXPECT_EQ(Picture.MaxWidth(), Picture.Width());
  EXPECT_EQ(Picture.MaxHeight(), Picture.Height());

  // A frame past the last holds no image.
  Picture.SetFrame(4);
  EXPECT_EQ(Picture.Width(), 0);
  EXPECT_EQ(Picture.Height(), 0);

  Picture.SetFrame(3);
  EXPECT_EQ(Picture.FrameXPos(), 0);
  Picture.FrameNext();
  EXPECT_EQ(Picture.Frame(), 1);
  Picture.FramePrev();
  EXPECT_EQ(Picture.Frame(), 3);
  Picture.FramePrev();
  EXPECT_EQ(Picture.Frame(), 2);
}

TEST(HTMLPicture, DrawShowsTheCurrentFrame) {
  THTMLPicture Picture;
  Load(Picture, test::ThreeFrameGif());
  struct {
    Integer Frame;
    TColor Color;
  } Cases[] = {{1, clRed}, {2, clLime}, {3, clBlue}};
  for (const auto& C : Cases) {
    Picture.SetFrame(C.Frame);
    const Integer W = Picture.Width(), H = Picture.Height();
    TPaintProbe Probe(40, 40);
    Picture.Draw(Probe.Canvas(), Rect(0, 0, 40, 40));
    EXPECT_EQ(Probe.At(20, 20), C.Color) << C.Frame;
    // Drawing neither measures nor stretches anything of its own.
    EXPECT_EQ(Picture.Width(), W);
    EXPECT_EQ(Picture.Height(), H);
    EXPECT_FALSE(Picture.Stretch());
  }
}

TEST(HTMLPicture, StepFollowsTheFrameDelays) {
  THTMLPicture Picture;
  Load(Picture, test::ThreeFrameGif());  // delays 10, 20, 30
  struct {
    bool Moved;
    Integer Frame;
  } Ticks[] = {{false, 1}, {false, 1}, {true, 2}, {false, 2}, {true, 3},
               {false, 3}, {false, 3}, {true, 1}};
  for (size_t I = 0; I < std::size(Ticks); ++I) {
    EXPECT_EQ(Picture.Step(), Ticks[I].Moved) << "tick " << I;
    EXPECT_EQ(Picture.Frame(), Ticks[I].Frame) << "tick " << I;
  }

  THTMLPicture Single;
  Load(Single, test::AnimatedGif(2, 2, {{1, 0, 0, 2, 2, 10}}));
  THTMLPicture Png;
  Load(Png, test::HalfTransparentPng());
  for (int I = 0; I < 5; ++I) {
    EXPECT_FALSE(Single.Step());
    EXPECT_FALSE(Png.Step());
  }
}

TEST(HTMLPicture, NewBytesAreCountedAfresh) {
  THTMLPicture Picture;
  Load(Picture, test::ThreeFrameGif());
  EXPECT_EQ(Picture.FrameCount(), 3);
  Load(Picture, test::HalfTransparentPng());
  EXPECT_EQ(Picture.FrameCount(), -1);
  EXPECT_FALSE(Picture.Step());
  EXPECT_EQ(Picture.Width(), 10);
}

TEST(HTMLPicture, MarkerAtTheEndReadsNoFurther) {
  // The image descriptor is cut after its first byte of position.
  TBytes Gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0,
                0x21, 0xF9, 0x04, 0x00, 0x05, 0x00, 0x00, 0x00, 0x2C, 0x07};
  THTMLPicture Picture;
  Load(Picture, Gif);
  EXPECT_EQ(Picture.FrameCount(), 1);
  EXPECT_EQ(Picture.FrameXPos(), 7);
  EXPECT_EQ(Picture.FrameYPos(), 0);
  EXPECT_EQ(Picture.Width(), 0);
}

TEST(HTMLPicture, AddressesLoadOrBecomeTheID) {
  test::TTempDir Dir;
  const String File = Dir.Path(L"pic.gif");
  TBytesStream(test::ThreeFrameGif()).SaveToFile(File);
  struct {
    String URL;
    bool Asynch;
    TBytes Expected;  // empty: nothing loaded
    String ID;
  } Cases[] = {
      {L"RES://PICTURETEST_GIF", true, test::TinyRedGif(), L"RES://PICTURETEST_GIF"},
      {L"rEs://PICTURETEST_GIF", true, test::TinyRedGif(), L"rEs://PICTURETEST_GIF"},
      {L"RES://NO_SUCH_PICTURE", true, {}, L"RES://NO_SUCH_PICTURE"},
      {L"file://" + File, true, test::ThreeFrameGif(), L"file://" + File},
      {L"FILE://" + Dir.Path(L"missing.gif"), true, {}, L"FILE://" + Dir.Path(L"missing.gif")},
      {L"http://example.invalid/a.gif", false, {}, L"http://example.invalid/a.gif"},
      {L"http://example.invalid/a.gif", true, {}, L""},
  };
  for (const auto& C : Cases) {
    THTMLPicture Picture;
    Picture.SetAsynch(C.Asynch);
    Picture.LoadFromURL(C.URL);
    EXPECT_EQ(Picture.Empty(), C.Expected.empty()) << C.URL;
    EXPECT_EQ(Saved(Picture), C.Expected) << C.URL;
    EXPECT_FALSE(Picture.Busy()) << C.URL;
    EXPECT_EQ(Picture.ID(), C.ID) << C.URL;
  }
}

// A web address is not downloaded: each attempt ends at once with the error
// event, so the picture never stays busy and the next address is tried too.
TEST(HTMLPicture, WebAddressesEndWithAnError) {
  THTMLPicture Picture;
  std::vector<String> Errors;
  Picture.OnDownLoadError = [&](TObject* Sender, const String& Err) {
    EXPECT_EQ(Sender, &Picture);
    Errors.push_back(Err);
  };
  bool Completed = false;
  Picture.OnDownLoadComplete = [&](TObject*) { Completed = true; };
  Picture.LoadFromURL(L"http://example.invalid/1.gif");
  Picture.LoadFromURL(L"http://example.invalid/2.gif");
  ASSERT_EQ(Errors.size(), 2u);
  EXPECT_EQ(Errors[1], L"Cannot download http://example.invalid/2.gif");
  EXPECT_FALSE(Picture.Busy());
  EXPECT_FALSE(Completed);
  EXPECT_TRUE(Picture.Empty());
  // Without Asynch the address still becomes the ID, silently.
  Picture.SetAsynch(false);
  Picture.LoadFromURL(L"http://example.invalid/3.gif");
  EXPECT_EQ(Errors.size(), 2u);
  EXPECT_EQ(Picture.ID(), L"http://example.invalid/3.gif");
}

TEST(HTMLPicture, AssignRestartsAndCopies) {
  // Nothing: the bytes go without an event.
  {
    THTMLPicture Picture;
    Load(Picture, test::ThreeFrameGif());
    Picture.SetFrame(3);
    int Changes = 0;
    Picture.OnChange = [&](TObject*) { ++Changes; };
    Picture.Assign(nullptr);
    EXPECT_TRUE(Picture.Empty());
    EXPECT_TRUE(Saved(Picture).empty());
    EXPECT_EQ(Picture.Frame(), 1);
    EXPECT_EQ(Changes, 0);
  }
  // Another HTML picture: stretch, frame, ID and bytes.
  {
    THTMLPicture Source;
    Load(Source, test::ThreeFrameGif());
    Source.SetFrame(2);
    Source.SetStretch(true);
    Source.SetID(L"RES://X");
    THTMLPicture Picture;
    int Changes = 0;
    Picture.OnChange = [&](TObject*) { ++Changes; };
    Picture.Assign(&Source);
    EXPECT_FALSE(Picture.Empty());
    EXPECT_TRUE(Picture.Stretch());
    EXPECT_EQ(Picture.Frame(), 2);
    EXPECT_EQ(Picture.ID(), L"RES://X");
    EXPECT_EQ(Picture.FrameCount(), 3);
    EXPECT_EQ(Picture.FrameXPos(), 1);
    EXPECT_EQ(Saved(Picture), test::ThreeFrameGif());
    EXPECT_EQ(Changes, 1);
  }
  // A platform picture's graphic; an empty one counts as nothing.
  {
    TBytes Bmp = test::SampleBmp(6, 3, clRed, clBlue);
    TBitmap Bitmap;
    Bitmap.LoadFromBytes(Bmp.data(), Bmp.size());
    TPicture Holder;
    Holder.SetGraphic(&Bitmap);
    THTMLPicture Picture;
    Picture.Assign(&Holder);
    EXPECT_EQ(Picture.Width(), 6);
    EXPECT_EQ(Saved(Picture), Bitmap.SaveToBytes());
    TPicture None;
    Picture.Assign(&None);
    EXPECT_TRUE(Picture.Empty());
    EXPECT_TRUE(Saved(Picture).empty());
  }
}

TEST(HTMLPictureCache, FindsByExactAddressAndAnimates) {
  THTMLPictureCache Cache;
  THTMLPicture* Res = Cache.AddPicture();
  Res->SetAsynch(false);
  Res->LoadFromURL(L"RES://PICTURETEST_GIF");
  THTMLPicture* Gif = Cache.AddPicture();
  Load(*Gif, test::ThreeFrameGif());
  Gif->SetID(L"anim");
  EXPECT_EQ(Cache.Count(), 2);
  EXPECT_EQ(Cache.FindPicture(L"RES://PICTURETEST_GIF"), Res);
  EXPECT_EQ(Cache.FindPicture(L"res://PICTURETEST_GIF"), nullptr);
  EXPECT_EQ(Cache.FindPicture(L"anim"), Gif);
  EXPECT_EQ(Cache.FindPicture(L"none"), nullptr);
  EXPECT_EQ(Res->Width(), 1);

  // The single-frame picture never moves; the cache moves with the GIF.
  bool Results[3];
  for (bool& R : Results) R = Cache.Animate();
  EXPECT_FALSE(Results[0]);
  EXPECT_FALSE(Results[1]);
  EXPECT_TRUE(Results[2]);
  EXPECT_EQ(Gif->Frame(), 2);

  Cache.ClearPictures();
  EXPECT_EQ(Cache.Count(), 0);
  EXPECT_EQ(Cache.FindPicture(L"anim"), nullptr);
}

TEST(PictureContainer, FindsByNameInAnyCase) {
  TPictureContainer Container;
  struct {
    const wchar_t* Name;
    TBytes Bytes;
  } Items[] = {{L"Logo", test::TinyRedGif()}, {L"Anim", test::ThreeFrameGif()},
               {L"LOGO", test::HalfTransparentPng()}};
  for (const auto& I : Items) {
    TPictureItem* Item = Container.Items()->Add();
    Item->SetName(I.Name);
    TBytesStream In(I.Bytes);
    Item->Picture()->LoadFromStream(&In);
  }
  struct {
    const wchar_t* Asked;
    Integer Index;  // -1: none
  } Cases[] = {{L"Logo", 0}, {L"logo", 0}, {L"LOGO", 0}, {L"aNIM", 1}, {L"Log", -1}, {L"", -1}};
  for (const auto& C : Cases) {
    TGraphic* Expected = C.Index < 0 ? nullptr : Container.Items()->GetItem(C.Index)->Picture();
    EXPECT_EQ(Container.FindPicture(C.Asked), Expected) << C.Asked;
  }
  // The HTML engine reaches it through its look-up interface.
  EXPECT_EQ(HTMLContainerPicture(&Container, L"logo"), Container.Items()->GetItem(0)->Picture());
  EXPECT_EQ(HTMLContainerPicture(&Container, L"res://logo"), nullptr);

  EXPECT_EQ(Container.Version(), L"2.0.0.0");
  Container.SetVersion(L"9.9.9.9");
  EXPECT_EQ(Container.Version(), L"2.0.0.0");

  // Only the animated item moves.
  bool Moved = false;
  for (int I = 0; I < 3; ++I) Moved = Container.Items()->Animate() || Moved;
  EXPECT_TRUE(Moved);
  auto* Anim = dynamic_cast<THTMLPicture*>(Container.Items()->GetItem(1)->Picture());
  ASSERT_NE(Anim, nullptr);
  EXPECT_EQ(Anim->Frame(), 2);
}

TEST(PictureContainer, ItemsCopyNamesTagsAndPictures) {
  TPictureContainer Source;
  TPictureItem* Item = Source.Items()->Add();
  Item->SetName(L"One");
  Item->SetTag(7);
  TBytesStream In(test::TinyRedGif());
  Item->Picture()->LoadFromStream(&In);

  TPictureContainer Copy;
  Copy.SetItems(Source.Items());
  ASSERT_EQ(Copy.Items()->Count(), 1);
  TPictureItem* Copied = Copy.Items()->GetItem(0);
  EXPECT_EQ(Copied->Name(), L"One");
  EXPECT_EQ(Copied->Tag(), 7);
  EXPECT_NE(Copied->Picture(), Item->Picture());
  EXPECT_EQ(Saved(*Copied->Picture()), test::TinyRedGif());
  EXPECT_EQ(Copy.Items()->Owner(), &Copy);

  TStringList Other;
  EXPECT_THROW(Copied->Assign(&Other), EInvalidCast);
  EXPECT_EQ(Copied->Name(), L"One");
}

// A descendant's factories are the ones that make the items and their
// pictures, also for items made by Assign.
class TBitmapItem : public TPictureItem {
 public:
  using TPictureItem::TPictureItem;

 protected:
  std::unique_ptr<TGraphic> CreatePicture() override { return std::make_unique<TBitmap>(); }
};

class TBitmapCollection : public TPictureCollection {
 public:
  explicit TBitmapCollection(TComponent* AOwner)
      : TPictureCollection(AOwner, PictureItemClass<TBitmapItem>()) {}
};

class TBitmapContainer : public TPictureContainer {
 public:
  using TPictureContainer::TPictureContainer;

 protected:
  std::unique_ptr<TPictureCollection> CreateItems() override {
    return std::make_unique<TBitmapCollection>(this);
  }
};

TEST(PictureContainer, DescendantsMakeTheirOwnItemsAndPictures) {
  TBitmapContainer Container;
  Container.AfterConstruction();
  ASSERT_NE(dynamic_cast<TBitmapCollection*>(Container.Items()), nullptr);
  TPictureItem* Item = Container.Items()->Add();
  Item->SetName(L"Dot");
  auto* Dot = dynamic_cast<TBitmap*>(Item->Picture());
  ASSERT_NE(Dot, nullptr);
  EXPECT_EQ(Container.FindPicture(L"dot"), Dot);

  TBitmapContainer Copy;  // made on first use without AfterConstruction
  Copy.SetItems(Container.Items());
  ASSERT_EQ(Copy.Items()->Count(), 1);
  EXPECT_NE(dynamic_cast<TBitmap*>(Copy.FindPicture(L"DOT")), nullptr);

  // The base classes still make THTMLPicture items.
  TPictureContainer Plain;
  EXPECT_NE(dynamic_cast<THTMLPicture*>(Plain.Items()->Add()->Picture()), nullptr);
}
