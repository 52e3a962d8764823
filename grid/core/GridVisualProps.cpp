// The look of a cell before it is painted: brush and gradient colours,
// font, alignment and word wrap, worked out in a fixed order where each
// later step overrides an earlier one (cell properties, bands, fixed looks,
// automatic number colours, the colour hooks, the selections).
#include <algorithm>
#include "foundation/Gradients.h"
#include "foundation/ValueUtils.h"
#include "grid/base/SameGdiObjects.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

TColor TRezIvevirAvod::MixSelectionColor(TColor Sel, TColor Base, Integer Factor) {
  if (Factor >= 100) return Sel;
  if (Factor < 1 || Sel == clNone) return Base;
  if (Base == clNone) return Sel;
  const COLORREF S = ColorToRGB(Sel), B = ColorToRGB(Base);
  auto Channel = [Factor](Integer SelPart, Integer BasePart) {
    // Nearest integer of f x Sel + (1 - f) x Base; halves go up.
    return std::min(255, (Factor * SelPart + (100 - Factor) * BasePart + 50) / 100);
  };
  return TColor(RGB(Channel(GetRValue(S), GetRValue(B)), Channel(GetGValue(S), GetGValue(B)),
                    Channel(GetBValue(S), GetBValue(B))));
}

TColor TRezIvevirAvod::MixSelectionColorIf(TColor Sel, TColor Base, bool Mixer, Integer Factor) {
  return Mixer ? MixSelectionColor(Sel, Base, Factor) : Sel;
}

// The cell properties' font settings, each only when set.
void TRezIvevirAvod::ApplyCellFont(TCellProperties* P, TFont* AFont) {
  if (P->FontColor() != clNone) AFont->SetColor(P->FontColor());
  if (!P->FontStyle().Empty()) AFont->SetStyle(P->FontStyle());
  if (P->FontSize() != 0) AFont->SetSize(P->FontSize());
  if (!P->FontName().empty()) AFont->SetName(P->FontName());
}

void TRezIvevirAvod::GetFontProperties(Integer ACol, Integer RCol, Integer ARow, TGridDrawState& AState,
                                       TFont* AFont, TBrush* ABrush, bool) {
  const bool Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  AFont->Assign(Fixed ? FFixedFont.get() : Font());
  if (TCellProperties* P = ExistingProps(RCol, ARow)) ApplyCellFont(P, AFont);
  GetCellColor(RCol, ARow, AState, ABrush, AFont);
}

void TRezIvevirAvod::GetCellAlignment(Integer ACol, Integer ARow, TAlignment& HA, TVAlignment& VA) {
  HA = FDefaultAlignment;
  VA = FVAlignment;
  bool Formula = false;
  if (FAutoNumAlign) {
    String Text = GetCells(ACol, ARow);
    if (!Text.empty()) {
      Formula = Text[0] == L'=';
      if (Formula || (Text.size() > 3 && Text[0] == L'|' && Text[1] == L'\\' && Text[3] == L'='))
        Text = ReadCellText(ACol, ARow);
      const Integer Kind = foundation::NumberTextKind(Trim(Text));
      if (Kind == 0 || Kind == 1 || Kind == 5) HA = taRightJustify;
    }
  }
  if (TCellProperties* P = ExistingProps(ACol, ARow); P && !Formula) HA = P->Alignment();
  DoGetAlignment(ACol, ARow, HA, VA);
}

namespace {

// Colour, gradient colours and draw state of a selected look.
struct TSelectionLook {
  TColor Brush = clNone;
  TColor ColorTo = clNone;
  TColor Mirror = clNone;
  TColor MirrorTo = clNone;
  TColor Text = clNone;
};

void ApplySelectionLook(const TSelectionLook& Look, TBrush* ABrush, TFont* AFont, TColor& AColorTo,
                        TColor& AMirrorColor, TColor& AMirrorColorTo) {
  ABrush->SetColor(Look.Brush);
  AColorTo = Look.ColorTo;
  AMirrorColor = Look.Mirror;
  AMirrorColorTo = Look.MirrorTo;
  if (Look.Text != clNone) AFont->SetColor(Look.Text);
}

}  // namespace

