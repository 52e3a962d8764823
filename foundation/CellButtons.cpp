#include "foundation/CellButtons.h"
#include <memory>
#include "foundation/XPTheme.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/CustomEdit.h"

namespace jorv::foundation {

namespace {

const TColorTone& ToneOfState(const TColorTones& Tones, Integer State) {
  switch (State) {
    case 1: return Tones.Hover;
    case 2: return Tones.Selected;
    case 3: return Tones.Disabled;
    default: return Tones.Background;
  }
}

// False when the window has no visual-style data for the class, or the
// binding is missing; the caller then draws the classic look instead of
// calling through an unbound entry point.
bool DrawThemed(TCanvas* Canvas, HWND Handle, const wchar_t* ClassName, int Part, int State,
                const TRect& R) {
  if (!OpenThemeData || !DrawThemeBackground || !CloseThemeData) return false;
  HTHEME Theme = OpenThemeData(Handle, ClassName);
  if (!Theme) return false;
  RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
  DrawThemeBackground(Theme, Canvas->Handle(), Part, State, &Rc, nullptr);
  CloseThemeData(Theme);
  return true;
}

void DrawFrame(TCanvas* Canvas, const TRect& R, UINT Type, UINT Flags) {
  RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
  DrawFrameControl(Canvas->Handle(), &Rc, Type, Flags);
}

void FillTriangle(TCanvas* Canvas, TColor Color, TPoint A, TPoint B, TPoint C) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
  Canvas->Polygon({A, B, C});
}

void FillTone(TCanvas* Canvas, const TColorTone& Tone, const TRect& R) {
  Canvas->Brush()->SetColor(Tone.BrushColor);
  Canvas->Pen()->SetColor(Tone.BrushColor);
  Canvas->Rectangle(R);
}

}  // namespace

void DrawComboButton(TCanvas* Canvas, HWND Handle, const TRect& Rect, Integer Kind,
                     Integer State, const TColorTones& Tones) {
  TRect R(Rect.Right - 19, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1);
  const bool Disabled = State == 3;
  if (Kind == 3) {
    R.Left += 3;
    FillTone(Canvas, ToneOfState(Tones, State), R);
    Canvas->Pen()->SetColor(Tones.Background.BorderColor);
    Canvas->MoveTo(R.Left + 1, R.Top);
    Canvas->LineTo(R.Left + 1, R.Bottom);
    FillTriangle(Canvas, Tones.Background.TextColor, Point(R.Left + 5, R.Top + 8),
                 Point(R.Left + 11, R.Top + 8), Point(R.Left + 8, R.Top + 11));
    return;
  }
  if (Kind == 0 && DrawThemed(Canvas, Handle, L"combobox", 1, Disabled ? 4 : 1, R)) return;
  UINT Flags = DFCS_SCROLLCOMBOBOX;
  if (Disabled) Flags |= DFCS_INACTIVE;
  if (Kind == 2) Flags |= DFCS_FLAT;
  DrawFrame(Canvas, R, DFC_SCROLL, Flags);
}

void DrawCellButton(TCanvas* Canvas, HWND Handle, TRect Rect, Integer Kind, Integer State,
                    const TColorTones& Tones, const String& Caption) {
  if (Kind == 3) {
    const TColorTone& Tone = ToneOfState(Tones, State);
    Canvas->Brush()->SetColor(Tone.BrushColor);
    Canvas->Pen()->SetColor(Tone.BorderColor);
    Canvas->Rectangle(Rect);
  } else {
    // The push button's theme states run 1 normal, 2 hot, 3 pressed, 4 disabled.
    const int ThemeState = (State >= 0 && State <= 3 ? State : 0) + 1;
    const bool Themed = Kind == 0 && DrawThemed(Canvas, Handle, L"button", 1, ThemeState, Rect);
    if (!Themed) {
      UINT Flags = DFCS_BUTTONPUSH;
      if (State == 1) Flags |= DFCS_HOT;
      if (State == 2) Flags |= DFCS_PUSHED;
      if (State == 3) Flags |= DFCS_INACTIVE;
      if (Kind == 2) Flags |= DFCS_FLAT;
      DrawFrame(Canvas, Rect, DFC_BUTTON, Flags);
    }
  }
  if (Caption.empty()) return;
  Canvas->Brush()->SetStyle(bsClear);
  Rect.Top += 4;
  String Text = Caption;
  Canvas->TextRect(Rect, Text, TTextFormat{tfCenter, tfSingleLine});
}

