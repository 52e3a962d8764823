// Looks and colour presets: the look chooses how headers, selection and
// borders are drawn, a style fills in a whole colour scheme and the look it
// needs, colour tones give the flat look, and the Office theme can drive
// the style.
#include "foundation/Gradients.h"
#include "foundation/ZVQStyle.h"
#include "grid/core/GridGlyphs.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

namespace {

// The colours of one preset's fixed cells, active cell and selection.
struct TStyleColors {
  TGridLook Look;        // glCustom: the look is left as it is
  TColor ZF, ZT, ZMF, ZMT;
  enum TLookCopy : uint8_t { CopyNone, CopyFromTo, CopyAllThenClear, CopyNothing } Copy;
  TColor AC, ACTo;
  TColor Sel, SelTo, SelText;  // Sel clNone: the reset values stay
  bool KeepMirrors;
};

constexpr TColor None = clNone;

const TStyleColors& StyleColors(TExGridStyle S) {
  using enum TStyleColors::TLookCopy;
  static const TStyleColors Table[] = {
      /* gsOffice2003Blue */ {glXP, 0xFCE1CB, 0xE0A57D, None, None, CopyFromTo, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0, false},
      /* gsOffice2003Silver */ {glXP, 0xECE2E1, 0xB39698, None, None, CopyFromTo, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0, false},
      /* gsOffice2003Olive */ {glXP, 0xCFF0EA, 0x8CC0B1, None, None, CopyFromTo, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0, false},
      /* gsOffice2003Classic */ {glXP, 0xFFFFFF, 0xCCD4D8, None, None, CopyNone, 0xD8D5D4, 0xD8D5D4, None, None, None, false},
      /* gsOffice2007Luna */ {glOffice2007, 0xFBF9F6, 0xE8DBD2, None, None, CopyFromTo, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, None, 0, false},
      /* gsOffice2007Obsidian */ {glOffice2007, 0xF7F7F7, 0xDEDEDE, None, None, CopyFromTo, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, None, 0, false},
      /* gsWindowsXP */ {glXP, clBtnFace, clBtnFace, None, None, CopyNone, clBtnFace, clBtnFace, None, None, None, false},
      /* gsWhidbey */ {glCustom, 0xFFFFFF, clBtnFace, None, None, CopyNone, 0x94E6FB, 0x1595EE, None, None, None, false},
      /* gsCustom */ {glCustom, 0, 0, 0, 0, CopyNothing, 0, 0, None, None, None, false},
      /* gsOffice2007Silver */ {glOffice2007, 0xF3F3F1, 0xCAC9C8, None, None, CopyFromTo, 0x99CCFF, 0x699CFF, 0x95C7F5, None, 0, true},
      /* gsWindowsVista */ {glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, CopyAllThenClear, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, None, 0, false},
      /* gsWindows7 */ {glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, CopyAllThenClear, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, None, 0, false},
      /* gsTerminal */ {glStandard, 0, 0, 0, 0, CopyNothing, 0, 0, None, None, None, false},
      /* gsOffice2010Blue */ {glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, CopyAllThenClear, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, None, 0, false},
      /* gsOffice2010Silver */ {glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, CopyAllThenClear, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, None, 0, false},
      /* gsOffice2010Black */ {glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, CopyAllThenClear, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, None, 0, false},
      /* gsWindows8 */ {glOffice2007, 0xF7F6F5, 0xF7F6F5, 0xF7F6F5, 0xF7F6F5, CopyAllThenClear, 0xF7F6F5, 0xF7F6F5, 0xDAA026, None, 0xFFFFFF, false},
      /* gsOffice2013white */ {glOffice2007, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, CopyAllThenClear, 0xEEEEEE, 0xEEEEEE, 0xDAA026, None, 0xFFFFFF, false},
      /* gsOffice2013LightGray */ {glOffice2007, 0xFAFAFA, 0xFAFAFA, 0xFAFAFA, 0xFAFAFA, CopyAllThenClear, 0xFAFAFA, 0xFAFAFA, 0xDAA026, None, 0xFFFFFF, false},
      /* gsOffice2013Gray */ {glOffice2007, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, CopyAllThenClear, 0xF3F3F3, 0xF3F3F3, 0xDAA026, None, 0xFFFFFF, false},
  };
  return Table[S];
}

// Lines, sort header and border of one preset. A search-footer colour of
// ZF/ZT/ZMT takes the preset's gradient colour.
constexpr TColor SF_ZF = 0x7FFFFF01, SF_ZMT = 0x7FFFFF02, Unchanged = 0x7FFFFF03;
struct TStyleLines {
  TColor SFColor, SFColorTo, GL, FL, SH, SHTo, SHMirror, SHMirrorTo, Border;
  Integer SelStyle;  // -1 leaves the look's selection style
};

const TStyleLines& StyleLines(TExGridStyle S) {
  static const TStyleLines Table[] = {
      /* gsOffice2003Blue */ {SF_ZF, None, 0xC0C0C0, 0x808080, None, None, None, None, Unchanged, ssDefault},
      /* gsOffice2003Silver */ {SF_ZF, None, 0xC0C0C0, 0x808080, None, None, None, None, Unchanged, ssDefault},
      /* gsOffice2003Olive */ {SF_ZF, None, 0xC0C0C0, 0x808080, None, None, None, None, Unchanged, ssDefault},
      /* gsOffice2003Classic */ {0xFFFFFF, None, 0xC0C0C0, 0x808080, None, None, None, None, Unchanged, ssDefault},
      /* gsOffice2007Luna */ {SF_ZF, None, 0xF1EDEB, 0xD1BBA4, None, None, None, None, Unchanged, -2},
      /* gsOffice2007Obsidian */ {SF_ZF, None, 0xE5D7D0, 0x808080, None, None, None, None, Unchanged, -1},
      /* gsWindowsXP */ {clBtnFace, None, 0xC0C0C0, 0x808080, None, None, None, None, Unchanged, ssDefault},
      /* gsWhidbey */ {0xFFFFFF, None, 0xC0C0C0, 0x808080, None, None, None, None, Unchanged, ssDefault},
      /* gsCustom */ {Unchanged, Unchanged, Unchanged, Unchanged, None, None, None, None, Unchanged, -1},
      /* gsOffice2007Silver */ {SF_ZF, SF_ZMT, 0xE5D7D0, 0x808080, None, None, None, None, Unchanged, -1},
      /* gsWindowsVista */ {0xFFFFFF, 0xF4F2F1, 0xECECF0, 0xD4D2D1, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, Unchanged, ssVista},
      /* gsWindows7 */ {0xFDFCFA, 0xF7E9DD, 0xECECF0, 0xD4D2D1, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, Unchanged, ssWin7},
      /* gsTerminal */ {Unchanged, Unchanged, Unchanged, Unchanged, None, None, None, None, Unchanged, -1},
      /* gsOffice2010Blue */ {SF_ZF, SF_ZF, 0xC0C0C0, 0xC7B0A0, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7, Unchanged, ssDefault},
      /* gsOffice2010Silver */ {SF_ZF, SF_ZF, 0xC0C0C0, 0xBAB5B1, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA, Unchanged, ssDefault},
      /* gsOffice2010Black */ {SF_ZF, SF_ZF, 0xC0C0C0, 0x444444, 0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA, Unchanged, ssDefault},
      /* gsWindows8 */ {SF_ZF, SF_ZF, 0xDCDBDA, 0xDCDBDA, 0xF7F6F5, 0xF7F6F5, 0xF7F6F5, 0xF7F6F5, 0xE4E3E2, ssDefault},
      /* gsOffice2013white */ {SF_ZF, SF_ZF, 0xD4D4D4, 0xD4D4D4, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xD4D4D4, ssDefault},
      /* gsOffice2013LightGray */ {SF_ZF, SF_ZF, 0xC6C6C6, 0xC6C6C6, 0xFAFAFA, 0xFAFAFA, 0xFAFAFA, 0xFAFAFA, 0xC6C6C6, ssDefault},
      /* gsOffice2013Gray */ {SF_ZF, SF_ZF, 0xABABAB, 0xABABAB, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, 0xABABAB, ssDefault},
  };
  return Table[S];
}

// Hover and down gradients of the fixed cells; PreHover is what the
// grid's own hover colours are set to first.
struct THoverDown {
  TColor PreHover[4];
  TColor PreHoverBorder;
  TColor Hover[4];
  TColor HoverBorder;   // set on the grid only
  bool HoverBorderToLook;
  TColor Down[4];
  TColor DownBorder;
};

const THoverDown* StyleHoverDown(TExGridStyle S) {
  static const THoverDown Luna{{Unchanged, Unchanged, Unchanged, Unchanged}, Unchanged,
                               {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC}, 0xB79F87, true,
                               {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, 0xE4C19D};
  static const THoverDown Vista{{0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7}, 0xE3C993,
                                {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7}, 0xE3C993, false,
                                {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A}, 0xAE904F};
  static const THoverDown Win7{{0xFDF8F3, 0xF9F3EF, None, None}, 0xEEE8E3,
                               {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1}, 0xEEE8E3, false,
                               {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF}, 0xD5BCAA};
  static const THoverDown Office2010{{None, None, None, None}, None,
                                     {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF}, 0x3ABFE8, true,
                                     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF}, 0x308AC2};
  static const THoverDown Windows8{{None, None, None, None}, Unchanged,
                                   {0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8}, 0xF9CEA4, true,
                                   {0xF7E0C9, 0xF7E0C9, 0xF7E0C9, 0xF7E0C9}, 0xE4A262};
  static const THoverDown Office2013{{None, None, None, None}, Unchanged,
                                     {0xFCF0E4, 0xFCF0E4, 0xFCF0E4, 0xFCF0E4}, 0xEAB47E, true,
                                     {0xFCE2C8, 0xFCE2C8, 0xFCE2C8, 0xFCE2C8}, 0xE59D56};
  switch (S) {
    case gsOffice2007Luna: return &Luna;
    case gsWindowsVista: return &Vista;
    case gsWindows7: return &Win7;
    case gsOffice2010Blue:
    case gsOffice2010Silver:
    case gsOffice2010Black: return &Office2010;
    case gsWindows8: return &Windows8;
    case gsOffice2013white:
    case gsOffice2013LightGray:
    case gsOffice2013Gray: return &Office2013;
    default: return nullptr;
  }
}

}  // namespace

