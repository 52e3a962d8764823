#include "dropdown/ItemSelector.h"
#include "dropdown/DropDownPaint.h"
#include "foundation/Gradients.h"
#include "foundation/HTMLUtils.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"

namespace jorv::dropdown {

using foundation::DrawRoundedGradientButton;

// --- items --------------------------------------------------------------------------------------

TSelectorItem::TSelectorItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::ItemChanged() {
  if (auto* Owner = dynamic_cast<TSelectorItems*>(Collection())) Owner->DoChange();
}

void TSelectorItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  ItemChanged();
}

void TSelectorItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  ItemChanged();
}

void TSelectorItem::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  ItemChanged();
}

void TSelectorItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TSelectorItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(Item->Caption());
  SetColor(Item->Color());
  SetImageIndex(Item->ImageIndex());
  FImage->Assign(Item->Image());
  FEnabled = Item->Enabled();
  FHint = Item->Hint();
}

// --- item appearance -----------------------------------------------------------------------------

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->SetName(L"Tahoma");
  SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

namespace {

// The preset colours, in the order ColorHot, ColorHotTo, ColorMirrorHot,
// ColorMirrorHotTo, BorderColorTop, BorderColorBottom, BorderColor,
// EdgeColor, ColorSelected, ColorSelectedTo, ColorMirrorSelected,
// ColorMirrorSelectedTo.
struct TItemLook {
  TColor Colors[12];
};
constexpr TItemLook Office2007{{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3,
                                0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9}};
constexpr TItemLook Vista{{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB,
                           0xFAEEDE, 0xFAE3B4, clNone, clNone}};
constexpr TItemLook Windows7{{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE,
                              0xF9D8B9, 0xFBCAA2, clNone, clNone}};

TColor* LookFields(TItemAppearance* A, Integer Index) {
  TColor* Fields[12] = {&A->ColorHot,          &A->ColorHotTo,       &A->ColorMirrorHot,
                        &A->ColorMirrorHotTo,  &A->BorderColorTop,   &A->BorderColorBottom,
                        &A->BorderColor,       &A->EdgeColor,        &A->ColorSelected,
                        &A->ColorSelectedTo,   &A->ColorMirrorSelected, &A->ColorMirrorSelectedTo};
  return Fields[Index];
}

}  // namespace

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
  if (FColorStyle == Value) return;
  FColorStyle = Value;
  const TItemLook* Look = Value == scOffice2007     ? &Office2007
                          : Value == scWindowsVista ? &Vista
                          : Value == scWindows7     ? &Windows7
                                                    : nullptr;
  if (!Look) return;
  for (Integer Index = 0; Index < 12; ++Index) *LookFields(this, Index) = Look->Colors[Index];
}

void TItemAppearance::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TItemAppearance*>(Source);
  if (!From) {
    TPersistent::Assign(Source);
    return;
  }
  for (Integer Index = 0; Index < 12; ++Index) *LookFields(this, Index) = *LookFields(From, Index);
  FFont->Assign(From->Font());
  SetColorStyle(From->ColorStyle());
  ColorSelectedText = From->ColorSelectedText;
  ColorHotText = From->ColorHotText;
  BorderColorHot = From->BorderColorHot;
  BorderColorSelected = From->BorderColorSelected;
}

Integer StepTarget(Integer Current, Integer Count, bool Forward) {
  if (Count <= 0) return -1;
  if (Current < 0) return 0;
  const Integer Target = Forward ? Current + 1 : Current - 1;
  return Target >= 0 && Target < Count ? Target : -1;
}

const String& TTypeAheadText::Add(Char Key) {
  const Cardinal Now = jorv::GetTickCount();
  if (!FText.empty() && Cardinal(Now - FStart) >= WindowMs) FText.clear();
  if (FText.empty()) FStart = Now;
  FText += Key;
  return FText;
}

