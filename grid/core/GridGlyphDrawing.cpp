// The glyphs of cells: check boxes and radio buttons in every control
// style, buttons, progress bars, rotated text, node glyphs and the sort
// indicator.
#include <algorithm>
#include <cmath>
#include <vector>
#include "foundation/CellButtons.h"
#include "foundation/ValueBars.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/Colors.h"
#include "foundation/TextUtils.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/ScopeExit.h"
#include "grid/core/GridGlyphs.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

void DrawFrameGlyph(TCanvas* Canvas, const TRect& R, UINT Type, UINT Flags) {
  RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
  DrawFrameControl(Canvas->Handle(), &Rc, Type, Flags);
}

void DrawThemedPart(TCanvas* Canvas, const wchar_t* ClassName, int Part, int State, const TRect& R) {
  using namespace foundation;
  HTHEME Theme = OpenThemeData(nullptr, ClassName);
  if (!Theme) return;
  RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
  DrawThemeBackground(Theme, Canvas->Handle(), Part, State, &Rc, nullptr);
  CloseThemeData(Theme);
}

void DrawGlyphBitmap(TCanvas* Canvas, TBitmap* Glyph, const TRect& R) {
  if (Glyph && !Glyph->Empty()) foundation::DrawBitmapTransparent(Canvas, Glyph, Canvas->Brush()->Color(), R);
}

void Diamond(TCanvas* Canvas, Integer L, Integer T, bool Checked, TColor Dot) {
  Canvas->Pen()->SetColor(clBtnFace);
  Canvas->Brush()->SetColor(clBtnFace);
  Canvas->Polygon({TPoint{L + 2, T + 8}, TPoint{L + 8, T + 2}, TPoint{L + 14, T + 8}, TPoint{L + 8, T + 14}});
  const TColor Dark = 0x808080, Light = clWhite;
  Canvas->Pen()->SetColor(Checked ? Dark : Light);
  Canvas->Polyline({TPoint{L + 8, T + 14}, TPoint{L + 2, T + 8}, TPoint{L + 8, T + 2}});
  Canvas->Pen()->SetColor(Checked ? Light : Dark);
  Canvas->Polyline({TPoint{L + 8, T + 2}, TPoint{L + 14, T + 8}, TPoint{L + 8, T + 14}});
  if (!Checked) return;
  Canvas->Pen()->SetColor(Dot);
  Canvas->Brush()->SetColor(Dot);
  Canvas->Polygon({TPoint{L + 6, T + 8}, TPoint{L + 8, T + 6}, TPoint{L + 10, T + 8}, TPoint{L + 8, T + 10}});
}

}  // namespace

// --- check boxes and radio buttons ---------------------------------------------------------------

