#include "platform/gfx/ImageList.h"

#include <algorithm>
#include <commctrl.h>

namespace jorv {

namespace {
struct TCommonControls {
  TCommonControls() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
  }
};

COLORREF ToImageListColor(TColor c) {
  if (c == clNone) return CLR_NONE;
  if (c == clDefault) return CLR_DEFAULT;
  return COLORREF(ColorToRGB(c));
}
}  // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(Integer AWidth, Integer AHeight, TComponent* AOwner)
    : TComponent(AOwner), FWidth(std::max(AWidth, 1)), FHeight(std::max(AHeight, 1)) {}

TCustomImageList::~TCustomImageList() { FreeHandle(); }

void TCustomImageList::FreeHandle() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

HIMAGELIST TCustomImageList::Handle() {
  if (!FHandle) {
    static TCommonControls init;
    FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | ILC_MASK, FAllocBy, FAllocBy);
    if (!FHandle) throw EOutOfResources(L"Out of system resources");
    ImageList_SetBkColor(FHandle, ToImageListColor(FBkColor));
  }
  return FHandle;
}

void TCustomImageList::Change() {
  if (OnChange) OnChange(this);
}

void TCustomImageList::CheckIndex(Integer Index) {
  if (Index < 0 || Index >= Count()) throw EInvalidOperation(L"Invalid ImageList Index");
}

void TCustomImageList::SetSize(Integer AWidth, Integer AHeight) {
  AWidth = std::max(AWidth, 1);
  AHeight = std::max(AHeight, 1);
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  if (FHandle) {
    ImageList_SetIconSize(FHandle, FWidth, FHeight);  // also drops the images
    Change();
  }
}

Integer TCustomImageList::Count() { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

void TCustomImageList::SetBkColor(TColor Value) {
  if (Value == FBkColor) return;
  FBkColor = Value;
  if (FHandle) ImageList_SetBkColor(FHandle, ToImageListColor(Value));
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle Value) {
  if (Value == FDrawingStyle) return;
  FDrawingStyle = Value;
  Change();
}

void TCustomImageList::SetImageType(TImageType Value) {
  if (Value == FImageType) return;
  FImageType = Value;
  Change();
}

Integer TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image || Image->Empty()) return -1;
  int index = ImageList_Add(Handle(), Image->Handle(), Mask ? Mask->Handle() : nullptr);
  if (index < 0) throw EInvalidOperation(L"Failed to add the image to the list");
  Change();
  return index;
}

Integer TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image || Image->Empty()) return -1;
  // The list changes the bitmap it is given: hand it a copy.
  TBitmap copy;
  copy.Assign(Image);
  if (copy.PixelFormat() == pf32bit) copy.SetPixelFormat(pf24bit);
  int index = ImageList_AddMasked(Handle(), copy.Handle(), ToImageListColor(MaskColor));
  if (index < 0) throw EInvalidOperation(L"Failed to add the image to the list");
  Change();
  return index;
}

Integer TCustomImageList::AddIcon(TIcon* Image) {
  if (!Image || Image->Empty()) return -1;
  int index = ImageList_ReplaceIcon(Handle(), -1, Image->Handle());
  if (index < 0) throw EInvalidOperation(L"Failed to add the image to the list");
  Change();
  return index;
}

void TCustomImageList::Replace(Integer Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  if (!Image) return;
  if (!ImageList_Replace(FHandle, Index, Image->Handle(), Mask ? Mask->Handle() : nullptr))
    throw EInvalidOperation(L"Failed to replace the image");
  Change();
}

void TCustomImageList::Delete(Integer Index) {
  CheckIndex(Index);
  ImageList_Remove(FHandle, Index);
  Change();
}

void TCustomImageList::Clear() {
  if (FHandle) ImageList_Remove(FHandle, -1);
  Change();
}

void TCustomImageList::Move(Integer CurIndex, Integer NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex == NewIndex) return;
  // Step the image along by swaps so the others keep their order.
  int step = CurIndex < NewIndex ? 1 : -1;
  for (int i = CurIndex; i != NewIndex; i += step) ImageList_Copy(FHandle, i, FHandle, i + step, ILCF_SWAP);
  Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled) {
  Draw(Canvas, X, Y, Index, FDrawingStyle, FImageType, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index,
                            TDrawingStyle ADrawingStyle, TImageType AImageType, bool Enabled) {
  if (!Canvas || !FHandle || Index < 0 || Index >= Count()) return;
  HDC dc = Canvas->Handle();
  if (Enabled) {
    static const UINT styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
    UINT style = styles[ADrawingStyle] | (AImageType == itMask ? ILD_MASK : 0);
    ImageList_DrawEx(FHandle, Index, dc, X, Y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
    return;
  }
  // Disabled: the image's shape in the highlight colour one pixel down
  // and right, and in the shadow colour on top.
  HDC maskDC = CreateCompatibleDC(dc);
  HBITMAP maskBmp = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(maskDC, maskBmp);
  PatBlt(maskDC, 0, 0, FWidth, FHeight, WHITENESS);
  ImageList_DrawEx(FHandle, Index, maskDC, 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
  COLORREF oldText = SetTextColor(dc, 0);
  COLORREF oldBk = ::SetBkColor(dc, 0xFFFFFF);
  const DWORD ropPSDPxax = 0x00B8074A;  // keeps D where the mask is white
  HBRUSH hi = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
  HBRUSH sh = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldBrush = SelectObject(dc, hi);
  BitBlt(dc, X + 1, Y + 1, FWidth, FHeight, maskDC, 0, 0, ropPSDPxax);
  SelectObject(dc, sh);
  BitBlt(dc, X, Y, FWidth, FHeight, maskDC, 0, 0, ropPSDPxax);
  SelectObject(dc, oldBrush);
  DeleteObject(hi);
  DeleteObject(sh);
  SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBk);
  SelectObject(maskDC, oldMask);
  DeleteObject(maskBmp);
  DeleteDC(maskDC);
  // The canvas's own brush is no longer the one in the DC.
  Canvas->Refresh();
}

void TCustomImageList::GetBitmap(Integer Index, TBitmap* Image) {
  if (!Image) return;
  CheckIndex(Index);
  Image->SetPixelFormat(pf24bit);
  Image->SetSize(FWidth, FHeight);
  TCanvas* c = Image->Canvas();
  c->Brush()->SetColor(FBkColor == clNone ? clBtnFace : FBkColor);
  c->FillRect(Rect(0, 0, FWidth, FHeight));
  Draw(c, 0, 0, Index);
}

void TCustomImageList::GetIcon(Integer Index, TIcon* Image) {
  if (!Image) return;
  CheckIndex(Index);
  HICON icon = ImageList_GetIcon(FHandle, Index, ILD_NORMAL);
  if (!icon) throw EInvalidOperation(L"Failed to read the image");
  Image->SetHandle(icon);
}

void TCustomImageList::Assign(TPersistent* Source) {
  if (auto* l = dynamic_cast<TCustomImageList*>(Source)) {
    if (l == this) return;
    FreeHandle();
    FWidth = l->FWidth;
    FHeight = l->FHeight;
    FAllocBy = l->FAllocBy;
    FBkColor = l->FBkColor;
    FDrawingStyle = l->FDrawingStyle;
    FImageType = l->FImageType;
    if (l->FHandle) {
      FHandle = ImageList_Duplicate(l->FHandle);
      if (!FHandle) throw EOutOfResources(L"Out of system resources");
    }
    Change();
    return;
  }
  TComponent::Assign(Source);
}

}  // namespace jorv