void ApplyItemAppearanceStyle(TItemAppearance* A, foundation::TZVQStyle Style) {
  using namespace foundation;
  if (!A || Style == tsCustom) return;
  A->BorderColorHot = A->BorderColorSelected = clNone;
  A->ColorSelectedText = A->ColorHotText = 0;
  auto Set = [A](TColor Hot, TColor HotTo, TColor MirrorHot, TColor MirrorHotTo, TColor Selected,
                 TColor SelectedTo, TColor MirrorSelected, TColor MirrorSelectedTo, TColor Border,
                 TColor Top = clNone, TColor Bottom = clNone, TColor Edge = clNone) {
    A->ColorHot = Hot;
    A->ColorHotTo = HotTo;
    A->ColorMirrorHot = MirrorHot;
    A->ColorMirrorHotTo = MirrorHotTo;
    A->ColorSelected = Selected;
    A->ColorSelectedTo = SelectedTo;
    A->ColorMirrorSelected = MirrorSelected;
    A->ColorMirrorSelectedTo = MirrorSelectedTo;
    A->BorderColor = Border;
    A->BorderColorTop = Top;
    A->BorderColorBottom = Bottom;
    A->EdgeColor = Edge;
  };
  switch (Style) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
      Set(0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE);
      break;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver:
      Set(0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF,
          0xCAF8FF, 0xC3D9DF);
      break;
    case tsOffice2003Classic:
      Set(0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080);
      break;
    case tsWindowsXP:
      Set(0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight);
      A->ColorSelectedText = clHighlightText;
      break;
    case tsWindowsVista:
      Set(0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7,
          0xFCEDCB);
      break;
    case tsWindows7:
      Set(0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB,
          0xE0C5AE);
      break;
    case tsTerminal:
      Set(0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080);
      A->ColorSelectedText = clHighlightText;
      break;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
      Set(0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2);
      break;
    default: break;
  }
}

// --- host ---------------------------------------------------------------------------------------------

TExCustomItemSelector::TExCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner),
      FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)) {
  FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
  SetColor(clWindow);
  SetAutoScroll(true);
  CreateSelectorPanel();
  UpdateSelectorPanel();
}

TExCustomItemSelector::~TExCustomItemSelector() {
  // The panel goes with the components; nothing may reach the items after.
  FItems->OnChange = nullptr;
}

void TExCustomItemSelector::CreateSelectorPanel() {
  if (FPanel) return;
  FPanel = new TCustomItemSelector(this);
  FPanel->SetParent(this);
  FPanel->OnItemSelect = [this](TObject* Sender) { PanelItemSelect(Sender); };
}

void TExCustomItemSelector::PanelItemSelect(TObject*) {
  if (OnItemSelect) OnItemSelect(this);
}

void TExCustomItemSelector::UpdateSelectorPanel() {
  if (FPanel) FPanel->ArrangeItems();
}

void TExCustomItemSelector::SetColumns(Integer Value) {
  if (Value < 1 || Value == FColumns) return;
  FColumns = Value;
  UpdateSelectorPanel();
}

void TExCustomItemSelector::SetSelectorType(TSelectorType Value) {
  if (Value == FSelectorType) return;
  FSelectorType = Value;
  UpdateSelectorPanel();
}