void TRezIvevirAvod::DrawCheckBoxGlyph(TCanvas* Canvas, TRect Rect, bool Checked, TCheckBoxState State,
                                       bool UseState, TControlStyle Style, bool Grayed, bool Enabled) {
  if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->CheckAlwaysActive()) Enabled = true;
  if (Style == csTheme && !VisualStylesOn()) Style = csClassic;
  if (UseState) {
    Checked = State == cbChecked;
    Grayed = Grayed || State == cbGrayed;
  }
  const Integer S = FControlLook->CheckSize();
  const TRect Corner(Rect.Left, Rect.Top, Rect.Left + S, Rect.Top + S);
  const TColor Back = Canvas->Brush()->Color();
  switch (Style) {
    case csWinXP:
    case csZVQ: {
      static const wchar_t* Names[2][4] = {{L"GRDCHK05", L"GRDCHK07", L"GRDCHK06", L"GRDCHK08"},
                                           {L"GRDCHK01", L"GRDCHK03", L"GRDCHK02", L"GRDCHK04"}};
      DrawGridGlyph(Canvas, Back, Corner, Names[Style == csZVQ][(Checked ? 0 : 2) + (Enabled ? 0 : 1)]);
      return;
    }
    case csGlyph:
      DrawGlyphBitmap(Canvas, Checked ? FControlLook->CheckedGlyph() : FControlLook->UnCheckedGlyph(), Corner);
      return;
    case csCorvane: {
      Canvas->Brush()->SetColor(Enabled ? clBtnFace : clBtnShadow);
      Canvas->Pen()->SetColor(clBtnFace);
      Canvas->Rectangle(Corner);
      Canvas->Pen()->SetColor(clBtnHighlight);
      Canvas->Polyline({TPoint{Corner.Left, Corner.Bottom - 1}, TPoint{Corner.Left, Corner.Top},
                        TPoint{Corner.Right - 1, Corner.Top}});
      Canvas->Pen()->SetColor(clBtnShadow);
      Canvas->Polyline({TPoint{Corner.Right - 1, Corner.Top}, TPoint{Corner.Right - 1, Corner.Bottom - 1},
                        TPoint{Corner.Left, Corner.Bottom - 1}});
      if (!Checked) return;
      const Integer Mid = (Corner.Top + Corner.Bottom) / 2;
      Canvas->Pen()->SetColor(Enabled ? FControlLook->Color() : TColor(0x808080));
      for (Integer d = 0; d < 2; ++d) {
        Canvas->MoveTo(Corner.Left + 2 + d, Mid);
        Canvas->LineTo(Corner.Left + 2 + d, Corner.Bottom - 2);
        Canvas->LineTo(Corner.Right - 2 + d, Corner.Top + 3);
      }
      return;
    }
    case csTheme: {
      // Mixed, checked and unchecked, each normal or disabled.
      const int Base = Grayed && !Checked ? 9 : Checked ? 5 : 1;
      DrawThemedPart(Canvas, L"button", 3, Base + (Enabled ? 0 : 3), Corner);
      return;
    }
    default: {
      const TRect Centred(Rect.Left + (Rect.Right - Rect.Left - S) / 2, Rect.Top + (Rect.Bottom - Rect.Top - S) / 2,
                          Rect.Left + (Rect.Right - Rect.Left - S) / 2 + S,
                          Rect.Top + (Rect.Bottom - Rect.Top - S) / 2 + S);
      UINT Flags = DFCS_BUTTONCHECK;
      if (Checked) Flags |= DFCS_CHECKED;
      if (Grayed) Flags = DFCS_BUTTON3STATE | (Checked || State == cbGrayed ? DFCS_CHECKED : 0);
      if (Style == csFlat) Flags |= DFCS_FLAT;
      if (!Enabled) Flags |= DFCS_INACTIVE;
      DrawFrameGlyph(Canvas, Centred, DFC_BUTTON, Flags);
      return;
    }
  }
}

namespace {

struct TRadioLayout {
  Integer GlyphX, GlyphY, Side, TextX, TextY;
};

}  // namespace