void TRezIvevirAvod::SetGradientColor(TColor& Field, TColor Value) {
  Field = Value == clNone ? clNone : ColorToRGB(Value);
  Invalidate();
}

// --- the look ----------------------------------------------------------------------------

void TRezIvevirAvod::SetLook(TGridLook Value) {
  if (FLook == Value) return;
  FLook = Value;
  if (Value != glCustom) {
    FControlLook->SetFixedGradientMirrorFrom(clNone);
    FControlLook->SetFixedGradientMirrorTo(clNone);
    FControlLook->SetFixedGradientFrom(clNone);
    FControlLook->SetFixedGradientTo(clNone);
    SetZVQGradientFrom(clNone);
    SetZVQGradientTo(clNone);
    SetZVQGradientMirrorFrom(clNone);
    SetZVQGradientMirrorTo(clNone);
    FSortSettings->SetHeaderColor(clNone);
  }
  switch (Value) {
    case glVista:
      SetStyle(gsWindowsVista);
      FGridStyle = gsWindowsVista;
      SetSelectionStyle(ssVista);
      break;
    case glWin7:
      SetStyle(gsWindows7);
      FGridStyle = gsWindows7;
      SetSelectionStyle(ssWin7);
      break;
    case glOffice2007:
      SetStyle(gsOffice2007Luna);
      FGridStyle = gsOffice2007Luna;
      SetSelectionStyle(ssOffice2007);
      break;
    case glCustom:
      break;
    default:
      if (!Designing()) PassStyleToDropDowns(tsWindowsXP);
      SetSelectionStyle(ssDefault);
      if (!Loading()) ApplyLookColors(Value);
      break;
  }
  SetScrollType(ssNormal);
  if (Value != glCustom) FBorderColor = 0xB99D7F;
  Invalidate();
}