void TExCustomItemSelector::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxWidth(Integer Value) {
  if (Value == FColorBoxWidth) return;
  FColorBoxWidth = Value;
  UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxHeight(Integer Value) {
  if (Value == FColorBoxHeight) return;
  FColorBoxHeight = Value;
  UpdateSelectorPanel();
}

Integer TExCustomItemSelector::ItemIndex() const { return FPanel ? FPanel->ItemIndex() : -1; }

Integer TExCustomItemSelector::ItemHot() const { return FPanel ? FPanel->ItemHot() : -1; }

void TExCustomItemSelector::SetItemIndex(Integer Value) {
  if (!FPanel) return;
  FPanel->SetItemIndex(Value);
  ScrollItemInView(FPanel->ItemIndex());
}

void TExCustomItemSelector::SelectFirst() {
  if (!FPanel) return;
  FPanel->SelectFirst();
  ScrollItemInView(FPanel->ItemIndex());
}

void TExCustomItemSelector::SelectLast() {
  if (!FPanel) return;
  FPanel->SelectLast();
  ScrollItemInView(FPanel->ItemIndex());
}

void TExCustomItemSelector::SelectNext() {
  if (!FPanel) return;
  FPanel->SelectNext();
  ScrollItemInView(FPanel->ItemIndex());
}

void TExCustomItemSelector::SelectPrevious() {
  if (!FPanel) return;
  FPanel->SelectPrevious();
  ScrollItemInView(FPanel->ItemIndex());
}

void TExCustomItemSelector::HotNext() {
  if (!FPanel) return;
  FPanel->HotNext();
  ScrollItemInView(FPanel->ItemHot());
}

void TExCustomItemSelector::HotPrevious() {
  if (!FPanel) return;
  FPanel->HotPrevious();
  ScrollItemInView(FPanel->ItemHot());
}

bool TExCustomItemSelector::LookupItem(const String& S) {
  if (!FPanel) return false;
  const bool Found = FPanel->LookupItem(S);
  ScrollItemInView(FPanel->ItemIndex());
  return Found;
}

void TExCustomItemSelector::ScrollItemInView(Integer Index) {
  if (!FPanel || Index < 0 || Index >= FItems->Count() || !VertScrollBar()->IsScrollBarVisible()) return;
  TRect R = FItems->Items(Index)->ItemRect();
  const Integer Margin = VertScrollBar()->Margin();
  // The panel's own origin in the host's client area.
  const Integer PanelTop = FPanel->Top();
  R.Top += PanelTop - Margin;
  R.Bottom += PanelTop + Margin;
  const Integer Client = ClientHeight();
  if (R.Top < 0) {
    VertScrollBar()->SetPosition(VertScrollBar()->Position() + R.Top);
    return;
  }
  if (R.Bottom <= Client) return;
  if (R.Bottom - R.Top > Client) R.Bottom = R.Top + Client;
  VertScrollBar()->SetPosition(VertScrollBar()->Position() + R.Bottom - Client);
}

// Rows are counted from item 0's laid-out height; before any layout that
// height is 0 and no row is known to fit.
Integer TExCustomItemSelector::GetVisibleItemCount() {
  if (!FPanel || FItems->Count() == 0) return 0;
  const TRect& First = FItems->Items(0)->ItemRect();
  const Integer RowHeight = First.Bottom - First.Top;
  if (RowHeight <= 0) return 0;
  Integer H = Height();
  if (HorzScrollBar()->IsScrollBarVisible()) H -= 20;
  return (H / RowHeight) * FColumns;
}

void TExCustomItemSelector::GetPanelSize(TSize& Size) {
  Size = FPanel ? TSize{FPanel->Width(), FPanel->Height()} : TSize{100, 50};
}

void TExCustomItemSelector::Dispatch(TMessage& M) {
  if (M.Msg == WM_GETDLGCODE) {
    M.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    return;
  }
  TScrollingWinControl::Dispatch(M);
  if (M.Msg == WM_VSCROLL) {
    const TWMScroll& Scroll = MsgAs<TWMScroll>(M);
    if (Scroll.ScrollCode == SB_THUMBTRACK) VertScrollBar()->SetPosition(Scroll.Pos);
  }
}

void TExCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation) {
  TScrollingWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages && !ComponentState().Contains(csDestroying))
    FImages = nullptr;
}

// --- panel: layout ------------------------------------------------------------------------------------------

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControl(AOwner), FHost(dynamic_cast<TExCustomItemSelector*>(AOwner)) {
  if (!FHost) throw Exception(L"Invalid parent");
  SetParentColor(true);
}

void TCustomItemSelector::GetItemsArea(TRect& R) {
  R = ClientRect();
  R.Left += OffSetX;
  R.Right -= OffSetX;
  R.Top += OffSetY;
  R.Bottom -= OffSetY;
}

TSize TCustomItemSelector::ContentSize(TSelectorItem* Item) {
  if (FHost->SelectorType() == stColor) return TSize{FHost->ColorBoxWidth(), FHost->ColorBoxHeight()};
  TGraphic* Graphic = Item->Image()->Graphic();
  if (Graphic && !Graphic->Empty()) return TSize{Graphic->Width(), Graphic->Height()};
  if (FHost->Images() && Item->ImageIndex() >= 0) return TSize{FHost->Images()->Width(), FHost->Images()->Height()};
  return TSize{0, 0};
}

