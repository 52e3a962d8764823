// The cell graphic record: its setters, its copy and what it owns.
#include "grid/core/CellGraphic.h"
#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

namespace {

bool IsCheckOrRadio(TCellType Kind) {
  return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctRadioButton;
}

}  // namespace

TBaseCellGraphic::~TBaseCellGraphic() {
  ReleaseBitmapSlot();
  if (FCellType == ctIcon && FCellCreated) delete FCellIcon;
}

bool TBaseCellGraphic::OwnsBitmapSlot() const {
  if (!FCellBitmap) return false;
  switch (FCellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton: return FCellCreated;
    case ctImages:
    case ctBalloon: return true;
    default: return IsCheckOrRadio(FCellType) && FCellBalloon;
  }
}

void TBaseCellGraphic::ReleaseBitmapSlot() {
  if (OwnsBitmapSlot()) delete FCellBitmap;
  FCellBitmap = nullptr;
  FCellBalloon = false;
}

void TBaseCellGraphic::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TBaseCellGraphic*>(Source);
  if (!S) {
    TPersistent::Assign(Source);
    return;
  }
  FCellType = S->FCellType;
  FCellVAlign = S->FCellVAlign;
  FCellHAlign = S->FCellHAlign;
  FCellIndex = S->FCellIndex;
  FCellTransparent = S->FCellTransparent;
  FCellValue = S->FCellValue;
  FCellAngle = S->FCellAngle;
  FCellBoolean = S->FCellBoolean;
  FCellErrFrom = S->FCellErrFrom;
  FCellErrLen = S->FCellErrLen;
  FCellText = S->FCellText;
  FCellCreated = S->FCellCreated;
}

void TCellGraphic::Assign(TPersistent* Source) {
  TBaseCellGraphic::Assign(Source);
  if (auto* S = dynamic_cast<TCellGraphic*>(Source)) {
    FCommentColor = S->FCommentColor;
    FCellComment = S->FCellComment;
  }
}

// --- setters ------------------------------------------------------------------------------

void TBaseCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctBitmap;
  FCellBitmap = ABmp;
  FCellTransparent = Transparent;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TBaseCellGraphic::SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctIcon;
  FCellIcon = AIcon;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TBaseCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, Integer Padding,
                                  TCellHAlign hal, TCellVAlign val) {
  FCellType = ctPicture;
  FCellBitmap = APicture;
  FCellTransparent = Transparent;
  FCellAngle = StretchMode;
  FCellIndex = Padding;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TBaseCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                                      Integer Padding, TCellHAlign hal, TCellVAlign val) {
  SetPicture(nullptr, Transparent, StretchMode, Padding, hal, val);
  FCellType = ctFilePicture;
  FCellBitmap = APicture;
}

void TBaseCellGraphic::SetImageIdx(Integer Idx, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctImageList;
  FCellIndex = Idx;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TBaseCellGraphic::SetDataImage(Integer Idx, TCellHAlign hal, TCellVAlign val) {
  SetImageIdx(Idx, hal, val);
  FCellType = ctDataImage;
}

void TBaseCellGraphic::SetMultiImage(Integer Col, Integer Row, Integer Dir, TCellHAlign hal, TCellVAlign val,
                                     TImageChangeEvent Notifier) {
  FCellType = ctImages;
  FCellHAlign = hal;
  FCellVAlign = val;
  FCellBoolean = Dir == 0;
  auto* List = new TIntList(Col, Row);
  List->OnChange = std::move(Notifier);
  FCellBitmap = List;
  FCellCreated = true;
}

void TBaseCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
  FCellType = Data ? ctDataCheckBox : ctCheckBox;
  FCellAngle = 0;
  FCellBoolean = Value;
  FCellHAlign = hal;
  FCellVAlign = val;
  FCellTransparent = Flat;
}

void TBaseCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  FCellType = ctTriStateCheckBox;
  FCellCheckBoxState = Value;
  FCellBoolean = false;
  FCellHAlign = hal;
  FCellVAlign = val;
  FCellTransparent = Flat;
}

void TBaseCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val,
                                      TRadioButtonGroup Group) {
  FCellType = ctRadioButton;
  FCellAngle = Group;
  FCellBoolean = Value;
  FCellHAlign = hal;
  FCellVAlign = val;
  FCellTransparent = Flat;
}

void TBaseCellGraphic::SetButton(Integer bw, Integer bh, const String& Caption, TCellHAlign hal,
                                 TCellVAlign val) {
  FCellType = ctButton;
  FCellIndex = Integer((Cardinal(bh) << 16) | (Cardinal(bw) & 0xFFFF));
  FCellText = Caption;
  FCellBoolean = false;
  FCellHAlign = hal;
  FCellVAlign = val;
}

void TBaseCellGraphic::SetBitButton(Integer bw, Integer bh, const String& Caption, TBitmap* Glyph,
                                    TCellHAlign hal, TCellVAlign val) {
  SetButton(bw, bh, Caption, hal, val);
  FCellType = ctBitButton;
  FCellBitmap = Glyph;
}

void TBaseCellGraphic::SetAngle(SmallInt AAngle) {
  FCellType = ctRotated;
  Integer Angle = AAngle;
  while (Angle < 0) Angle += 360;
  while (Angle > 360) Angle -= 360;
  FCellAngle = Angle;
}

void TBaseCellGraphic::SetInterfacedCell(TInterfacedPersistent* AObject) {
  FCellType = ctInterface;
  FCellBitmap = AObject;
}

// --- typed slots --------------------------------------------------------------------------

TBitmap* TBaseCellGraphic::Bitmap() const { return dynamic_cast<TBitmap*>(FCellBitmap); }
TIcon* TBaseCellGraphic::Icon() const { return dynamic_cast<TIcon*>(FCellIcon); }
TPicture* TBaseCellGraphic::Picture() const { return dynamic_cast<TPicture*>(FCellBitmap); }
TFilePicture* TBaseCellGraphic::FilePicture() const { return dynamic_cast<TFilePicture*>(FCellBitmap); }
TStrings* TBaseCellGraphic::Strings() const { return dynamic_cast<TStrings*>(FCellBitmap); }
TIntList* TBaseCellGraphic::IntList() const { return dynamic_cast<TIntList*>(FCellBitmap); }
IInterfacedCell* TBaseCellGraphic::Interfaced() const { return dynamic_cast<IInterfacedCell*>(FCellBitmap); }

TStringList* TBaseCellGraphic::BalloonTexts() const {
  if (FCellType == ctBalloon || (IsCheckOrRadio(FCellType) && FCellBalloon))
    return dynamic_cast<TStringList*>(FCellBitmap);
  return nullptr;
}

// --- picture size ------------------------------------------------------------------------

TPoint TBaseCellGraphic::GetPictureSize(Integer cw, Integer rh, bool) const {
  Integer pw = 0, ph = 0;
  if (FCellType == ctPicture) {
    if (TPicture* P = Picture()) pw = P->Width(), ph = P->Height();
  } else if (FCellType == ctFilePicture) {
    if (TFilePicture* P = FilePicture()) pw = P->Width(), ph = P->Height();
  } else {
    return TPoint{0, 0};
  }
  const Integer aw = cw - FCellIndex, ah = rh - FCellIndex;
  const bool Fits = aw >= pw && ah >= ph;
  double fx = pw > 0 ? double(aw) / pw : 1.0;
  double fy = ph > 0 ? double(ah) / ph : 1.0;
  auto Aspect = [&](double ScaleX, double ScaleY) {
    if (ScaleX >= ScaleY) return TPoint{Integer(Round(pw * ScaleY)), ah};
    return TPoint{aw, Integer(Round(ph * ScaleX))};
  };
  switch (static_cast<TStretchMode>(FCellAngle)) {
    case Stretch: return TPoint{aw, ah};
    case StretchWithAspectRatio: return Aspect(fx, fy);
    case Shrink: return Fits ? TPoint{pw, ph} : TPoint{aw, ah};
    case ShrinkWithAspectRatio: return Fits ? TPoint{pw, ph} : Aspect(std::min(fx, 1.0), std::min(fy, 1.0));
    default: return TPoint{pw, ph};
  }
}

}  // namespace jorv::grid