void TRezIvevirAvod::ApplyLookColors(TGridLook Value) {
  const bool Plain = Value == glStandard || Value == glSoft || Value == glClassic;
  if (Plain) {
    SetFixedColor(clBtnFace);
    FControlLook->SetFixedGradientFrom(clBtnFace);
    FControlLook->SetFixedGradientTo(clNone);
  } else {
    FControlLook->SetFixedGradientFrom(0xFFFFFF);
    FControlLook->SetFixedGradientTo(clBtnFace);
  }
  SetGridFixedLineColor(0x808080);
  FControlLook->SetFixedGradientMirrorFrom(clNone);
  FControlLook->SetFixedGradientMirrorTo(clNone);
  SetZVQGradientMirrorFrom(clNone);
  SetZVQGradientMirrorTo(clNone);
  SetGridLineColor(0xC0C0C0);
  if (Value == glZVQ || Value == glXP) {
    FActiveCellColor = 0xEACAB6;
    FActiveCellColorTo = clNone;
    FSelectionColor = 0xEACAB6;
    FSelectionColorTo = clNone;
    FSelectionTextColor = 0x000000;
    FSearchFooter->SetColor(FZVQGradientFrom);
    FSearchFooter->SetColorTo(FZVQGradientTo);
    FControlLook->SetFixedGradientFrom(0xFFFFFF);
    FControlLook->SetFixedGradientTo(Value == glXP ? clBtnFace : 0xC0C0C0);
    FControlLook->SetFixedGradientHoverFrom(0xCFD0D1);
    FControlLook->SetFixedGradientHoverTo(0xBEC6C8);
    FControlLook->SetFixedGradientHoverMirrorFrom(0xBEC6C8);
    FControlLook->SetFixedGradientHoverMirrorTo(0xABBCBF);
    FControlLook->SetFixedGradientDownFrom(0x868788);
    FControlLook->SetFixedGradientDownTo(0x737C7E);
    FControlLook->SetFixedGradientDownMirrorFrom(0x737C7E);
    FControlLook->SetFixedGradientDownMirrorTo(0x627376);
  } else {
    FActiveCellColor = 0x808080;
    FActiveCellColorTo = clNone;
    FSelectionColor = clHighlight;
    FSelectionTextColor = clHighlightText;
    FSearchFooter->SetColor(clBtnFace);
    FSearchFooter->SetColorTo(clBtnFace);
  }
}