void TCustomItemSelector::GetItemSize(TSize& ASize) {
  if (FHost->OnItemSize) {
    FHost->OnItemSize(this, ASize);
    return;
  }
  Integer W = 0, H = 0, TextWidth = 0, TextHeight = 0;
  if (FHost->SelectorType() == stColor) {
    W = FHost->ColorBoxWidth();
    H = FHost->ColorBoxHeight();
  }
  Canvas()->Font()->Assign(FHost->ItemAppearance()->Font());
  for (Integer Index = 0; Index < Items()->Count(); ++Index) {
    TSelectorItem* Item = Items()->Items(Index);
    if (FHost->SelectorType() == stImage) {
      const TSize Content = ContentSize(Item);
      W = Max(W, Content.cx);
      H = Max(H, Content.cy);
    }
    TSize Text;
    DrawHTMLCaption(Canvas(), Item->Caption(), TRect(0, 0, 1000, 500), FHost->Images(), false, nullptr, Text);
    TextWidth = Max(TextWidth, Text.cx);
    TextHeight = Max(TextHeight, Text.cy);
  }
  if (TextWidth > 0) TextWidth += 4;
  const TItemLayout Layout = FHost->ItemLayout();
  if (Layout == ilCaptionLeft || Layout == ilCaptionRight) {
    ASize.cx = 2 * ItemOffSetX + W + (W > 0 && TextWidth > 0 ? CaptionGap : 0) + TextWidth;
    ASize.cy = Max(TextHeight, H) + 2 * ItemOffSetY;
  } else {
    ASize.cx = Max(TextWidth, W) + 2 * ItemOffSetX;
    ASize.cy = 2 * ItemOffSetY + H + (H > 0 && TextHeight >= 1 ? CaptionGap : 0) + TextHeight;
  }
}

void TCustomItemSelector::ArrangeItems() {
  const Integer Count = Items()->Count();
  if (Count == 0) {
    SetHeight(50);
    SetWidth(100);
    return;
  }
  FItemHot = -1;
  TSize Cell{0, 0};
  GetItemSize(Cell);
  TRect Area;
  GetItemsArea(Area);
  Integer X = Area.Left, Y = Area.Top, MaxX = 0, Column = 0;
  for (Integer Index = 0; Index < Count; ++Index) {
    Items()->Items(Index)->SetItemRect(TRect(X, Y, X + Cell.cx, Y + Cell.cy));
    ++Column;
    if (Index == Count - 1) break;
    if (Column < FHost->Columns()) {
      X += Cell.cx;
    } else {
      MaxX = Max(MaxX, X);
      X = Area.Left;
      Y += Cell.cy;
      Column = 0;
    }
  }
  MaxX = Max(MaxX, X);
  SetBounds(Left(), Top(), MaxX + Cell.cx + Area.Left, Y + Cell.cy + Area.Top);
}

void TCustomItemSelector::GetItemRect(Integer Index, TRect& R) {
  R = IsValid(Index) ? Items()->Items(Index)->ItemRect() : TRect(-1, -1, -1, -1);
}

Integer TCustomItemSelector::ItemAtPos(Integer X, Integer Y) {
  for (Integer Index = 0; Index < Items()->Count(); ++Index)
    if (Items()->Items(Index)->ItemRect().Contains(TPoint{X, Y})) return Index;
  return -1;
}

// --- panel: painting ------------------------------------------------------------------------------------------

void TCustomItemSelector::Paint() { PaintItems(Canvas()); }

void TCustomItemSelector::PaintItems(TCanvas* ACanvas) {
  for (Integer Index = 0; Index < Items()->Count(); ++Index) DrawItem(Index, ACanvas);
}

void TCustomItemSelector::PaintItemBackground(Integer Index, TCanvas* ACanvas, const TRect& R) {
  TItemAppearance* A = FHost->ItemAppearance();
  TColor Border = A->BorderColor, Top = A->BorderColorTop, Bottom = A->BorderColorBottom, Edge = A->EdgeColor;
  TColor Fill = clNone, FillTo = clNone, Mirror = clNone, MirrorTo = clNone;
  auto Take = [&](TColor C, TColor CTo, TColor M, TColor MTo, TColor Frame) {
    Fill = C;
    FillTo = CTo;
    Mirror = M;
    MirrorTo = MTo;
    if (Frame == clNone) return;
    Border = Frame;
    Top = Bottom = Edge = clNone;
  };
  const bool Hot = Index == FItemHot, Selected = Index == FItemIndex;
  if (Hot) Take(A->ColorHot, A->ColorHotTo, A->ColorMirrorHot, A->ColorMirrorHotTo, A->BorderColorHot);
  if (Selected)
    Take(A->ColorSelected, A->ColorSelectedTo, A->ColorMirrorSelected, A->ColorMirrorSelectedTo,
         A->BorderColorSelected);
  if (!Hot && !Selected) {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Color());
    ACanvas->FillRect(R);
  } else if (Top == clNone) {
    FillAndFrameRect(ACanvas, R, Fill, FillTo, Border, 1, gdVertical);
  } else {
    DrawRoundedGradientButton(ACanvas, Fill, FillTo, Mirror, MirrorTo, Top, Bottom, Border, Edge, Color(), R,
                              0);
  }
}