void TRezIvevirAvod::DrawRadioGlyph(TCanvas* Canvas, TRect Rect, bool Upwards, double Scale, TControlStyle Style,
                                    Integer, Integer ACol, bool Selected, TStrings* Items, bool Disabled,
                                    bool Horizontal, Integer CheckedIndex, Integer Count) {
  if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->RadioAlwaysActive()) Disabled = false;
  if (Style == csTheme && !VisualStylesOn()) Style = csClassic;
  Canvas->Brush()->SetStyle(bsClear);
  if (Selected && FShowSelection) Canvas->Font()->SetColor(FSelectionTextColor);
  const bool Frame = Style == csClassic || Style == csFlat;
  const Integer RadioSize = FControlLook->RadioSize();
  const Integer Side = Frame ? Integer(Round(Scale * (Style == csFlat ? RadioSize + 2 : RadioSize))) : 16;
  const Integer LineH = Frame ? Canvas->TextHeight(L"gh") : std::max<Integer>(16, Canvas->TextHeight(L"gh"));
  const Integer Dir = Upwards ? -1 : 1;
  const String CellText = Count > 0 && Items ? GetCells(ACol, 0) : String();
  Integer PreviousTexts = 0;
  for (Integer i = 1; i <= Count; ++i) {
    const String Text = Items && i - 1 < Items->Count() ? Items->Strings(i - 1) : String();
    const bool Checked = i - 1 == CheckedIndex || (CheckedIndex == -1 && Items && Text == CellText);
    TRadioLayout L{};
    L.Side = Side;
    if (Horizontal) {
      L.GlyphX = Frame ? Rect.Left + 2 + (i - 1) * RadioSize + PreviousTexts : Rect.Left + PreviousTexts + 16 * i - 14;
      L.GlyphY = Rect.Top + (Rect.Bottom - Rect.Top - (Frame ? RadioSize : 16)) / 2;
      L.TextX = L.GlyphX + (Frame ? Integer(Round(Scale * RadioSize)) : 16);
    } else {
      L.GlyphY = Rect.Top + LineH * (i - 1) * Dir + 2;
      L.GlyphX = Rect.Left + 2;
      const bool Wide = Style == csCorvane || Style == csTheme;
      L.TextX = Frame ? Rect.Left + 2 + Integer(Round(Scale * (RadioSize + 4))) : Rect.Left + (Wide ? 20 : 18);
    }
    const bool Above = Frame || Style == csCorvane || Style == csTheme;
    L.TextY = Above ? L.GlyphY - 2 : L.GlyphY + 1;
    if (Text.empty()) L.GlyphX = Rect.Left + (Rect.Right - Rect.Left - Side) / 2;
    const TRect G(L.GlyphX, L.GlyphY, L.GlyphX + Side, L.GlyphY + Side);
    switch (Style) {
      case csClassic:
      case csFlat: {
        UINT Flags = DFCS_BUTTONRADIO | (Checked ? DFCS_CHECKED : 0) | (Disabled ? DFCS_INACTIVE : 0);
        if (Style == csFlat) Flags |= DFCS_FLAT;
        DrawFrameGlyph(Canvas, G, DFC_BUTTON, Flags);
        break;
      }
      case csCorvane: Diamond(Canvas, G.Left, G.Top, Checked, FControlLook->Color()); break;
      case csTheme: DrawThemedPart(Canvas, L"button", 2, (Checked ? 5 : 1) + (Disabled ? 3 : 0), G); break;
      case csWinXP:
      case csZVQ: {
        static const wchar_t* Names[2][4] = {{L"GRDRAD05", L"GRDRAD07", L"GRDRAD06", L"GRDRAD08"},
                                             {L"GRDRAD01", L"GRDRAD03", L"GRDRAD02", L"GRDRAD04"}};
        DrawGridGlyph(Canvas, Color(), G, Names[Style == csZVQ][(Checked ? 0 : 2) + (Disabled ? 1 : 0)]);
        break;
      }
      case csGlyph:
        DrawGlyphBitmap(Canvas, Checked ? FControlLook->RadioOnGlyph() : FControlLook->RadioOffGlyph(), G);
        break;
    }
    if (!Text.empty()) {
      Canvas->Brush()->SetStyle(bsClear);
      Canvas->TextOut(L.TextX, L.TextY, Text);
    }
    PreviousTexts += Canvas->TextWidth(Text);
  }
}

// --- sort indicator ------------------------------------------------------------------------------