void DrawSpinButtons(TCanvas* Canvas, HWND Handle, const TRect& Rect, Integer Kind,
                     Integer State, const TColorTones& Tones) {
  const TRect R(Rect.Right - 16, Rect.Top - 1, Rect.Right - 1, Rect.Bottom - 1);
  const Integer Mid = R.Top + R.Height() / 2;
  const TRect Up(R.Left, R.Top, R.Right, Mid);
  const bool Disabled = State == 3;
  if (Kind == 3) {
    const TRect Down(R.Left, Mid + 1, R.Right, R.Bottom);
    const TColorTone& Tone = ToneOfState(Tones, State);
    FillTone(Canvas, Tone, Up);
    FillTone(Canvas, Tone, Down);
    FillTriangle(Canvas, clBlack, Point(Up.Left + 5, Up.Top + 5), Point(Up.Left + 9, Up.Top + 5),
                 Point(Up.Left + 7, Up.Top + 3));
    FillTriangle(Canvas, clBlack, Point(Down.Left + 5, Down.Top + 1),
                 Point(Down.Left + 9, Down.Top + 1), Point(Down.Left + 7, Down.Top + 3));
    return;
  }
  if (Kind == 0) {
    const TRect Down(R.Left, Mid, R.Right, R.Bottom);
    const int ThemeState = Disabled ? 4 : 1;
    if (DrawThemed(Canvas, Handle, L"spin", 1, ThemeState, Up)) {
      DrawThemed(Canvas, Handle, L"spin", 2, ThemeState, Down);
      return;
    }
  }
  const TRect Down(R.Left, Mid + 1, R.Right, R.Bottom);
  UINT Flags = Disabled ? DFCS_INACTIVE : 0;
  if (Kind == 2) Flags |= DFCS_FLAT;
  DrawFrame(Canvas, Up, DFC_SCROLL, DFCS_SCROLLUP | Flags);
  DrawFrame(Canvas, Down, DFC_SCROLL, DFCS_SCROLLDOWN | Flags);
}

void DrawSmallDownArrow(TCanvas* Canvas, Integer X, Integer Y, TColor Color) {
  FillTriangle(Canvas, Color, Point(X - 3, Y), Point(X + 3, Y), Point(X, Y + 3));
}

void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor BackgroundColor,
                           const TRect& Rect) {
  if (!Bitmap || Bitmap->Empty()) return;
  const Integer W = Bitmap->Width(), H = Bitmap->Height();
  const TRect Whole(0, 0, W, H);
  TBitmap Work(W, H);
  Work.Canvas()->Brush()->SetColor(BackgroundColor);
  Work.Canvas()->BrushCopy(Whole, Bitmap, Whole, Bitmap->Canvas()->Pixels(0, 0));
  Canvas->Draw(Rect.Left, Rect.Top, &Work);
}

void DrawResourceBitmapTransparent(TCanvas* Canvas, TColor BackgroundColor, const TRect& Rect,
                                   const String& ResourceName) {
  TBitmap Bitmap;
  Bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), ResourceName);
  DrawBitmapTransparent(Canvas, &Bitmap, BackgroundColor, Rect);
}

namespace {

// EM_POSFROMCHAR answers -1 for a character it cannot place.
bool PosFromChar(TEdit* Edit, Integer Index, TPoint& Pos) {
  const LRESULT R = SendMessageW(Edit->Handle(), EM_POSFROMCHAR, WPARAM(Index), 0);
  if (R == -1) return false;
  Pos = Point(SHORT(LOWORD(R)), SHORT(HIWORD(R)));
  return true;
}

}  // namespace

void DrawErrorUnderline(TWinControl* Owner, TCanvas* Canvas, const String& Text,
                        const TRect& Rect, Integer OffsetY, Integer ErrorStart,
                        Integer ErrorLength) {
  const Integer Len = Integer(Text.size());
  TPoint Start, End;
  {
    auto Edit = std::make_unique<TEdit>(Owner);
    Edit->SetVisible(false);
    Edit->SetParent(Owner);
    Edit->SetBoundsRect(Rect);
    Edit->SetText(Text);
    // Where the edit gives no place for the text's end, the last
    // character's place stands in; an empty text starts at the origin.
    auto AfterLast = [&](TPoint& P) {
      if (!PosFromChar(Edit.get(), Len, P) && !(Len > 0 && PosFromChar(Edit.get(), Len - 1, P)))
        P = Point(0, 0);
      P.X += 4;
    };
    if (!(ErrorStart >= 0 && ErrorStart < Len && PosFromChar(Edit.get(), ErrorStart, Start)))
      AfterLast(Start);
    const Integer Last = ErrorStart + ErrorLength - 1;
    if (!(ErrorStart + ErrorLength < Len && Last >= 0 && PosFromChar(Edit.get(), Last, End))) {
      if (!(Len > 0 && PosFromChar(Edit.get(), Len - 1, End))) End = Point(0, 0);
      End.X += 4;
      End.Y = Start.Y;
    }
  }
  Canvas->Pen()->SetColor(clRed);
  Canvas->Pen()->SetWidth(2);
  Canvas->MoveTo(Rect.Left + Start.X, Rect.Top + Start.Y + OffsetY + 3);
  Integer Phase = 0;
  Integer X = Start.X;
  for (; X <= End.X; X += 3) {
    Canvas->LineTo(Rect.Left + X + 3, Rect.Top + End.Y + OffsetY + Phase);
    Phase = 3 - Phase;
  }
  Canvas->LineTo(Rect.Left + X + 3, Rect.Top + End.Y + OffsetY + Phase);
}

}  // namespace jorv::foundation
