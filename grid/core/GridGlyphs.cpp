// The grid's small pictures, drawn here: each is drawn once, on a key
// colour that stands in its top-left pixel, so that the transparent drawing
// leaves only the picture.
#include "grid/core/GridGlyphs.h"
#include <map>
#include <memory>
#include "foundation/CellButtons.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

constexpr TColor Key = 0xFF00FF;

TColor Mix(TColor A, TColor B, Integer Step, Integer Steps) {
  auto Part = [&](Integer Shift) {
    const Integer a = (A >> Shift) & 0xFF, b = (B >> Shift) & 0xFF;
    return (a + (b - a) * Step / std::max<Integer>(Steps, 1)) << Shift;
  };
  return Part(0) | Part(8) | Part(16);
}

void Line(TCanvas* C, TColor Color, std::initializer_list<TPoint> Points) {
  C->Pen()->SetColor(Color);
  C->Polyline(Points);
}

// A box of Size with its four corner pixels cut, a frame and a fill that
// runs from Top to Bottom.
void Box(TCanvas* C, Integer Size, TColor Frame, TColor Top, TColor Bottom) {
  for (Integer y = 1; y < Size - 1; ++y) Line(C, Mix(Top, Bottom, y, Size - 2), {{1, y}, {Size - 1, y}});
  Line(C, Frame, {{1, 0}, {Size - 1, 0}});
  Line(C, Frame, {{1, Size - 1}, {Size - 1, Size - 1}});
  Line(C, Frame, {{0, 1}, {0, Size - 1}});
  Line(C, Frame, {{Size - 1, 1}, {Size - 1, Size - 1}});
}

// A tick two pixels thick inside a box of 15.
void Tick(TCanvas* C, TColor Color) {
  for (Integer d = 0; d < 2; ++d) Line(C, Color, {{3, 6 + d}, {6, 9 + d}, {12, 3 + d}});
}

// A ring of 16 filled halfway between Top and Bottom, and a dot when checked.
void Ring(TCanvas* C, TColor Frame, TColor Top, TColor Bottom, TColor Dot) {
  C->Pen()->SetColor(Frame);
  C->Brush()->SetColor(Mix(Top, Bottom, 1, 2));
  C->Ellipse(1, 1, 15, 15);
  if (Dot == clNone) return;
  C->Pen()->SetColor(Dot);
  C->Brush()->SetColor(Dot);
  C->Ellipse(5, 5, 11, 11);
}

struct TCheckLook {
  TColor Frame, Top, Bottom, Mark;
};

// Library look (01..04) and XP look (05..08): checked, unchecked, checked
// disabled, unchecked disabled.
const TCheckLook ZVQLook{0xB0804A, 0xFFF6EE, 0xF0D8C0, 0x8A4A10};
const TCheckLook XPLook{0x80511C, 0xF2F4F4, 0xD6DEE0, 0x21A121};
const TCheckLook DisabledLook{0xA0A0A0, 0xF4F4F4, 0xE4E4E4, 0xA0A0A0};

void DrawCheck(TCanvas* C, const TCheckLook& Look, bool Checked) {
  Box(C, 15, Look.Frame, Look.Top, Look.Bottom);
  if (Checked) Tick(C, Look.Mark);
}

void DrawRadio(TCanvas* C, const TCheckLook& Look, bool Checked) {
  Ring(C, Look.Frame, Look.Top, Look.Bottom, Checked ? Look.Mark : clNone);
}

// Plus or minus in a box of 9 (open shows the minus).
void DrawNodeBox(TCanvas* C, bool Open) {
  Box(C, 9, 0xB59878, 0xFFFFFF, 0xE0DCD6);
  Line(C, 0x000000, {{2, 4}, {7, 4}});
  if (!Open) Line(C, 0x000000, {{4, 2}, {4, 7}});
}

// A filled triangle in a box of 12: pointing down when open, right when closed.
void DrawLeaf(TCanvas* C, bool Open) {
  C->Pen()->SetColor(0x404040);
  C->Brush()->SetColor(0x404040);
  if (Open)
    C->Polygon({{2, 4}, {9, 4}, {5, 8}});
  else
    C->Polygon({{4, 2}, {4, 9}, {8, 5}});
}