void TRezIvevirAvod::DrawSortIndicator(TCanvas* Canvas, Integer ACol, Integer Y, Integer X) {
  TSortSettings* S = FSortSettings.get();
  if (S->IndexShow()) {
    const Integer i = FSortIndexes->FindIndex(ACol);
    if (i < 0) return;
    Canvas->Brush()->SetColor(S->IndexColor());
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Font()->SetColor(clBlack);
    Canvas->Font()->SetSize(6);
    const bool Descending = !FSortIndexes->GetSortDirections(i);
    const bool Glyphs = !S->IndexUpGlyph()->Empty() && !S->IndexDownGlyph()->Empty();
    if (Descending) {
      if (Glyphs)
        DrawGlyphBitmap(Canvas, S->IndexUpGlyph(), TRect(X - 7, Y - 7, X + 9, Y + 9));
      else
        Canvas->Polygon({TPoint{X - 7, Y - 5}, TPoint{X + 7, Y - 5}, TPoint{X, Y + 8}});
    } else if (Glyphs) {
      DrawGlyphBitmap(Canvas, S->IndexDownGlyph(), TRect(X - 7, Y - 7, X + 9, Y + 9));
    } else {
      Canvas->Polygon({TPoint{X - 6, Y + 8}, TPoint{X + 6, Y + 8}, TPoint{X, Y - 4}});
    }
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextOut(X - 2, Descending ? Y - 4 : Y - 2, IntToStr(i + 1));
    return;
  }
  const bool Glyphs = !S->UpGlyph()->Empty() && !S->DownGlyph()->Empty();
  const bool Descending = S->Direction() == sdDescending;
  if (Glyphs) {
    DrawGlyphBitmap(Canvas, Descending ? S->DownGlyph() : S->UpGlyph(), TRect(X - 4, Y - 4, X + 12, Y + 12));
    return;
  }
  if (Descending) {
    Canvas->Pen()->SetColor(clWhite);
    Canvas->Polyline({TPoint{X + 4, Y - 4}, TPoint{X, Y + 4}});
    Canvas->Pen()->SetColor(0x808080);
    Canvas->Polyline({TPoint{X, Y + 4}, TPoint{X - 4, Y - 4}, TPoint{X + 4, Y - 4}});
  } else {
    Canvas->Pen()->SetColor(clWhite);
    Canvas->Polyline({TPoint{X - 4, Y + 4}, TPoint{X + 4, Y + 4}, TPoint{X, Y - 4}});
    Canvas->Pen()->SetColor(0x808080);
    Canvas->Polyline({TPoint{X, Y - 4}, TPoint{X - 4, Y + 4}});
  }
}

// --- buttons and progress ------------------------------------------------------------------------

void TRezIvevirAvod::DrawButtonKinds(TCanvas* Canvas, TCellGraphic* G, TRect Box, const TRect& R,
                                     const TCellGraphicContext& Context) {
  const TRect& Cell = Context.CellRect;
  G->SetCellValue(double((Cardinal(Box.Top - Cell.Top) << 16) | Cardinal(Box.Left - Cell.Left)));
  bool Enabled = true;
  if (!FControlLook->NoDisabledButtonLook()) CanEditCell(Context.Col, Context.Row, Enabled);
  const bool Tones = FFlat && FColorTones.Background.BrushColor != clNone && FColorTones.Background.BrushColor != 0;
  const Integer Look = FControlLook->FlatButton() ? 2 : !VisualStylesOn() ? 1 : 0;
  const bool Hot = FHoveredButtonCol == Context.Col && FHoveredButtonRow == Context.Row;
  Integer State = G->CellBoolean() ? 2 : Hot ? 1 : 0;
  if (!Enabled && G->CellType() != ctExpand) State = 3;
  if (G->CellType() == ctExpand) {
    Box = TRect(R.Right - 13, R.Top, R.Right, R.Top + 13);
    foundation::DrawCellButton(Canvas, HandleAllocated() ? Handle() : nullptr, Box, Tones ? 3 : Look, State,
                               FColorTones, String());
    const bool Expanded = G->CellVar().IsEmpty() ? false : bool(G->CellVar());
    Canvas->Pen()->SetColor(clBlack);
    if (!Expanded)
      Canvas->Polyline({TPoint{R.Right - 10, R.Top + 5}, TPoint{R.Right - 7, R.Top + 8}, TPoint{R.Right - 3, R.Top + 4}});
    else
      Canvas->Polyline({TPoint{R.Right - 10, R.Top + 8}, TPoint{R.Right - 7, R.Top + 5}, TPoint{R.Right - 3, R.Top + 9}});
    return;
  }
  foundation::DrawCellButton(Canvas, HandleAllocated() ? Handle() : nullptr, Box, Tones ? 3 : Look, State,
                             FColorTones, String());
  if (State == 2) Box = TRect(Box.Left + 1, Box.Top + 1, Box.Right + 1, Box.Bottom + 1);
  TRect TextBox = Box;
  if (TBitmap* Glyph = G->Bitmap(); Glyph && G->CellType() == ctBitButton && !Glyph->Empty()) {
    Integer dy = (Box.Bottom - Box.Top - Glyph->Height()) / 2;
    if (dy < 1) dy = 3;
    if (Box.Right - Box.Left - Glyph->Width() >= 1 && G->CellText().empty()) {
      DrawGlyphBitmap(Canvas, Glyph, TRect(Box.Left + (Box.Right - Box.Left - Glyph->Width()) / 2, Box.Top + dy,
                                           Box.Right, Box.Bottom));
    } else {
      DrawGlyphBitmap(Canvas, Glyph, TRect(Box.Left + 3, Box.Top + dy, Box.Right, Box.Bottom));
      TextBox.Left = Box.Left + Glyph->Width() + 4;
    }
  }
  if (G->CellText().empty()) return;
  Canvas->Brush()->SetStyle(bsClear);
  if (Tones) {
    const TColorTone* ByState[] = {&FColorTones.Background, &FColorTones.Hover, &FColorTones.Selected,
                                   &FColorTones.Disabled};
    Canvas->Font()->SetColor(ByState[State]->TextColor);
  } else if (State == 3) {
    Canvas->Font()->SetColor(clGrayText);
  }
  RECT Rc{TextBox.Left + 1, TextBox.Top, TextBox.Right, TextBox.Bottom};
  const UINT Lines = Pos(L"\r", G->CellText()) > 0 ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
  DrawTextW(Canvas->Handle(), G->CellText().c_str(), -1, &Rc, Lines | DT_CENTER | DT_END_ELLIPSIS);
}