void TCustomItemSelector::DrawContent(TSelectorItem* Item, TCanvas* ACanvas, Integer X, Integer Y, TSize Size) {
  if (FHost->SelectorType() == stColor) {
    ACanvas->Pen()->SetColor(clBlack);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Item->Color());
    ACanvas->Rectangle(X, Y, X + Size.cx, Y + Size.cy);
    return;
  }
  TGraphic* Graphic = Item->Image()->Graphic();
  if (Graphic && !Graphic->Empty())
    ACanvas->Draw(X, Y, Graphic);
  else if (FHost->Images() && Item->ImageIndex() >= 0)
    FHost->Images()->Draw(ACanvas, X, Y, Item->ImageIndex(), Item->Enabled());
}

// Draws Caption at the top of T, first moved down to centre it when asked;
// returns the caption's size.
TSize TCustomItemSelector::DrawCaption(TCanvas* ACanvas, const String& Caption, TRect T, bool CentreVertically) {
  TSize Text{0, 0};
  DrawHTMLCaption(ACanvas, Caption, T, FHost->Images(), false, Handle(), Text);
  if (CentreVertically && T.Height() > Text.cy) T.Top += (T.Height() - Text.cy) / 2;
  TSize Drawn;
  ACanvas->Brush()->SetStyle(bsClear);
  DrawHTMLCaption(ACanvas, Caption, T, FHost->Images(), true, Handle(), Drawn);
  return Text;
}

void TCustomItemSelector::DrawItemContent(TSelectorItem* Item, TCanvas* ACanvas, const TRect& R) {
  const TSize Size = ContentSize(Item);
  const bool Box = FHost->SelectorType() == stColor;
  TRect T(R.Left + ItemOffSetX, R.Top + ItemOffSetY, R.Right - ItemOffSetX, R.Bottom - ItemOffSetY);
  TRect P = T;
  const String& Caption = Item->Caption();
  auto CentredTop = [&] { return Box ? P.Top : P.Top + (P.Height() - Size.cy) / 2; };
  switch (FHost->ItemLayout()) {
    case ilCaptionLeft:
      if (!Caption.empty()) {
        T.Right -= Size.cx;
        P.Left = T.Left + DrawCaption(ACanvas, Caption, T, true).cx + CaptionGap;
      }
      DrawContent(Item, ACanvas, P.Left, CentredTop(), Size);
      break;
    case ilCaptionRight:
      DrawContent(Item, ACanvas, P.Left, CentredTop(), Size);
      if (Size.cx > 0) T.Left = P.Left + Size.cx + CaptionGap;
      if (!Caption.empty()) DrawCaption(ACanvas, Caption, T, true);
      break;
    case ilCaptionTop:
      if (!Caption.empty()) {
        T.Bottom -= Size.cy;
        P.Top = T.Top + DrawCaption(ACanvas, Caption, T, false).cy + CaptionGap;
      } else {
        P.Top += (P.Height() - Size.cy) / 2;
      }
      DrawContent(Item, ACanvas, P.Left + (P.Width() - Size.cx) / 2, P.Top, Size);
      break;
    case ilCaptionBottom:
      if (Caption.empty()) P.Top += (P.Height() - Size.cy) / 2;
      DrawContent(Item, ACanvas, P.Left + (P.Width() - Size.cx) / 2, P.Top, Size);
      if (Size.cy > 0) T.Top = P.Top + Size.cy + CaptionGap;
      if (!Caption.empty()) DrawCaption(ACanvas, Caption, T, false);
      break;
  }
}

