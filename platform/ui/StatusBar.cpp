#include "platform/ui/StatusBar.h"
#include <commctrl.h>
#include <vector>
#include "platform/ui/ListControlItems.h"

namespace jorv {

// --- panels ---------------------------------------------------------------------

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

void TStatusPanel::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Changed(false);
}

void TStatusPanel::SetWidth(Integer Value) {
  if (Value < 0) throw ERangeError(L"A panel's width cannot be negative");
  if (FWidth == Value) return;
  FWidth = Value;
  Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
  if (FBevel == Value) return;
  FBevel = Value;
  Changed(false);
}

void TStatusPanel::Assign(TPersistent* Source) {
  if (auto* P = dynamic_cast<TStatusPanel*>(Source)) {
    FText = P->FText;
    FWidth = P->FWidth;
    FAlignment = P->FAlignment;
    FStyle = P->FStyle;
    FBevel = P->FBevel;
    Changed(true);
    return;
  }
  TCollectionItem::Assign(Source);
}

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(CollectionItemClass<TStatusPanel>()), FStatusBar(StatusBar) {}

TPersistent* TStatusPanels::GetOwner() const { return FStatusBar; }

void TStatusPanels::Update(TCollectionItem* Item) {
  if (Item)
    FStatusBar->UpdatePanel(Item->Index());
  else
    FStatusBar->UpdatePanels();
}

// --- the bar --------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* AOwner)
    : TWinControl(AOwner), FPanels(std::make_unique<TStatusPanels>(this)), FCanvas(std::make_unique<TCanvas>()) {
  FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  SetBounds(0, 0, 200, 19);
  FAlign = alBottom;
}

TStatusBar::~TStatusBar() {
  // The panels go after the window that shows them.
  DestroyHandle();
}

void TStatusBar::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  INITCOMMONCONTROLSEX I{sizeof(I), ICC_BAR_CLASSES};
  InitCommonControlsEx(&I);
  CreateSubClass(P, STATUSCLASSNAMEW);
  P.Style &= ~WS_CLIPCHILDREN;
  // Placed by our alignment, not by the window itself.
  P.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;
  if (FSizeGrip) P.Style |= SBARS_SIZEGRIP;
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdatePanels();
  SendMessageW(FHandle, SB_SIMPLE, FSimplePanel, 0);
  if (FSimplePanel) SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  Integer N = FPanels->Count();
  std::vector<int> Edges(std::max(N, 1));
  Integer X = 0;
  for (Integer I = 0; I < N; ++I) {
    X += FPanels->Items(I)->Width();
    // The last panel reaches the bar's right edge.
    Edges[I] = I == N - 1 ? -1 : X;
  }
  if (N == 0) Edges[0] = -1;
  SendMessageW(FHandle, SB_SETPARTS, std::max(N, 1), reinterpret_cast<LPARAM>(Edges.data()));
  if (N == 0) SendMessageW(FHandle, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
  for (Integer I = 0; I < N; ++I) UpdatePanel(I);
}

void TStatusBar::UpdatePanel(Integer Index) {
  if (!HandleAllocated() || Index < 0 || Index >= FPanels->Count()) return;
  // A panel the window has no part for yet needs the parts laid out first.
  if (Index >= SendMessageW(FHandle, SB_GETPARTS, 0, 0)) {
    UpdatePanels();
    return;
  }
  TStatusPanel* P = FPanels->Items(Index);
  WPARAM Flags = Index;
  if (P->Bevel() == pbNone) Flags |= SBT_NOBORDERS;
  if (P->Bevel() == pbRaised) Flags |= SBT_POPOUT;
  if (P->Style() == psOwnerDraw) {
    SendMessageW(FHandle, SB_SETTEXTW, Flags | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(P));
    return;
  }
  // The window centres the text after one tab and right-aligns it after two.
  static const wchar_t* Prefix[] = {L"", L"\t\t", L"\t"};
  String T = Prefix[P->Alignment()] + P->Text();
  SendMessageW(FHandle, SB_SETTEXTW, Flags, reinterpret_cast<LPARAM>(T.c_str()));
}

String TStatusBar::PanelText(Integer Index) {
  HWND H = Handle();
  LRESULT R = SendMessageW(H, SB_GETTEXTLENGTHW, Index, 0);
  String S(LOWORD(R) + 1, L'\0');
  SendMessageW(H, SB_GETTEXTW, Index, reinterpret_cast<LPARAM>(S.data()));
  S.resize(LOWORD(R));
  return S;
}

void TStatusBar::SetSimplePanel(bool Value) {
  if (FSimplePanel == Value) return;
  FSimplePanel = Value;
  if (!HandleAllocated()) return;
  SendMessageW(FHandle, SB_SIMPLE, Value, 0);
  if (Value) SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
}

void TStatusBar::SetSimpleText(const String& Value) {
  FSimpleText = Value;
  if (HandleAllocated() && FSimplePanel)
    SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TStatusBar::SetSizeGrip(bool Value) {
  if (FSizeGrip == Value) return;
  FSizeGrip = Value;
  RecreateWnd();
}

void TStatusBar::Dispatch(TMessage& M) {
  if (M.Msg == CN_DRAWITEM) {
    const DRAWITEMSTRUCT* DI = MsgAs<TWMDrawItem>(M).DrawItemStruct;
    Integer I = static_cast<Integer>(DI->itemID);
    if (I >= 0 && I < FPanels->Count()) {
      TOwnerDrawScope Scope(FCanvas.get(), DI->hDC);
      FCanvas->Font()->Assign(FFont.get());
      FCanvas->Brush()->Assign(FBrush.get());
      DrawPanel(FPanels->Items(I), Rect(DI->rcItem.left, DI->rcItem.top, DI->rcItem.right, DI->rcItem.bottom));
    }
    M.Result = 1;
    return;
  }
  TWinControl::Dispatch(M);
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) {
  if (OnDrawPanel)
    OnDrawPanel(this, Panel, Rect);
  else
    FCanvas->FillRect(Rect);
}

}  // namespace jorv