// Steps 1 to 9: the cell's own look before the hooks and the selections.
bool TRezIvevirAvod::CellBaseLook(Integer ACol, Integer RCol, Integer ARow, TGridDrawState& AState, bool Print,
                                  TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                  TFont* AFont, bool& WW, TCellGradientDirection& GD) {
  const bool FixedArea = ACol < FixedCols() || ARow < FixedRows();
  const bool PrintFonts = Print && !FPrintSettings->UseDisplayFont();
  TFont* Normal = PrintFonts ? FPrintSettings->Font() : Font();
  TFont* FixedF = PrintFonts ? FPrintSettings->FixedFont() : FFixedFont.get();
  AssignFontIfDifferent(AFont, FixedArea ? FixedF : Normal);
  // Worked out aside and given to the brush once: each change of the
  // brush's colour throws its system object away.
  TColor Brush = clNone;
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  bool OwnBrush = false;
  if (TCellProperties* P = ExistingProps(RCol, ARow)) {
    const TCellType Kind = GetCellType(RCol, ARow);
    if (Kind == ctNone || Kind == ctRotated || Kind == ctEmpty) {
      if (P->BrushColor() != clNone) {
        Brush = P->BrushColor();
        OwnBrush = true;
      }
    } else {
      Brush = P->BrushColor();
    }
    ApplyCellFont(P, AFont);
    WW = P->WordWrap();
    AColorTo = P->BrushColorTo();
    GD = P->GradientDirection();
  }
  if (AState.Contains(gdSelected)) GD = GradientVertical;
  if (Brush == clNone) Brush = DefaultCellBrush(ACol, ARow, Print);
  const bool Fixed = IsFixed(ACol, ARow) || FixedArea;
  if (Fixed && !OwnBrush && !Print) {
    Brush = FixedColor();
    AssignFontIfDifferent(AFont, FixedF);
    AState.Include(gdFixed);
  }
  if (Fixed && !OwnBrush && FLook > glClassic && FLook != glListView) {
    Brush = FZVQGradientFrom;
    AColorTo = FZVQGradientTo;
    AMirrorColor = FZVQGradientMirrorFrom;
    AMirrorColorTo = FZVQGradientMirrorTo;
  }
  if (ARow == FFilterEdit->Row() && HasFilterEdit(ACol, ARow)) {
    Brush = FFilterEdit->Color();
    AColorTo = AMirrorColor = AMirrorColorTo = FFilterEdit->Color();
  }
  ABrush->SetColor(Brush);
  ApplyAutoColors(RCol, ARow, ABrush, AFont);
  return Fixed;
}

// Grid colour, bands and the fixed areas for a cell without a colour of
// its own.
TColor TRezIvevirAvod::DefaultCellBrush(Integer ACol, Integer ARow, bool Print) {
  TColor Brush = Color();
  const bool BandsOn = FBands->Active() && (!Print || FBands->Print());
  if (BandsOn && ACol >= FixedCols() && ACol < ColCount() + FNumHidden - FFixedRightCols && ARow >= FixedRows() &&
      ARow < RowCount() - FFixedFooters) {
    const Integer Period = FBands->PrimaryLength() + FBands->SecondaryLength();
    if (Period > 0)
      Brush = (ARow - FixedRows()) % Period < FBands->PrimaryLength() ? FBands->PrimaryColor()
                                                                      : FBands->SecondaryColor();
  }
  if (ACol < FixedCols() || ARow < FixedRows() || DisplColIndex(ACol) >= ColCount() - FFixedRightCols ||
      ARow >= RowCount() - FFixedFooters)
    Brush = FixedColor();
  return Brush;
}

void TRezIvevirAvod::ApplyAutoColors(Integer RCol, Integer ARow, TBrush* ABrush, TFont* AFont) {
  if (!FAutoColor->HasAutoColors()) return;
  const String Text = GetCells(RCol, ARow);
  const Integer Kind = foundation::NumberTextKind(Text);
  if (Kind != 0 && Kind != 1) return;
  double Value = 0;
  try {
    Value = GetFloats(RCol, ARow);
  } catch (const DAvoDeveDeviz&) {
    return;  // a number the float reading refuses keeps its colours
  }
  const TColorSetting* Setting = Value < 0 ? FAutoColor->NegativeNumber() : FAutoColor->PositiveNumber();
  if (Setting->TextColor() != clNone) AFont->SetColor(Setting->TextColor());
  if (Setting->BkgColor() != clNone) ABrush->SetColor(Setting->BkgColor());
}

