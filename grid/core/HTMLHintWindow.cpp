#include "grid/core/HTMLHintWindow.h"
#include "foundation/HTMLRenderer.h"
#include "foundation/PictureContainer.h"
#include "foundation/ValueUtils.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/DCScope.h"
#include "platform/ui/Screen.h"

namespace jorv::grid {

namespace {

constexpr Integer MaxHintWidth = 1008;

bool IsMarkedWide(const String& Text) { return ClassifyCellText(Text, false) == 5; }

// Draws (or only measures) an HTML text; Width and Height receive its extent.
void DrawHintHTML(TCanvas* Canvas, const String& Text, const TRect& R, TCustomImageList* Images,
                  TPictureContainer* Container, bool MeasureOnly, Integer& Width, Integer& Height) {
  String URL, Plain, Focused, Title, ControlID, ControlType, ControlValue;
  Integer AnchorCount = 0, Anchor = -1;
  TRect AnchorRect, ControlRect;
  DrawHTMLText(Canvas, Text, R, Images, 0, 0, -1, -1, 0, false, MeasureOnly, false, false, false, false, true,
               false, L"", 1.0, clBlue, clNone, clNone, clGray, URL, Plain, Focused, Title, Width, Height,
               AnchorCount, Anchor, AnchorRect, ControlRect, ControlID, ControlType, ControlValue, nullptr,
               Container, nullptr, 0);
}

bool HasDropShadow() {
  OSVERSIONINFOW Info{};
  Info.dwOSVersionInfoSize = sizeof(Info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&Info);
#pragma GCC diagnostic pop
  return Info.dwPlatformId == VER_PLATFORM_WIN32_NT &&
         (Info.dwMajorVersion > 5 || (Info.dwMajorVersion == 5 && Info.dwMinorVersion >= 1));
}

}  // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void THTMLHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_BORDER);
  if (HasDropShadow()) Params.WindowClass.style |= CS_DROPSHADOW;
}

TSize THTMLHintWindow::Measure(Integer MaxWidth, const String& AHint, String& Wide) {
  TMemoryDC Memory(nullptr);
  TCanvas Canvas;
  TCanvasDC Bind(&Canvas, Memory);
  Canvas.Font()->Assign(Font());
  if (IsMarkedWide(AHint)) {
    Canvas.Font()->SetName(GridUnit().HintFontName.empty() ? Font()->Name() : GridUnit().HintFontName);
    Wide = MarkedTextToWide(AHint);
    RECT R{0, 0, 0, 0};
    DrawTextW(Canvas.Handle(), Wide.c_str(), static_cast<int>(Wide.size()), &R,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {R.right, R.bottom};
  }
  Wide.clear();
  Integer W = 0, H = 0;
  DrawHintHTML(&Canvas, AHint, Rect(0, 0, MaxWidth, 4096), FImages, FPictureContainer, true, W, H);
  return {W, H};
}

TRect THTMLHintWindow::CalcHintRect(Integer MaxWidth, const String& AHint, void*) {
  String Wide;
  const TSize S = Measure(MaxWidth, AHint, Wide);
  return Rect(0, 0, S.cx, S.cy);
}

void THTMLHintWindow::ActivateHintData(const TRect& R, const String& AHint, void* AData) {
  if (auto* Grid = dynamic_cast<TRezIvevirAvod*>(static_cast<TObject*>(AData))) {
    FImages = Grid->GridImages();
    FPictureContainer = Grid->PictureContainer();
  }
  ActivateHint(R, AHint);
}

void THTMLHintWindow::ActivateHint(const TRect& R, const String& AHint) {
  SetText(AHint);
  const TSize S = Measure(MaxHintWidth, AHint, FWideCaption);
  FTextWidth = S.cx;
  FTextHeight = S.cy;
  const Integer Margin = IsMarkedWide(AHint) ? 8 : 16;
  TRect B = Bounds(R.Left, R.Top, FTextWidth + Margin, FTextHeight + 4);
  // Held on the monitor nearest to its corner, 2 pixels inside its edges.
  if (Screen) {
    const TRect M = Screen->MonitorFromPoint(B.TopLeft())->BoundsRect();
    if (B.Right > M.Right) B = Bounds(M.Right - 2 - B.Width(), B.Top, B.Width(), B.Height());
    if (B.Bottom > M.Bottom) B = Bounds(B.Left, M.Bottom - 2 - B.Height(), B.Width(), B.Height());
  }
  SetBounds(B.Left, B.Top, B.Width(), B.Height());
  HandleNeeded();
  SetWindowPos(Handle(), HWND_TOPMOST, B.Left, B.Top, B.Width(), B.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  FVisible = true;
  Invalidate();
}

void THTMLHintWindow::Paint() {
  TCanvas* C = Canvas();
  TRect R = ClientRect();
  C->Brush()->SetColor(Color());
  C->Brush()->SetStyle(bsSolid);
  C->FillRect(R);
  DrawHintFrame(C, R, cl3DLight, cl3DDkShadow);
  R.Left += 4;
  R.Right -= 4;
  R.Top += (R.Height() - FTextHeight) / 2;
  R.Bottom = R.Top + FTextHeight + 8;
  C->Font()->Assign(Font());
  C->Brush()->SetStyle(bsClear);
  if (IsMarkedWide(GetText())) {
    C->Font()->SetName(GridUnit().HintFontName.empty() ? Font()->Name() : GridUnit().HintFontName);
    RECT Text{R.Left, R.Top, R.Right, R.Bottom};
    DrawTextW(C->Handle(), FWideCaption.c_str(), static_cast<int>(FWideCaption.size()), &Text,
              DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  Integer W = 0, H = 0;
  DrawHintHTML(C, GetText(), R, FImages, FPictureContainer, false, W, H);
}

void THTMLHintWindow::DrawHintFrame(TCanvas* Canvas, const TRect& R, TColor Light, TColor Dark) {
  Canvas->Pen()->SetWidth(1);
  Canvas->Pen()->SetColor(Light);
  Canvas->MoveTo(R.Left, R.Bottom - 2);
  Canvas->LineTo(R.Left, R.Top);
  Canvas->LineTo(R.Right - 1, R.Top);
  Canvas->Pen()->SetColor(Dark);
  Canvas->MoveTo(R.Left, R.Bottom - 1);
  Canvas->LineTo(R.Right - 1, R.Bottom - 1);
  Canvas->LineTo(R.Right - 1, R.Top - 1);
}

void THTMLHintWindow::Dispatch(TMessage& Message) {
  THintWindow::Dispatch(Message);
  if (Message.Msg == CM_TEXTCHANGED) Invalidate();
}

}  // namespace jorv::grid