void TRezIvevirAvod::DrawProgressKinds(TCanvas* Canvas, TCellGraphic* G, TRect R, const TCellGraphicContext& Context) {
  const Integer MX = FControlLook->ProgressMarginX(), MY = FControlLook->ProgressMarginY();
  auto Value = [&] {
    try {
      return GetFloats(Context.Col, Context.Row);
    } catch (const DAvoDeveDeviz&) {
      return 0.0;  // a text that is no number shows an empty bar
    }
  };
  const TCellType Kind = G->CellType();
  if (Kind == ctProgress) {
    const TControlStyle Style = FControlLook->ControlStyle();
    if ((Style == csWinXP || Style == csTheme) && VisualStylesOn() && FControlLook->ProgressXP()) {
      R = TRect(R.Left + MX, R.Top + MY, R.Right - MX, R.Bottom - MY);
      DrawThemedPart(Canvas, L"progress", 1, 1, R);
      R = TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
      R.Right = R.Left + (R.Right - R.Left) * Limit(Integer(Value())) / 100;
      DrawThemedPart(Canvas, L"progress", 3, 1, R);
      return;
    }
    R = TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
    const TColor Bar = G->CellBitmapColor(), Back = G->CellIconColor();
    const TColor BarText = G->CellBoolean() ? TColor(G->CellIndex()) : TColor(ColorToRGB(Bar) ^ 0xFFFFFF);
    const TColor BackText = G->CellBoolean() ? TColor(G->CellAngle()) : TColor(ColorToRGB(Back) ^ 0xFFFFFF);
    foundation::DrawProgressBar(Canvas, R, Bar, BarText, Back, BackText, Value(), MX, MY, G->CellErrFrom(),
                                G->CellErrLen(), G->CellText(), FControlLook->ProgressBorderColor());
    return;
  }
  R = TRect(R.Left + MX, R.Top + MY, R.Right - MX, R.Bottom - MY);
  Integer IntValue = 0;
  try {
    IntValue = GetInts(Context.Col, Context.Row);
  } catch (const DAvoDeveDeviz&) {
  }
  if (Kind == ctRangeIndicator) {
    foundation::DrawRangeIndicator(Canvas, R, IntValue, G->CellIndex(), G->CellBoolean(), G->CellBitmapColor(),
                                   G->CellIconColor());
    return;
  }
  R.Right -= 1;
  R.Bottom -= 1;
  TGridProgressAppearance* A = FProgressAppearance.get();
  foundation::TXPProgressParams P;
  P.Level0Color = A->Level0Color(), P.Level0ColorTo = A->Level0ColorTo();
  P.Level1Color = A->Level1Color(), P.Level1ColorTo = A->Level1ColorTo();
  P.Level2Color = A->Level2Color(), P.Level2ColorTo = A->Level2ColorTo();
  P.Level3Color = A->Level3Color(), P.Level3ColorTo = A->Level3ColorTo();
  P.Level1Perc = A->Level1Perc(), P.Level2Perc = A->Level2Perc();
  P.BorderColor = A->BorderColor(), P.ShowBorder = A->ShowBorder(), P.Stacked = A->Stacked();
  P.ShowPercentage = A->ShowPercentage(), P.Font = Font(), P.CompleteFontColor = A->CompleteFontColor();
  P.CompletionSmooth = A->CompletionSmooth(), P.ShowGradient = A->ShowGradient(), P.Steps = A->Steps();
  P.UnCompleteColor = A->UnCompleteColor() == clNone ? Color() : A->UnCompleteColor();
  // A bar whose minimum is its maximum has no way to go: it shows 0 %.
  const Integer Span = G->CellErrLen() - G->CellErrFrom();
  const Integer Percent = Span == 0 ? 0 : Integer(Round(std::fabs(double(IntValue - G->CellErrFrom())) / Span * 100));
  foundation::DrawXPProgressBar(Canvas, R, Percent, P);
}

