#include "platform/ui/Splitter.h"

namespace jorv {

namespace {
bool Horizontal(TAlign A) { return A == alLeft || A == alRight; }
}  // namespace

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 3, 100);
  SetAlign(alLeft);
  SetCursor(crHSplit);
}

TSplitter::~TSplitter() { ReleaseLineDC(); }

void TSplitter::SetBeveled(bool Value) {
  if (FBeveled == Value) return;
  FBeveled = Value;
  Invalidate();
}

void TSplitter::RequestAlign() {
  TGraphicControl::RequestAlign();
  // Only a cursor of our own choosing follows the direction.
  if (FCursor != crHSplit && FCursor != crVSplit) return;
  SetCursor(Horizontal(FAlign) ? crHSplit : crVSplit);
}

void TSplitter::Paint() {
  TCanvas* C = Canvas();
  TRect R = ClientRect();
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(FColor);
  C->FillRect(R);
  if (FBeveled) {
    // A raised edge along the splitter, in from each side.
    if (Horizontal(FAlign))
      R = TRect(R.Left + 1, R.Top, R.Right - 1, R.Bottom);
    else
      R = TRect(R.Left, R.Top + 1, R.Right, R.Bottom - 1);
    RECT E{R.Left, R.Top, R.Right, R.Bottom};
    C->Refresh();
    DrawEdge(C->Handle(), &E, BDR_RAISEDINNER, Horizontal(FAlign) ? (BF_LEFT | BF_RIGHT) : (BF_TOP | BF_BOTTOM));
  }
  if (OnPaint) OnPaint(this);
}

TControl* TSplitter::FindSizedControl() {
  if (!FParent) return nullptr;
  TPoint P(FLeft, FTop);
  switch (FAlign) {
    case alLeft: P.X -= 1; break;
    case alRight: P.X += FWidth; break;
    case alTop: P.Y -= 1; break;
    case alBottom: P.Y += FHeight; break;
    default: return nullptr;
  }
  for (Integer i = 0; i < FParent->ControlCount(); ++i) {
    TControl* C = FParent->Controls(i);
    if (C == this || !C->Visible() || !C->Enabled()) continue;
    TRect R = C->BoundsRect();
    // A control snapped shut still owns the line it collapsed to.
    if (R.Width() == 0) {
      if (FAlign == alLeft || FAlign == alTop) --R.Left; else ++R.Right;
    }
    if (R.Height() == 0) {
      if (FAlign == alLeft || FAlign == alTop) --R.Top; else ++R.Bottom;
    }
    if (R.Contains(P)) return C;
  }
  return nullptr;
}

bool TSplitter::DoCanResize(Integer& NewSize) {
  bool Accept = CanResize(NewSize);
  if (Accept && NewSize <= FMinSize && FAutoSnap) NewSize = 0;
  return Accept;
}

bool TSplitter::CanResize(Integer& NewSize) {
  bool Accept = true;
  if (OnCanResize) OnCanResize(this, NewSize, Accept);
  return Accept;
}