void DrawFilter(TCanvas* C) {
  C->Pen()->SetColor(0x404040);
  C->Brush()->SetColor(0x808080);
  C->Polygon({{1, 1}, {10, 1}, {6, 5}, {6, 10}, {5, 10}, {5, 5}});
}

void DrawClose(TCanvas* C) {
  for (Integer d = 0; d < 2; ++d) {
    Line(C, 0x404040, {{2 + d, 2}, {8 + d, 8}});
    Line(C, 0x404040, {{8 + d, 2}, {2 + d, 8}});
  }
}

// The flat look: a thin grey frame, filled with the accent when on.
constexpr TColor FlatFrame = 0x707070, FlatAccent = 0xC67200;

void DrawFlatCheck(TCanvas* C, bool On) {
  Box(C, 15, On ? FlatAccent : FlatFrame, On ? FlatAccent : 0xFFFFFF, On ? FlatAccent : 0xFFFFFF);
  if (On) Tick(C, 0xFFFFFF);
}

void DrawFlatRadio(TCanvas* C, bool On) { Ring(C, FlatFrame, 0xFFFFFF, 0xFFFFFF, On ? FlatAccent : clNone); }

// The search strip's arrows in a box of 16: a shaft and a head.
void DrawSearchArrow(TCanvas* C, bool Down, TColor Colour) {
  C->Pen()->SetColor(Colour);
  C->Brush()->SetColor(Colour);
  C->FillRect(TRect(7, Down ? 3 : 7, 9, Down ? 9 : 13));
  if (Down)
    C->Polygon({{3, 8}, {12, 8}, {8, 12}, {7, 12}});
  else
    C->Polygon({{3, 7}, {12, 7}, {8, 3}, {7, 3}});
}

// The strip's close cross in a box of 14; hot and pressed looks sit on a
// frame.
void DrawSearchClose(TCanvas* C, TColor Frame, TColor Fill, TColor Cross) {
  if (Frame != clNone) {
    C->Pen()->SetColor(Frame);
    C->Brush()->SetColor(Fill);
    C->Rectangle(0, 0, 14, 14);
  }
  for (Integer d = 0; d < 2; ++d) {
    Line(C, Cross, {{3 + d, 3}, {10 + d, 10}});
    Line(C, Cross, {{10 + d, 3}, {3 + d, 10}});
  }
}

// A marker pen over a yellow stroke in a box of 16.
void DrawHighlighter(TCanvas* C, TColor Stroke, TColor Pen) {
  C->Pen()->SetColor(Stroke);
  C->Brush()->SetColor(Stroke);
  C->FillRect(TRect(1, 12, 15, 15));
  C->Pen()->SetColor(Pen);
  C->Brush()->SetColor(Pen);
  C->Polygon({{9, 1}, {13, 5}, {7, 11}, {3, 11}, {3, 7}});
}

struct TGlyphRecipe {
  const wchar_t* Name;
  Integer W, H;
  void (*Draw)(TCanvas*);
};