void TCustomItemSelector::DrawItem(Integer Index, TCanvas* ACanvas) {
  if (!IsValid(Index) || !ACanvas || !FHost) return;
  TSelectorItem* Item = Items()->Items(Index);
  const TRect R = Item->ItemRect();
  if (R.Left < 0 && R.Right < 0) return;
  PaintItemBackground(Index, ACanvas, R);
  if (FHost->OnDrawItem) {
    FHost->OnDrawItem(this, ACanvas, R, Index);
    return;
  }
  TItemAppearance* A = FHost->ItemAppearance();
  ACanvas->Font()->Assign(A->Font());
  if (Index == FItemIndex)
    ACanvas->Font()->SetColor(A->ColorSelectedText);
  else if (Index == FItemHot)
    ACanvas->Font()->SetColor(A->ColorHotText);
  DrawItemContent(Item, ACanvas, R);
}

void TCustomItemSelector::InvalidateItem(Integer Index) {
  if (!IsValid(Index) || !HandleAllocated()) return;
  const TRect& R = Items()->Items(Index)->ItemRect();
  RECT Area{R.Left, R.Top, R.Right, R.Bottom};
  InvalidateRect(Handle(), &Area, TRUE);
}

// --- panel: hot and selected item -----------------------------------------------------------------------------

void TCustomItemSelector::SetItemIndex(Integer Value) {
  if (IsDisabled(Value)) return;
  if (FItemIndex >= 0 && FItemIndex != Value) {
    const Integer Old = FItemIndex;
    FItemIndex = -1;
    InvalidateItem(Old);
  }
  FItemIndex = Value;
  if (Value >= 0 && HandleAllocated()) DrawItem(Value, Canvas());
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(Integer Index) {
  if (Index == FItemHot || IsDisabled(Index)) return;
  if (FItemHot >= 0) {
    const Integer Old = FItemHot;
    FItemHot = -1;
    InvalidateItem(Old);
  }
  FItemHot = Index;
  if (Index >= 0 && HandleAllocated()) DrawItem(Index, Canvas());
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const Integer Index = ItemAtPos(X, Y);
  if (IsValid(Index) && !IsDisabled(Index)) SetItemIndex(Index);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const Integer Index = ItemAtPos(X, Y);
  if (Index < 0) {
    if (FItemHot >= 0) SetItemHot(-1);
    return;
  }
  if (Index == FItemHot) return;
  SetItemHot(IsDisabled(Index) ? -1 : Index);
  SetHint(Items()->Items(Index)->Hint());
  if (Application) Application->CancelHint();
}

void TCustomItemSelector::MouseLeave() {
  TCustomControl::MouseLeave();
  if (FItemHot >= 0) SetItemHot(-1);
}

// --- panel: stepping and type-ahead -------------------------------------------------------------------------------

void TCustomItemSelector::SelectFirst() {
  if (Items()->Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
  if (Items()->Count() > 0) SetItemIndex(Items()->Count() - 1);
}

void TCustomItemSelector::SelectNext() {
  if (const Integer Target = StepTarget(FItemIndex, Items()->Count(), true); Target >= 0) SetItemIndex(Target);
}

void TCustomItemSelector::SelectPrevious() {
  if (const Integer Target = StepTarget(FItemIndex, Items()->Count(), false); Target >= 0) SetItemIndex(Target);
}

void TCustomItemSelector::HotNext() {
  if (const Integer Target = StepTarget(FItemHot, Items()->Count(), true); Target >= 0) SetItemHot(Target);
}

void TCustomItemSelector::HotPrevious() {
  if (const Integer Target = StepTarget(FItemHot, Items()->Count(), false); Target >= 0) SetItemHot(Target);
}

// The search goes on from the selected item to the end, skipping the
// selected one, so that the same letter steps through the items that start
// with it; then once more from the top.
bool TCustomItemSelector::LookupItem(const String& S) {
  const Integer Count = Items()->Count();
  if (Count == 0 || S.empty()) return false;
  auto Matches = [&](Integer Index) {
    const String Key = AnsiUpperCase(Trim(foundation::HTMLToPlainText(Items()->Items(Index)->Caption())));
    return Key.compare(0, S.size(), S) == 0;
  };
  const Integer Start = Max(0, FItemIndex);
  for (Integer Index = Start; Index < Count; ++Index)
    if (Index != FItemIndex && Matches(Index)) {
      SetItemIndex(Index);
      return true;
    }
  if (Start == 0) return false;
  for (Integer Index = 0; Index < Count; ++Index)
    if (Matches(Index)) {
      SetItemIndex(Index);
      return true;
    }
  return false;
}

}  // namespace jorv::dropdown
