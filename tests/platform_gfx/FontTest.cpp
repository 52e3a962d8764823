#include <gtest/gtest.h>
#include <vector>
#include "platform/gfx/gfx.h"

using namespace jorv;

TEST(Font, DefaultsAndSizeHeightRoundTrip) {
  TFont f;
  f.SetPixelsPerInch(96);
  f.SetSize(8);
  EXPECT_EQ(f.Name(), L"Tahoma");
  EXPECT_EQ(f.Color(), clWindowText);
  EXPECT_TRUE(f.Style().Empty());
  struct Case {
    Integer Size, Height;
  } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}, {-12, 16}};
  for (const auto& c : cases) {
    f.SetSize(c.Size);
    EXPECT_EQ(f.Height(), c.Height) << c.Size;
    f.SetHeight(c.Height);
    EXPECT_EQ(f.Size(), c.Size) << c.Height;
  }
  f.SetPixelsPerInch(120);
  f.SetSize(8);
  EXPECT_EQ(f.Height(), -13);
}

TEST(Font, HandleMadeLazilyAndRenewedByChangesButColour) {
  TFont f;
  int changes = 0;
  f.OnChange = [&](TObject* s) {
    EXPECT_EQ(s, &f);
    ++changes;
  };
  EXPECT_FALSE(f.HandleAllocated());
  HFONT h = f.Handle();
  ASSERT_NE(h, nullptr);
  f.SetColor(clRed);
  EXPECT_TRUE(f.HandleAllocated());
  EXPECT_EQ(f.Handle(), h);
  f.SetStyle({fsBold, fsItalic});
  EXPECT_FALSE(f.HandleAllocated());
  LOGFONTW lf{};
  GetObjectW(f.Handle(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
  f.SetStyle({fsBold, fsItalic});  // unchanged value: no event
  EXPECT_EQ(changes, 2);

  TFont g;
  g.Assign(&f);
  EXPECT_EQ(g.Color(), clRed);
  EXPECT_TRUE(g.Style() == (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(g.Height(), f.Height());
}

TEST(Font, KeptHandlesComeBackWithTheirLookAndGoWhenKeepingStops) {
  TFont f;
  std::vector<bool> kept;
  f.OnChange = [&](TObject*) { kept.push_back(f.HandleKept()); };
  f.SetKeepHandles(true);
  HFONT normal = f.Handle();
  f.SetStyle({fsBold});
  HFONT bold = f.Handle();
  EXPECT_NE(bold, normal);
  f.SetStyle({});
  EXPECT_EQ(f.Handle(), normal);
  f.SetStyle({fsBold});
  EXPECT_EQ(f.Handle(), bold);
  f.SetStyle({fsItalic});
  f.SetStyle({fsBold});  // no handle was made for italic: nothing to keep
  EXPECT_EQ(f.Handle(), bold);
  EXPECT_EQ(kept, (std::vector<bool>{true, true, true, true, false}));

  f.SetKeepHandles(false);
  EXPECT_EQ(GetObjectType(normal), 0u);
  EXPECT_EQ(GetObjectType(bold), DWORD(OBJ_FONT));  // the font's own handle stays
  f.SetStyle({});
  EXPECT_EQ(GetObjectType(bold), 0u);

  // A handle the font was given is the caller's look: never kept.
  LOGFONTW lf = f.GetLogFont();
  lf.lfWidth = 3;
  HFONT given = CreateFontIndirectW(&lf);
  f.SetHandle(given);
  f.SetKeepHandles(true);
  f.SetStyle({fsBold});
  EXPECT_EQ(GetObjectType(given), 0u);
  EXPECT_FALSE(kept.back());
}

TEST(Font, AssignOfAnotherKindRaises) {
  TFont f;
  TPen p;
  EXPECT_THROW(f.Assign(&p), Exception);
}

TEST(PenBrush, HandlesFollowValues) {
  TPen p;
  p.SetColor(clRed);
  p.SetWidth(3);
  LOGPEN lp{};
  GetObjectW(p.Handle(), sizeof lp, &lp);
  EXPECT_EQ(lp.lopnColor, COLORREF(clRed));
  EXPECT_EQ(lp.lopnWidth.x, 3);
  HPEN h = p.Handle();
  p.SetMode(pmXor);  // lives in the DC
  EXPECT_EQ(p.Handle(), h);

  TBrush b;
  b.SetStyle(bsClear);
  LOGBRUSH lb{};
  GetObjectW(b.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, UINT(BS_HOLLOW));
  b.SetColor(clBlue);  // a colour makes a clear brush solid
  EXPECT_EQ(b.Style(), bsSolid);
  GetObjectW(b.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, UINT(BS_SOLID));
  EXPECT_EQ(lb.lbColor, COLORREF(clBlue));
}