const TGlyphRecipe Recipes[] = {
    {L"GRDCHK01", 15, 15, [](TCanvas* C) { DrawCheck(C, ZVQLook, true); }},
    {L"GRDCHK02", 15, 15, [](TCanvas* C) { DrawCheck(C, ZVQLook, false); }},
    {L"GRDCHK03", 15, 15, [](TCanvas* C) { DrawCheck(C, DisabledLook, true); }},
    {L"GRDCHK04", 15, 15, [](TCanvas* C) { DrawCheck(C, DisabledLook, false); }},
    {L"GRDCHK05", 15, 15, [](TCanvas* C) { DrawCheck(C, XPLook, true); }},
    {L"GRDCHK06", 15, 15, [](TCanvas* C) { DrawCheck(C, XPLook, false); }},
    {L"GRDCHK07", 15, 15, [](TCanvas* C) { DrawCheck(C, DisabledLook, true); }},
    {L"GRDCHK08", 15, 15, [](TCanvas* C) { DrawCheck(C, DisabledLook, false); }},
    {L"GRDRAD01", 16, 16, [](TCanvas* C) { DrawRadio(C, ZVQLook, true); }},
    {L"GRDRAD02", 16, 16, [](TCanvas* C) { DrawRadio(C, ZVQLook, false); }},
    {L"GRDRAD03", 16, 16, [](TCanvas* C) { DrawRadio(C, DisabledLook, true); }},
    {L"GRDRAD04", 16, 16, [](TCanvas* C) { DrawRadio(C, DisabledLook, false); }},
    {L"GRDRAD05", 16, 16, [](TCanvas* C) { DrawRadio(C, XPLook, true); }},
    {L"GRDRAD06", 16, 16, [](TCanvas* C) { DrawRadio(C, XPLook, false); }},
    {L"GRDRAD07", 16, 16, [](TCanvas* C) { DrawRadio(C, DisabledLook, true); }},
    {L"GRDRAD08", 16, 16, [](TCanvas* C) { DrawRadio(C, DisabledLook, false); }},
    {L"GRDLEAFOPEN", 12, 12, [](TCanvas* C) { DrawLeaf(C, true); }},
    {L"GRDLEAFCLOSE", 12, 12, [](TCanvas* C) { DrawLeaf(C, false); }},
    {L"XPNODEO", 9, 9, [](TCanvas* C) { DrawNodeBox(C, true); }},
    {L"XPNODEC", 9, 9, [](TCanvas* C) { DrawNodeBox(C, false); }},
    {L"GRDFILT", 12, 12, DrawFilter},
    {L"GRDCLOSE", 11, 11, DrawClose},
    {L"GRDARDOWN", 16, 16, [](TCanvas* C) { DrawSearchArrow(C, true, 0x404040); }},
    {L"GRDARDOWND", 16, 16, [](TCanvas* C) { DrawSearchArrow(C, true, 0xA0A0A0); }},
    {L"GRDARUP", 16, 16, [](TCanvas* C) { DrawSearchArrow(C, false, 0x404040); }},
    {L"GRDARUPD", 16, 16, [](TCanvas* C) { DrawSearchArrow(C, false, 0xA0A0A0); }},
    {L"GRDCLOSEH", 14, 14, [](TCanvas* C) { DrawSearchClose(C, 0x808080, 0xF0F0F0, 0x404040); }},
    {L"GRDCLOSED", 14, 14, [](TCanvas* C) { DrawSearchClose(C, 0x404040, 0xC0C0C0, 0x000000); }},
    {L"GRDHI", 16, 16, [](TCanvas* C) { DrawHighlighter(C, 0x00FFFF, 0x404040); }},
    {L"GRDHID", 16, 16, [](TCanvas* C) { DrawHighlighter(C, 0xD0D0D0, 0xA0A0A0); }},
    {L"metrocheckon", 15, 15, [](TCanvas* C) { DrawFlatCheck(C, true); }},
    {L"metrocheckoff", 15, 15, [](TCanvas* C) { DrawFlatCheck(C, false); }},
    {L"metroradioon", 16, 16, [](TCanvas* C) { DrawFlatRadio(C, true); }},
    {L"metroradiooff", 16, 16, [](TCanvas* C) { DrawFlatRadio(C, false); }},
};

std::unique_ptr<TBitmap> MakeGlyph(const String& Name) {
  if (FindResourceW(GetModuleHandleW(nullptr), Name.c_str(), MAKEINTRESOURCEW(2))) {
    auto B = std::make_unique<TBitmap>();
    B->LoadFromResourceName(GetModuleHandleW(nullptr), Name);
    return B;
  }
  for (const TGlyphRecipe& R : Recipes) {
    if (!SameText(Name, R.Name)) continue;
    auto B = std::make_unique<TBitmap>(R.W, R.H);
    TCanvas* C = B->Canvas();
    C->Brush()->SetColor(Key);
    C->FillRect(TRect(0, 0, R.W, R.H));
    R.Draw(C);
    return B;
  }
  return nullptr;
}

}  // namespace

TBitmap* GridGlyph(const String& Name) {
  static std::map<String, std::unique_ptr<TBitmap>> Made;
  auto It = Made.find(Name);
  if (It == Made.end()) It = Made.emplace(Name, MakeGlyph(Name)).first;
  return It->second.get();
}

bool LoadGridGlyph(TBitmap* Bitmap, const String& Name) {
  TBitmap* Glyph = GridGlyph(Name);
  if (!Glyph) return false;
  Bitmap->Assign(Glyph);
  return true;
}

void DrawGridGlyph(TCanvas* Canvas, TColor Background, const TRect& Rect, const String& Name) {
  if (TBitmap* Glyph = GridGlyph(Name)) foundation::DrawBitmapTransparent(Canvas, Glyph, Background, Rect);
}

}  // namespace jorv::grid
