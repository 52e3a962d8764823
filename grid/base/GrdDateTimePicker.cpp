#include "grid/base/GrdDateTimePicker.h"

#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"

namespace jorv::grid {

TGrdDateTimePicker::TGrdDateTimePicker(TComponent* AOwner) : TDateTimePicker(AOwner) {
  InitPickerLook(FLook);
  SetDoubleBuffered(true);
  SetParentCtl3D(false);
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  FLook.BorderStyle = bsNone;
}

String TGrdDateTimePicker::Version() const { return L"1.0.0.0"; }

void TGrdDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (Value == FLook.BorderStyle) return;
  FLook.BorderStyle = Value;
  Invalidate();
}

void TGrdDateTimePicker::SetBorderColor(TColor Value) {
  if (Value == FLook.BorderColor) return;
  FLook.BorderColor = Value;
  Invalidate();
}

void TGrdDateTimePicker::SetMetroStyle(bool Value) {
  if (Value == FLook.MetroStyle) return;
  FLook.MetroStyle = Value;
  Invalidate();
}

bool TGrdDateTimePicker::MetroActive() const {
  return FLook.MetroStyle && !ComponentState().Contains(csDesigning);
}

void TGrdDateTimePicker::WMPaint(TWMPaint& Message) {
  TDateTimePicker::WMPaint(Message);
  if ((Ctl3D() && !MetroActive()) || !IsVistaOrLater() || !HandleAllocated()) return;
  if (MetroActive() && Kind() != dtkTime) {
    TWindowDC DC(Handle());
    TSavedDC Saved(DC.Handle());
    DrawPickerButton(*this, FLook, DC.Handle(), 15);
  }
  DrawBorders();
}

void TGrdDateTimePicker::DrawBorders() {
  if (MetroActive()) DrawPickerBorders(*this, FLook);
}

void TGrdDateTimePicker::Dispatch(TMessage& Message) {
  TDateTimePicker::Dispatch(Message);
  if (Message.Msg != WM_NCPAINT || !HandleAllocated()) return;
  if (!Ctl3D() && FLook.BorderColor != clNone) DrawPickerFlatFrame(*this, FLook);
  if (!Enabled() && FLook.IsThemed && VisualStylesActive() && !FLook.DisabledBorder) DrawBorders();
  if ((FLook.FocusBorderColor != clNone && FLook.HasFocus) || FLook.BorderColor != clNone) DrawBorders();
}

void TGrdDateTimePicker::CMEnter(TMessage& Message) {
  TDateTimePicker::CMEnter(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FLook.HasFocus = true;
  DrawBorders();
}

void TGrdDateTimePicker::CMExit(TMessage& Message) {
  TDateTimePicker::CMExit(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FLook.HasFocus = false;
  DrawBorders();
}

void TGrdDateTimePicker::CMMouseEnter(TMessage& Message) {
  TDateTimePicker::CMMouseEnter(Message);
  if (ComponentState().Contains(csDesigning)) return;
  if (!FLook.MouseInControl && Enabled()) {
    FLook.MouseInControl = true;
    DrawBorders();
  }
  FLook.MouseInControl = true;
  if (FLook.IsWinXP) Invalidate();
}

void TGrdDateTimePicker::CMMouseLeave(TMessage& Message) {
  TDateTimePicker::CMMouseLeave(Message);
  if (ComponentState().Contains(csDesigning)) return;
  if (FLook.MouseInControl && Enabled()) {
    FLook.MouseInControl = false;
    DrawBorders();
  }
  FLook.MouseInControl = false;
  FLook.ButtonHover = false;
  if (FLook.IsWinXP) Invalidate();
}

void TGrdDateTimePicker::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  if (TrackPickerButtonHover(FLook, Width(), X)) Invalidate();
}

String TRezIvevirAvodCheck::MarkError(Integer, Integer, const String& s) { return s; }

String TRezIvevirAvodCheck::Correct(Integer, Integer, const String& s) { return s; }

}  // namespace jorv::grid