void TRezIvevirAvod::GetVisualProperties(Integer ACol, Integer ARow, TGridDrawState& AState, bool Print,
                                         bool Select, bool Remap, TBrush* ABrush, TColor& AColorTo,
                                         TColor& AMirrorColor, TColor& AMirrorColorTo, TFont* AFont,
                                         TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  TMouseActions* MA = FMouseActions.get();
  const Integer RCol = Remap ? DisplToRealCol(ACol) : ACol;
  const Integer SRow =
      (MA->DisjunctRowSelect() && MA->RowSelectPersistent()) || FUseEnabledRows ? DisplToRealRow(ARow) : ARow;
  const bool Fixed = CellBaseLook(ACol, RCol, ARow, AState, Print, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                                  AFont, WW, GD);
  if (Print)
    GetCellPrintColor(RCol, ARow, AState, ABrush, AFont);
  else
    GetCellColor(RCol, ARow, AState, ABrush, AFont);
  if (OnGetCellGradient) {
    TColor Brush = ABrush->Color();
    OnGetCellGradient(this, ARow, RCol, Brush, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush->SetColor(Brush);
  }
  const TColor UnselectedBrush = ABrush->Color(), UnselectedFont = AFont->Color();
  const bool Visible = IsSelectionVisible();
  auto Look = [&](bool Mix) {
    TSelectionLook L{FSelectionColor, FSelectionColorTo, FSelectionMirrorColor, FSelectionMirrorColorTo,
                     FSelectionTextColor};
    if (Mix && ABrush->Color() != Color())
      L.Brush = MixSelectionColorIf(FSelectionColor, ABrush->Color(), FSelectionColorMixer,
                                    FSelectionColorMixerFactor);
    return L;
  };
  const bool Gate = ACol >= FixedCols() && ARow >= FixedRows() && !Print && Select && Visible && !Fixed;
  if (Gate && MA->DisjunctRowSelect()) {
    const bool InList = GetRowSelect(SRow);
    if ((!(FMouseDown && ARow == Row()) && InList) || (FMouseDown && !InList && AState.Contains(gdSelected))) {
      AState = TGridDrawState{gdSelected};
      ApplySelectionLook(Look(true), ABrush, AFont, AColorTo, AMirrorColor, AMirrorColorTo);
    } else {
      AState.Exclude(gdSelected);
    }
  }
  if (Gate && MA->DisjunctColSelect()) {
    const bool InList = GetColSelect(ACol);
    if ((!(FMouseDown && ACol == Col()) && InList) || (FMouseDown && !InList && AState.Contains(gdSelected))) {
      AState = TGridDrawState{gdSelected};
      ApplySelectionLook(Look(false), ABrush, AFont, AColorTo, AMirrorColor, AMirrorColorTo);
    }
  }
  if ((!Print && Select && Visible && !Fixed && IsSelected(ACol, ARow) && !MA->DisjunctRowSelect() &&
       !MA->DisjunctColSelect()) ||
      (AState.Contains(gdSelected) && FMouseDown && Visible)) {
    ApplySelectionLook(Look(true), ABrush, AFont, AColorTo, AMirrorColor, AMirrorColorTo);
    AState.Include(gdSelected);
  }
  if (MA->DisjunctCellSelect() && Visible) {
    if (FSelectedCells->HasValue((ARow << 16) | ACol)) {
      ApplySelectionLook(Look(false), ABrush, AFont, AColorTo, AMirrorColor, AMirrorColorTo);
      AState.Include(gdSelected);
    } else if (ACol == Col() && ARow == Row()) {
      AState.Exclude(gdSelected);
      ABrush->SetColor(UnselectedBrush);
      AFont->SetColor(UnselectedFont);
    }
  }
  if (FUseDisabledFont && ((FUseEnabledRows && !GetRowEnabled(SRow)) || !Enabled()))
    AFont->SetColor(FDisabledFontColor);
  if (MA->DisjunctRowSelect() && FSelectionColorTo == clNone && IsSelected(ACol, ARow) && Visible && !Print)
    ABrush->SetColor(foundation::AdjustColorPercent(ABrush->Color(), -10));
  GetCellWordWrap(RCol, ARow, WW);
  GetCellAlignment(RCol, ARow, HA, VA);
}

}  // namespace jorv::grid