// --- rotated text --------------------------------------------------------------------------------

// The text turns about its starting point; the box around the turned text
// is placed in the cell by the text's alignment.
void TRezIvevirAvod::DrawRotatedText(TCanvas* Canvas, TCellGraphic* G, const TRect& R, TVAlignment VA,
                                     const TCellGraphicContext& Context) {
  const String Text = GetFormattedCell(Context.Col, Context.Row);
  if (Text.empty()) return;
  // A turn the other way round is the same turn counted from 0 to 359, which
  // the placement expects; left negative, the text would start outside the cell.
  const Integer Angle = (G->CellAngle() % 360 + 360) % 360;
  std::vector<String> Lines{Text};
  if ((Angle == 90 || Angle == 270) && (FMultilinecells || WordWrap())) {
    Lines.clear();
    String Rest = Text;
    do {
      String Line;
      foundation::TakeFirstLine(Rest, true, Line);
      Lines.push_back(Line);
    } while (!Rest.empty());
  }
  const String Longest = *std::max_element(Lines.begin(), Lines.end(), [&](const String& A, const String& B) {
    return Canvas->TextWidth(A) < Canvas->TextWidth(B);
  });
  TRect Place = R;
  TSize Extent{0, 0};
  {
    TCanvas* Measure = MeasureCanvas();
    TFont KeptFont;
    KeptFont.Assign(Measure->Font());
    TScopeExit RestoreFont([&] { Measure->Font()->Assign(&KeptFont); });
    Measure->Font()->Assign(Canvas->Font());
    CalcRotatedTextRect(Place, Extent, VA, Context.TextAlign, Longest, Angle);
  }
  // Lines stand side by side, one line height apart, as a group aligned as the text is.
  const Integer Count = Integer(Lines.size()), Step = Extent.cy;
  const Integer Group = Context.TextAlign == taRightJustify ? (Count - 1) * Step
                        : Context.TextAlign == taCenter   ? (Count - 1) * Step / 2
                                                          : 0;
  LOGFONTW LF{};
  GetObjectW(Canvas->Font()->Handle(), sizeof(LF), &LF);
  LF.lfEscapement = LF.lfOrientation = Angle * 10;
  TGdiObject<HFONT> Turned(CreateFontIndirectW(&LF));
  TSavedDC Saved(Canvas->Handle());
  SelectObject(Canvas->Handle(), Turned);
  SetTextAlign(Canvas->Handle(), TA_LEFT | TA_TOP);
  SetBkMode(Canvas->Handle(), TRANSPARENT);
  SetTextColor(Canvas->Handle(), ColorToRGB(Canvas->Font()->Color()));
  RECT Clip{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
  for (Integer i = 0; i < Count; ++i) {
    const Integer Slot = Angle == 270 ? Count - 1 - i : i;
    const String& Line = Lines[size_t(i)];
    ExtTextOutW(Canvas->Handle(), Place.Left - Group + Slot * Step, Place.Top, ETO_CLIPPED, &Clip, Line.c_str(),
                UINT(Line.size()), nullptr);
  }
}

// --- node glyphs ---------------------------------------------------------------------------------

void TRezIvevirAvod::DrawNodeGlyph(TCanvas* Canvas, TCellGraphic* G, const TRect& R,
                                   const TCellGraphicContext& Context) {
  const Integer Indent = GetRowIndent(Context.Row), NodeIndent = FCellNode->NodeIndent();
  const bool Collapsed = G->CellBoolean();
  const Integer Height = R.Bottom - R.Top;
  if (FCellNode->ShowTree() && Context.Row >= FixedRows()) {
    const Integer X = R.Left + Indent - NodeIndent + NodeIndent / 2 + 2;
    Canvas->Pen()->SetColor(FCellNode->TreeColor());
    Canvas->Pen()->SetWidth(1);
    if (Context.Row + 1 < RowCount() && GetRowIndent(Context.Row + 1) > 0 &&
        !(Collapsed && GetRowIndent(Context.Row + 1) < Indent))
      Canvas->Polyline({TPoint{X, R.Top + Height / 2}, TPoint{X, R.Bottom}});
    if (Context.Row > 0 && GetRowIndent(Context.Row - 1) >= Indent)
      Canvas->Polyline({TPoint{X, R.Top}, TPoint{X, R.Top + Height / 2}});
  }
  const Integer Left = R.Left + Indent - NodeIndent / 2 - 4;
  TColor Back = Canvas->Brush()->Color();
  if (Back == clNone) Back = FixedCols() > 0 ? FixedColor() : Color();
  if (Context.State.Contains(gdSelected) && FShowSelection) Back = FSelectionColor;
  const TNodeType Type = FCellNode->NodeType();
  if (Type == cn3D) {
    Canvas->Brush()->SetColor(FCellNode->Color());
    Canvas->FillRect(TRect(Left, R.Top, R.Right, R.Bottom));
    RECT Edge{Left, R.Top, R.Right, R.Bottom};
    DrawEdge(Canvas->Handle(), &Edge, BDR_RAISEDINNER, BF_RECT);
  }
  TBitmap* Expand = FCellNode->ExpandGlyph();
  TBitmap* Contract = FCellNode->ContractGlyph();
  if (Type == cnLeaf) {
    DrawGridGlyph(Canvas, Back, TRect(Left, R.Top + (Height - 12) / 2, R.Right, R.Bottom),
                  Collapsed ? L"GRDLEAFCLOSE" : L"GRDLEAFOPEN");
  } else if (Type == cnXP) {
    DrawGridGlyph(Canvas, Back, TRect(Left + 4, R.Top + (Height - 10) / 2, R.Right, R.Bottom),
                  Collapsed ? L"XPNODEC" : L"XPNODEO");
  } else if (Type == cnGlyph && !Expand->Empty() && !Contract->Empty()) {
    foundation::DrawBitmapTransparent(Canvas, Collapsed ? Contract : Expand, Back,
                                      TRect(Left, R.Top + (Height - Contract->Height()) / 2, R.Right, R.Bottom));
  } else {
    const TRect B(Left + 4, R.Top + (Height - 8) / 2, Left + 12, R.Top + (Height - 8) / 2 + 8);
    if (Type == cnFlat) {
      Canvas->Brush()->SetColor(FCellNode->Color());
      Canvas->Pen()->SetColor(FCellNode->NodeColor());
      Canvas->Rectangle(B.Left, B.Top, B.Left + 9, B.Top + 9);
      Canvas->Polyline({TPoint{B.Left + 2, B.Top + 4}, TPoint{B.Left + 7, B.Top + 4}});
      if (Collapsed) Canvas->Polyline({TPoint{B.Left + 4, B.Top + 2}, TPoint{B.Left + 4, B.Top + 7}});
    } else {
      RECT Edge{B.Left, B.Top, B.Right, B.Bottom};
      DrawEdge(Canvas->Handle(), &Edge, Collapsed ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_SOFT);
    }
  }
}

}  // namespace jorv::grid
