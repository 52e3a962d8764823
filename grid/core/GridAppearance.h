#pragma once
// The settings objects of the grid's looks: cell controls and fixed-cell
// gradients (TControlLook), progress bars, the background, automatic number
// colours, balloon tool tips and the HTML export. Each copies itself only
// from an object of its own class.
#include <memory>
#include "dropdown/Appearances.h"
#include "grid/base/IntList.h"
#include "grid/core/GridCoreTypes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Colors.h"

namespace jorv::grid {
using namespace jorv::dropdown;

class TRezIvevirAvod;

enum TControlStyle : uint8_t { csClassic, csFlat, csWinXP, csCorvane, csZVQ, csGlyph, csTheme };
enum TProgressStyle : uint8_t { psXP, psClassic };
enum TBackGroundDisplay : uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells : uint8_t { bcNormal, bcFixed, bcAll };

// A property stored without any side effect.
#define JORV_XGRID_PLAIN(Type, Name, Default)        \
 public:                                             \
  Type Name() const { return F##Name; }              \
  void Set##Name(Type Value) { F##Name = Value; }    \
                                                     \
 private:                                            \
  Type F##Name = Default;

class TControlLook : public TPersistent {
 public:
  explicit TControlLook(TRezIvevirAvod* AOwner);
  ~TControlLook() override;
  // Copies the control settings and all sixteen gradient colours; the
  // grid's own colours are left alone.
  void Assign(TPersistent* Source) override;
  // The values every style preset starts from.
  void Init();

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { StoreAndRepaint(FColor, Value); }
  TColor CommentColor() const { return FCommentColor; }
  void SetCommentColor(TColor Value) { StoreAndRepaint(FCommentColor, Value); }
  TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
  void SetCheckedGlyph(TBitmap* Value) { CopyGlyph(*FCheckedGlyph, Value); }
  TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
  void SetUnCheckedGlyph(TBitmap* Value) { CopyGlyph(*FUnCheckedGlyph, Value); }
  TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
  void SetRadioOnGlyph(TBitmap* Value) { CopyGlyph(*FRadioOnGlyph, Value); }
  TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
  void SetRadioOffGlyph(TBitmap* Value) { CopyGlyph(*FRadioOffGlyph, Value); }

  // The fixed-cell gradients also colour the grid: From, To and the hover
  // and down colours only when set, the mirror colours always.
  TColor FixedGradientFrom() const { return FFixedGradientFrom; }
  void SetFixedGradientFrom(TColor Value);
  TColor FixedGradientTo() const { return FFixedGradientTo; }
  void SetFixedGradientTo(TColor Value);
  TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
  void SetFixedGradientMirrorFrom(TColor Value);
  TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
  void SetFixedGradientMirrorTo(TColor Value);
  TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
  void SetFixedGradientHoverFrom(TColor Value);
  TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
  void SetFixedGradientHoverTo(TColor Value);
  TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
  void SetFixedGradientHoverMirrorFrom(TColor Value);
  TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
  void SetFixedGradientHoverMirrorTo(TColor Value);
  TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
  void SetFixedGradientHoverBorder(TColor Value);
  TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
  void SetFixedGradientDownFrom(TColor Value);
  TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
  void SetFixedGradientDownTo(TColor Value);
  TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
  void SetFixedGradientDownMirrorFrom(TColor Value);
  TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
  void SetFixedGradientDownMirrorTo(TColor Value);
  TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
  void SetFixedGradientDownBorder(TColor Value);

  Integer CheckSize() const { return FCheckSize; }
  void SetCheckSize(Integer Value) { StoreAndRepaint(FCheckSize, Value); }
  Integer RadioSize() const { return FRadioSize; }
  void SetRadioSize(Integer Value) { StoreAndRepaint(FRadioSize, Value); }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { StoreAndRepaint(FControlStyle, Value); }
  bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
  void SetDropDownAlwaysVisible(bool Value) { StoreAndRepaint(FDropDownAlwaysVisible, Value); }
  bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
  void SetSpinButtonsAlwaysVisible(bool Value) { StoreAndRepaint(FSpinButtonsAlwaysVisible, Value); }
  bool FlatButton() const { return FFlatButton; }
  void SetFlatButton(bool Value) { StoreAndRepaint(FFlatButton, Value); }
  bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
  void SetNoDisabledCheckRadioLook(bool Value) { StoreAndRepaint(FNoDisabledCheckRadioLook, Value); }
  bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
  void SetNoDisabledButtonLook(bool Value) { StoreAndRepaint(FNoDisabledButtonLook, Value); }
  Integer ProgressMarginX() const { return FProgressMarginX; }
  void SetProgressMarginX(Integer Value) { StoreAndRepaint(FProgressMarginX, Value); }
  Integer ProgressMarginY() const { return FProgressMarginY; }
  void SetProgressMarginY(Integer Value) { StoreAndRepaint(FProgressMarginY, Value); }
  bool ProgressXP() const { return FProgressXP; }
  void SetProgressXP(bool Value) { StoreAndRepaint(FProgressXP, Value); }
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(THeaderAppearance* Value) { FDropDownHeader->Assign(Value); }
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(TFooterAppearance* Value) { FDropDownFooter->Assign(Value); }

  JORV_XGRID_PLAIN(bool, FixedDropDownButton, false)
  JORV_XGRID_PLAIN(Integer, HintMaxWidth, 0)
  JORV_XGRID_PLAIN(bool, CheckAlwaysActive, false)
  JORV_XGRID_PLAIN(bool, RadioAlwaysActive, false)
  JORV_XGRID_PLAIN(Integer, DropDownCount, 8)
  JORV_XGRID_PLAIN(TColor, ProgressBorderColor, 0x808080)

 protected:
  TPersistent* GetOwner() const override;

 private:
  template <class T>
  void StoreAndRepaint(T& Field, T Value) {
    Field = Value;
    Repaint();
  }
  void CopyGlyph(TBitmap& Glyph, TBitmap* Value);
  void Repaint();

  TRezIvevirAvod* FGrid = nullptr;
  TColor FColor = 0;
  TColor FCommentColor = 0x0000FF;
  std::unique_ptr<TBitmap> FCheckedGlyph;
  std::unique_ptr<TBitmap> FUnCheckedGlyph;
  std::unique_ptr<TBitmap> FRadioOnGlyph;
  std::unique_ptr<TBitmap> FRadioOffGlyph;
  TColor FFixedGradientFrom = clNone;
  TColor FFixedGradientTo = clNone;
  TColor FFixedGradientMirrorFrom = clNone;
  TColor FFixedGradientMirrorTo = clNone;
  TColor FFixedGradientHoverFrom = 0xFFFFFF;
  TColor FFixedGradientHoverTo = 0x808080;
  TColor FFixedGradientHoverMirrorFrom = clNone;
  TColor FFixedGradientHoverMirrorTo = clNone;
  TColor FFixedGradientHoverBorder = 0xC0C0C0;
  TColor FFixedGradientDownFrom = 0xC0C0C0;
  TColor FFixedGradientDownTo = 0x808080;
  TColor FFixedGradientDownMirrorFrom = clNone;
  TColor FFixedGradientDownMirrorTo = clNone;
  TColor FFixedGradientDownBorder = 0x808080;
  Integer FCheckSize = 15;
  Integer FRadioSize = 10;
  TControlStyle FControlStyle = csTheme;
  bool FDropDownAlwaysVisible = false;
  bool FSpinButtonsAlwaysVisible = false;
  bool FFlatButton = false;
  bool FNoDisabledCheckRadioLook = false;
  bool FNoDisabledButtonLook = false;
  Integer FProgressMarginX = 2;
  Integer FProgressMarginY = 2;
  bool FProgressXP = false;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
};

// Every setter reports a changed value through OnChange.
class TGridProgressAppearance : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;

#define JORV_XGRID_NOTIFY(Type, Name, Default)                 \
 public:                                                       \
  Type Name() const { return F##Name; }                        \
  void Set##Name(Type Value) { Store(F##Name, Value); }        \
                                                               \
 private:                                                      \
  Type F##Name = Default;

  JORV_XGRID_NOTIFY(TColor, CompleteColor, 0x0000FF)
  JORV_XGRID_NOTIFY(TColor, CompleteFontColor, 0xFF0000)
  JORV_XGRID_NOTIFY(TColor, UnCompleteColor, clNone)
  JORV_XGRID_NOTIFY(TColor, UnCompleteFontColor, clWindowText)
  JORV_XGRID_NOTIFY(TColor, Level0Color, 0x00FF00)
  JORV_XGRID_NOTIFY(TColor, Level0ColorTo, 0xE1FFE1)
  JORV_XGRID_NOTIFY(TColor, Level1Color, 0x00FFFF)
  JORV_XGRID_NOTIFY(TColor, Level1ColorTo, 0xCAFFFF)
  JORV_XGRID_NOTIFY(TColor, Level2Color, 0x53A9FF)
  JORV_XGRID_NOTIFY(TColor, Level2ColorTo, 0xA8D3FF)
  JORV_XGRID_NOTIFY(TColor, Level3Color, 0x0000FF)
  JORV_XGRID_NOTIFY(TColor, Level3ColorTo, 0xCACAFF)
  JORV_XGRID_NOTIFY(Integer, Level1Perc, 70)
  JORV_XGRID_NOTIFY(Integer, Level2Perc, 90)
  JORV_XGRID_NOTIFY(TColor, BorderColor, 0x000000)
  JORV_XGRID_NOTIFY(bool, ShowBorder, false)
  JORV_XGRID_NOTIFY(bool, Stacked, false)
  JORV_XGRID_NOTIFY(bool, ShowPercentage, true)
  JORV_XGRID_NOTIFY(bool, CompletionSmooth, true)
  JORV_XGRID_NOTIFY(bool, ShowGradient, true)
  JORV_XGRID_NOTIFY(Integer, Steps, 11)
  JORV_XGRID_NOTIFY(TProgressStyle, Style, psXP)
#undef JORV_XGRID_NOTIFY

 public:
  TNotifyEvent OnChange;

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
  }
};

// The grid's background: a tiled or fixed picture, or a gradient.
class TBackGround : public TPersistent {
 public:
  explicit TBackGround(TRezIvevirAvod* AGrid);
  void Assign(TPersistent* Source) override;