// --- style presets --------------------------------------------------------------------------

void TRezIvevirAvod::SetStyle(TExGridStyle AStyle) {
  FSelectionColor = clHighlight;
  FSelectionColorTo = clNone;
  FSelectionMirrorColor = clNone;
  FSelectionMirrorColorTo = clNone;
  FSelectionTextColor = clHighlightText;
  SetSelectionStyle(ssDefault);
  FSortSettings->SetHeaderColors(clNone, clNone, clNone, clNone);
  FControlLook->Init();
  if (AStyle != gsCustom) {
    ApplyStyleColors(AStyle);
    ApplyStyleLines(AStyle);
    ApplyStyleHoverDown(AStyle);
  }
  Invalidate();
}

void TRezIvevirAvod::ApplyStyleColors(TExGridStyle AStyle) {
  using enum TStyleColors::TLookCopy;
  const TStyleColors& S = StyleColors(AStyle);
  if (S.Look != glCustom) SetLook(S.Look);
  if (S.Copy == CopyNothing) return;
  SetZVQGradientFrom(S.ZF);
  SetZVQGradientTo(S.ZT);
  if (!S.KeepMirrors) {
    SetZVQGradientMirrorFrom(S.ZMF);
    SetZVQGradientMirrorTo(S.ZMT);
  }
  if (S.Copy == CopyFromTo) {
    FControlLook->SetFixedGradientFrom(FZVQGradientFrom);
    FControlLook->SetFixedGradientTo(FZVQGradientTo);
  } else if (S.Copy == CopyAllThenClear) {
    FControlLook->SetFixedGradientFrom(FZVQGradientFrom);
    FControlLook->SetFixedGradientTo(FZVQGradientTo);
    FControlLook->SetFixedGradientMirrorFrom(FZVQGradientMirrorFrom);
    FControlLook->SetFixedGradientMirrorTo(FZVQGradientMirrorTo);
    FControlLook->SetFixedGradientFrom(clNone);
    FControlLook->SetFixedGradientTo(clNone);
  } else {
    FControlLook->SetFixedGradientFrom(clNone);
    FControlLook->SetFixedGradientTo(clNone);
  }
  FActiveCellColor = S.AC;
  FActiveCellColorTo = S.ACTo;
  if (S.Sel != clNone) {
    FSelectionColor = S.Sel;
    if (S.SelTo != clNone) FSelectionColorTo = S.SelTo;
    FSelectionTextColor = S.SelText;
  }
  if (AStyle == gsWindowsXP) SetLook(glXP);
}