void TSplitter::CalcSplitSize(Integer X, Integer Y, Integer& NewSize, Integer& Split) {
  Split = Horizontal(FAlign) ? X - FDownPos.X : Y - FDownPos.Y;
  Integer S = 0;
  switch (FAlign) {
    case alLeft: S = FControl->Width() + Split; break;
    case alRight: S = FControl->Width() - Split; break;
    case alTop: S = FControl->Height() + Split; break;
    case alBottom: S = FControl->Height() - Split; break;
    default: break;
  }
  NewSize = S;
  if (S < FMinSize)
    NewSize = FMinSize;
  else if (S > FMaxSize)
    NewSize = FMaxSize;
  if (S != NewSize) Split += (FAlign == alRight || FAlign == alBottom) ? S - NewSize : NewSize - S;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FControl = FindSizedControl();
  FDownPos = TPoint(X, Y);
  if (!FControl) return;
  // The room the other controls along the same axis leave.
  if (Horizontal(FAlign)) {
    FMaxSize = FParent->ClientWidth() - FMinSize;
    for (Integer i = 0; i < FParent->ControlCount(); ++i) {
      TControl* C = FParent->Controls(i);
      if (C->Visible() && Horizontal(C->Align())) FMaxSize -= C->Width();
    }
    FMaxSize += FControl->Width();
    FOldSize = FControl->Width();
  } else {
    FMaxSize = FParent->ClientHeight() - FMinSize;
    for (Integer i = 0; i < FParent->ControlCount(); ++i) {
      TControl* C = FParent->Controls(i);
      if (C->Visible() && (C->Align() == alTop || C->Align() == alBottom)) FMaxSize -= C->Height();
    }
    FMaxSize += FControl->Height();
    FOldSize = FControl->Height();
  }
  CalcSplitSize(X, Y, FNewSize, FSplit);
  if (FResizeStyle == rsLine || FResizeStyle == rsPattern) {
    FLineWnd = FParent->Handle();
    FLineDC = GetDCEx(FLineWnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (FResizeStyle == rsPattern) {
      WORD Bits[8];
      for (int i = 0; i < 8; ++i) Bits[i] = (i % 2) ? 0xAA : 0x55;
      HBITMAP Mono = CreateBitmap(8, 8, 1, 1, Bits);
      FLineBrush = CreatePatternBrush(Mono);
      DeleteObject(Mono);
    } else {
      FLineBrush = CreateSolidBrush(RGB(255, 255, 255));
    }
    DrawLine();
  }
}

void TSplitter::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FControl) return;
  Integer NewSize, Split;
  CalcSplitSize(X, Y, NewSize, Split);
  if (!DoCanResize(NewSize)) return;
  if (FResizeStyle == rsUpdate) {
    FNewSize = NewSize;
    FSplit = Split;
    // The splitter moves with the control, so the grab point within it
    // stays where it was.
    UpdateControlSize();
    return;
  }
  if (FResizeStyle == rsLine || FResizeStyle == rsPattern) DrawLine();
  FNewSize = NewSize;
  FSplit = Split;
  if (FResizeStyle == rsLine || FResizeStyle == rsPattern) DrawLine();
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FControl) return;
  if (FLineVisible) DrawLine();
  UpdateControlSize();
  StopSizing();
}

void TSplitter::WMCancelMode(TMessage& M) {
  TGraphicControl::WMCancelMode(M);
  // Capture lost mid-drag: the line goes and the size stays.
  if (FControl) {
    if (FLineVisible) DrawLine();
    StopSizing();
  }
}

void TSplitter::StopSizing() {
  ReleaseLineDC();
  FControl = nullptr;
}

void TSplitter::ReleaseLineDC() {
  if (FLineDC) ReleaseDC(FLineWnd, FLineDC);
  if (FLineBrush) DeleteObject(FLineBrush);
  FLineDC = nullptr;
  FLineWnd = nullptr;
  FLineBrush = nullptr;
  FLineVisible = false;
}

void TSplitter::DrawLine() {
  if (!FLineDC) return;
  FLineVisible = !FLineVisible;
  // Drawn by inverting, so a second stroke takes it away again.
  HGDIOBJ Old = SelectObject(FLineDC, FLineBrush);
  if (Horizontal(FAlign))
    PatBlt(FLineDC, FLeft + FSplit, FTop, FWidth, FHeight, PATINVERT);
  else
    PatBlt(FLineDC, FLeft, FTop + FSplit, FWidth, FHeight, PATINVERT);
  SelectObject(FLineDC, Old);
}

void TSplitter::UpdateControlSize() {
  if (FNewSize == FOldSize || !FControl) return;
  switch (FAlign) {
    case alLeft: FControl->SetWidth(FNewSize); break;
    case alTop: FControl->SetHeight(FNewSize); break;
    case alRight:
      FParent->DisableAlign();
      FControl->SetBounds(FControl->Left() + FControl->Width() - FNewSize, FControl->Top(), FNewSize,
                          FControl->Height());
      FParent->EnableAlign();
      break;
    case alBottom:
      FParent->DisableAlign();
      FControl->SetBounds(FControl->Left(), FControl->Top() + FControl->Height() - FNewSize,
                          FControl->Width(), FNewSize);
      FParent->EnableAlign();
      break;
    default: break;
  }
  FParent->Update();
  FOldSize = FNewSize;
  Moved();
}

void TSplitter::Moved() {
  if (OnMoved) OnMoved(this);
}

}  // namespace jorv