  Integer Top() const { return FTop; }
  void SetTop(Integer Value) { StoreAndRepaint(FTop, Value); }
  Integer Left() const { return FLeft; }
  void SetLeft(Integer Value) { StoreAndRepaint(FLeft, Value); }
  TBackGroundDisplay Display() const { return FDisplay; }
  void SetDisplay(TBackGroundDisplay Value) { StoreAndRepaint(FDisplay, Value); }
  TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(TBitmap* Value);
  TBackGroundCells Cells() const { return FCells; }
  void SetCells(TBackGroundCells Value) { StoreAndRepaint(FCells, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { StoreAndRepaint(FColor, Value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { StoreAndRepaint(FColorTo, Value); }

 protected:
  TPersistent* GetOwner() const override;

 private:
  template <class T>
  void StoreAndRepaint(T& Field, T Value) {
    Field = Value;
    Repaint();
  }
  void Repaint();

  TRezIvevirAvod* FGrid = nullptr;
  Integer FTop = 0;
  Integer FLeft = 0;
  TBackGroundDisplay FDisplay = bdTile;
  std::unique_ptr<TBitmap> FBitmap = std::make_unique<TBitmap>();
  TBackGroundCells FCells = bcNormal;
  TColor FColor = clWindow;
  TColor FColorTo = clBtnFace;
};

class TColorSetting : public TPersistent {
 public:
  // Copies both colours without telling anyone.
  void Assign(TPersistent* Source) override;
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value);
  TColor BkgColor() const { return FBkgColor; }
  void SetBkgColor(TColor Value);

  TNotifyEvent OnChange;

 protected:
  virtual void Changed();

 private:
  TColor FTextColor = clNone;
  TColor FBkgColor = clNone;
};

// Colours of cells whose text is a number: below zero and the others.
class TAutoColor : public TPersistent {
 public:
  TAutoColor();
  void Assign(TPersistent* Source) override;
  TColorSetting* NegativeNumber() const { return FNegativeNumber.get(); }
  void SetNegativeNumber(TColorSetting* Value) { FNegativeNumber->Assign(Value); }
  TColorSetting* PositiveNumber() const { return FPositiveNumber.get(); }
  void SetPositiveNumber(TColorSetting* Value) { FPositiveNumber->Assign(Value); }
  // Any of the four colours set.
  bool HasAutoColors() const;

  TNotifyEvent OnChange;

 protected:
  virtual void Changed();

 private:
  std::unique_ptr<TColorSetting> FNegativeNumber = std::make_unique<TColorSetting>();
  std::unique_ptr<TColorSetting> FPositiveNumber = std::make_unique<TColorSetting>();
};

// -1 delays and clNone colours leave the tool tip's own values.
class TBalloonSettings : public TPersistent {
 public:
  // Copies everything but Transparency, Enable without notification.
  void Assign(TPersistent* Source) override;
  bool Enable() const { return FEnable; }
  void SetEnable(bool Value);

  TNotifyEvent OnEnableChange;

  JORV_XGRID_PLAIN(Integer, AutoHideDelay, -1)
  JORV_XGRID_PLAIN(TColor, BackgroundColor, clNone)
  JORV_XGRID_PLAIN(Integer, InitialDelay, -1)
  JORV_XGRID_PLAIN(Integer, ReshowDelay, -1)
  JORV_XGRID_PLAIN(TColor, TextColor, clNone)
  JORV_XGRID_PLAIN(Byte, Transparency, 0)

 private:
  bool FEnable = false;
};

// What the HTML export writes around and into its table.
class THTMLSettings : public TPersistent {
 public:
  // ExportImages and ColWidths are not copied.
  void Assign(TPersistent* Source) override;
  // Per-column widths of the exported table.
  TIntList* ColWidths() const { return FColWidths.get(); }

  JORV_XGRID_PLAIN(bool, AutoPreview, false)
  JORV_XGRID_PLAIN(Integer, BorderSize, 1)
  JORV_XGRID_PLAIN(Integer, CellSpacing, 0)
  JORV_XGRID_PLAIN(Integer, CellPadding, 0)
  JORV_XGRID_PLAIN(bool, ConvertSpecialChars, false)
  JORV_XGRID_PLAIN(bool, ExportImages, true)
  JORV_XGRID_PLAIN(String, FooterFile, L"")
  JORV_XGRID_PLAIN(String, FooterText, L"")
  JORV_XGRID_PLAIN(String, HeaderFile, L"")
  JORV_XGRID_PLAIN(String, HeaderText, L"")
  JORV_XGRID_PLAIN(bool, NonBreakingText, false)
  JORV_XGRID_PLAIN(String, PrefixTag, L"")
  JORV_XGRID_PLAIN(bool, SaveColor, true)
  JORV_XGRID_PLAIN(bool, SaveFonts, true)
  JORV_XGRID_PLAIN(String, SuffixTag, L"")
  JORV_XGRID_PLAIN(String, Summary, L"")
  JORV_XGRID_PLAIN(String, TableStyle, L"")
  JORV_XGRID_PLAIN(Integer, Width, 100)
  JORV_XGRID_PLAIN(bool, XHTML, false)

 private:
  std::unique_ptr<TIntList> FColWidths = std::make_unique<TIntList>(0, 0);
};

#undef JORV_XGRID_PLAIN

}  // namespace jorv::grid