void TRezIvevirAvod::ApplyStyleLines(TExGridStyle AStyle) {
  const TStyleLines& L = StyleLines(AStyle);
  auto footerColor = [this](TColor C) {
    if (C == SF_ZF) return FZVQGradientFrom;
    if (C == SF_ZMT) return FZVQGradientMirrorTo;
    return C;
  };
  if (L.SFColor != Unchanged) FSearchFooter->SetColor(footerColor(L.SFColor));
  if (L.SFColorTo != Unchanged) FSearchFooter->SetColorTo(footerColor(L.SFColorTo));
  if (L.GL != Unchanged) SetGridLineColor(L.GL);
  if (L.FL != Unchanged) SetGridFixedLineColor(L.FL);
  FSortSettings->SetHeaderColors(L.SH, L.SHTo, L.SHMirror, L.SHMirrorTo);
  if (L.Border != Unchanged) FBorderColor = L.Border;
  if (L.SelStyle >= 0) SetSelectionStyle(static_cast<TGridSelectionStyle>(L.SelStyle));
  if (L.SelStyle == -2 && FLook == glOffice2007) SetSelectionStyle(ssOffice2007);
}

void TRezIvevirAvod::ApplyStyleHoverDown(TExGridStyle AStyle) {
  const THoverDown* H = StyleHoverDown(AStyle);
  if (!H) return;
  TColor* Grid[4] = {&FZVQGradientHoverFrom, &FZVQGradientHoverTo, &FZVQGradientHoverMirrorFrom,
                     &FZVQGradientHoverMirrorTo};
  for (int i = 0; i < 4; ++i)
    if (H->PreHover[i] != Unchanged) *Grid[i] = H->PreHover[i];
  if (H->PreHoverBorder != Unchanged) FZVQGradientHoverBorder = H->PreHoverBorder;
  FControlLook->SetFixedGradientHoverFrom(H->Hover[0]);
  FControlLook->SetFixedGradientHoverTo(H->Hover[1]);
  FControlLook->SetFixedGradientHoverMirrorFrom(H->Hover[2]);
  FControlLook->SetFixedGradientHoverMirrorTo(H->Hover[3]);
  if (H->HoverBorderToLook) FControlLook->SetFixedGradientHoverBorder(H->HoverBorder);
  FControlLook->SetFixedGradientDownFrom(H->Down[0]);
  FControlLook->SetFixedGradientDownTo(H->Down[1]);
  FControlLook->SetFixedGradientDownMirrorFrom(H->Down[2]);
  FControlLook->SetFixedGradientDownMirrorTo(H->Down[3]);
  FControlLook->SetFixedGradientDownBorder(H->DownBorder);
}

// --- the library-wide style, the Office theme, colour tones ----------------------------------

// The style is remembered after the preset ran as well: a preset that
// changes the look runs the look's own preset on the way, which would
// otherwise leave that preset's style remembered.
void TRezIvevirAvod::SetComponentStyle(TZVQStyle AStyle) {
  FGridStyle = AStyle;
  SetStyle(static_cast<TExGridStyle>(AStyle));
  FGridStyle = AStyle;
  if (!Designing()) PassStyleToDropDowns(AStyle);
  if (AStyle != tsCustom && FScrollType == ssMetro) SetScrollType(ssNormal);
}

// The grid's drop-down editors are made on first use; none exists until
// the editing code makes one, and those that exist take the style.
void TRezIvevirAvod::PassStyleToDropDowns(TZVQStyle) {}

void TRezIvevirAvod::ApplyOfficeTheme() {
  if (Designing()) return;
  TOfficeTheme Theme = CurrentOfficeTheme();
  if (Theme == FLastOfficeTheme) return;
  static const TZVQStyle Styles[] = {tsOffice2003Blue,   tsOffice2003Silver, tsOffice2003Olive,
                                     tsOffice2003Classic, tsOffice2007Luna,   tsOffice2007Silver,
                                     tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,
                                     tsOffice2010Black};
  if (Theme != otUnknown) SetComponentStyle(Styles[Theme]);
  FLastOfficeTheme = Theme;
}

void TRezIvevirAvod::SetColorTones(TColorTones ATones) {
  FColorTones = ATones;
  SetLook(glClassic);
  SetFlat(true);
  SetScrollType(ssMetro);
  SetFixedColor(ATones.Foreground.BrushColor);
  FFixedFont->SetColor(ATones.Foreground.TextColor);
  FFixedFont->SetName(DefaultUIFontName());
  SetColor(ATones.Background.BrushColor);
  Font()->SetName(DefaultUIFontName());
  Font()->SetColor(ATones.Background.TextColor);
  FSelectionColor = ATones.Selected.BrushColor;
  FSelectionTextColor = ATones.Selected.TextColor;
  FSelectionColorTo = clNone;
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(AdjustColorPercent(ATones.Foreground.BrushColor, -20));
  SetBorderStyle(bsNone);
  FControlLook->SetControlStyle(csGlyph);
  for (auto [Glyph, Name] : {std::pair{FControlLook->CheckedGlyph(), L"metrocheckon"},
                             std::pair{FControlLook->UnCheckedGlyph(), L"metrocheckoff"},
                             std::pair{FControlLook->RadioOffGlyph(), L"metroradiooff"},
                             std::pair{FControlLook->RadioOnGlyph(), L"metroradioon"}})
    LoadGridGlyph(Glyph, Name);
  FControlLook->SetFlatButton(true);
  FFloatingFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
  FCellNode->SetNodeType(cnFlat);
}

void TRezIvevirAvod::SetTheme(TXPColorScheme Scheme) {
  struct TScheme {
    TColor ZF, ZT, ZMF, ZMT, SF, SFTo, AC, ACTo;
  };
  static const TScheme Schemes[] = {
      /* xpNone */ {0xFFFFFF, clBtnFace, None, None, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3},
      /* xpBlue */ {0xFCE1CB, 0xE0A57D, None, None, SF_ZF, SF_ZMT, 0x94E6FB, 0x1595EE},
      /* xpGreen */ {0xCFF0EA, 0x8CC0B1, None, None, SF_ZF, SF_ZMT, 0x94E6FB, 0x1595EE},
      /* xpGray */ {0xECE2E1, 0xB39698, None, None, SF_ZF, SF_ZMT, 0x94E6FB, 0x1595EE},
      /* vistaAero */ {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE},
  };
  const TScheme& S = Schemes[Scheme];
  FZVQGradientFrom = ColorToRGB(S.ZF);
  FZVQGradientTo = ColorToRGB(S.ZT);
  FZVQGradientMirrorFrom = S.ZMF;
  FZVQGradientMirrorTo = S.ZMT;
  FSearchFooter->SetColor(S.SF == SF_ZF ? FZVQGradientFrom : S.SF);
  FSearchFooter->SetColorTo(S.SFTo == SF_ZMT ? FZVQGradientTo : S.SFTo);
  FActiveCellColor = S.AC;
  FActiveCellColorTo = S.ACTo;
  FControlLook->SetFixedGradientFrom(Scheme == xpNone ? clNone : FZVQGradientFrom);
  FControlLook->SetFixedGradientTo(Scheme == xpNone ? clNone : FZVQGradientTo);
}

}  // namespace jorv::grid
