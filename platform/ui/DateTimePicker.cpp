#include "platform/ui/DateTimePicker.h"
#include <commctrl.h>
#include <cmath>
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Math.h"

namespace jorv {

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  FDateTime = Now();
  SetBounds(0, 0, 186, 21);
}

void TCustomDateTimePicker::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  INITCOMMONCONTROLSEX I{sizeof(I), ICC_DATE_CLASSES};
  InitCommonControlsEx(&I);
  CreateSubClass(P, DATETIMEPICK_CLASSW);
  P.Style &= ~WS_CLIPCHILDREN;
  if (FKind == dtkTime)
    P.Style |= DTS_TIMEFORMAT;
  else
    P.Style |= FDateFormat == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
  if (FKind == dtkTime || FDateMode == dmUpDown) P.Style |= DTS_UPDOWN;
  if (FShowCheckbox) P.Style |= DTS_SHOWNONE;
  if (FParseInput) P.Style |= DTS_APPCANPARSE;
  P.ExStyle |= WS_EX_CLIENTEDGE;
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  if (!FFormat.empty()) SendMessageW(FHandle, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(FFormat.c_str()));
  UpdateRange();
  UpdateWindow();
}

void TCustomDateTimePicker::UpdateWindow() {
  if (!HandleAllocated()) return;
  if (FShowCheckbox && !FChecked) {
    SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_NONE, 0);
    SYSTEMTIME ST{};
    // Some hosts' windows take "no date" only while being made.
    if (SendMessageW(FHandle, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&ST)) != GDT_NONE &&
        !FControlState.Contains(csCreating) && !FControlState.Contains(csRecreating))
      RecreateWnd();
    return;
  }
  SYSTEMTIME ST{};
  DateTimeToSystemTime(FDateTime, ST);
  SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&ST));
}

void TCustomDateTimePicker::UpdateRange() {
  if (!HandleAllocated()) return;
  SYSTEMTIME R[2]{};
  WPARAM Flags = 0;
  if (FMinDate != 0) {
    DateTimeToSystemTime(std::floor(FMinDate), R[0]);
    Flags |= GDTR_MIN;
  }
  if (FMaxDate != 0) {
    // The whole last day belongs to the range.
    DateTimeToSystemTime(std::floor(FMaxDate) + (86399.0 / 86400.0), R[1]);
    Flags |= GDTR_MAX;
  }
  SendMessageW(FHandle, DTM_SETRANGE, Flags, reinterpret_cast<LPARAM>(R));
}

TDateTime TCustomDateTimePicker::Clamp(TDateTime Value) const {
  if (FMinDate != 0 && Value < std::floor(FMinDate)) Value = std::floor(FMinDate) + (Value - std::floor(Value));
  if (FMaxDate != 0 && std::floor(Value) > std::floor(FMaxDate))
    Value = std::floor(FMaxDate) + (Value - std::floor(Value));
  return Value;
}

void TCustomDateTimePicker::SetDateTime(TDateTime Value) {
  Value = Clamp(Value);
  if (Value == FDateTime) return;
  FDateTime = Value;
  UpdateWindow();
  Change();
}

TDate TCustomDateTimePicker::Date() const { return std::floor(FDateTime); }

void TCustomDateTimePicker::SetDate(TDate Value) {
  SetDateTime(std::floor(Value) + (FDateTime - std::floor(FDateTime)));
}

TTime TCustomDateTimePicker::Time() const { return FDateTime - std::floor(FDateTime); }

void TCustomDateTimePicker::SetTime(TTime Value) {
  SetDateTime(std::floor(FDateTime) + (Value - std::floor(Value)));
}

void TCustomDateTimePicker::SetKind(TDateTimeKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  RecreateWnd();
}

void TCustomDateTimePicker::SetFormat(const String& Value) {
  FFormat = Value;
  if (HandleAllocated())
    SendMessageW(FHandle, DTM_SETFORMATW, 0, Value.empty() ? 0 : reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  if (FDateFormat == Value) return;
  FDateFormat = Value;
  RecreateWnd();
}

void TCustomDateTimePicker::SetDateMode(TDTDateMode Value) {
  if (FDateMode == Value) return;
  FDateMode = Value;
  RecreateWnd();
}

void TCustomDateTimePicker::SetShowCheckbox(bool Value) {
  if (FShowCheckbox == Value) return;
  FShowCheckbox = Value;
  RecreateWnd();
}

void TCustomDateTimePicker::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  UpdateWindow();
  Change();
}

void TCustomDateTimePicker::SetMinDate(TDate Value) {
  if (Value != 0 && FMaxDate != 0 && std::floor(Value) > std::floor(FMaxDate))
    throw EInvalidOperation(L"Date is greater than the maximum date");
  FMinDate = Value;
  UpdateRange();
  SetDateTime(FDateTime);
}

void TCustomDateTimePicker::SetMaxDate(TDate Value) {
  if (Value != 0 && FMinDate != 0 && std::floor(Value) < std::floor(FMinDate))
    throw EInvalidOperation(L"Date is less than the minimum date");
  FMaxDate = Value;
  UpdateRange();
  SetDateTime(FDateTime);
}

void TCustomDateTimePicker::SetParseInput(bool Value) {
  if (FParseInput == Value) return;
  FParseInput = Value;
  RecreateWnd();
}

bool TCustomDateTimePicker::DroppedDown() { return FDroppedDown; }

void TCustomDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TCustomDateTimePicker::Dispatch(TMessage& M) {
  if (M.Msg == CN_NOTIFY) {
    CNNotify(MsgAs<TWMNotify>(M));
    return;
  }
  TWinControl::Dispatch(M);
}

void TCustomDateTimePicker::CNNotify(TWMNotify& M) {
  M.Result = 0;
  switch (M.NMHdr->code) {
    case DTN_DATETIMECHANGE: {
      auto* N = reinterpret_cast<NMDATETIMECHANGE*>(M.NMHdr);
      if (N->dwFlags == GDT_NONE) {
        if (!FChecked) return;
        FChecked = false;
      } else {
        TDateTime V = SystemTimeToDateTime(N->st);
        // A date picker's window keeps the time it was given; take only
        // the part this kind shows, so neither part drifts.
        if (FKind == dtkDate)
          V = std::floor(V) + (FDateTime - std::floor(FDateTime));
        else
          V = std::floor(FDateTime) + (V - std::floor(V));
        if (V == FDateTime && FChecked) return;
        FDateTime = V;
        FChecked = true;
      }
      Change();
      return;
    }
    case DTN_USERSTRINGW: {
      auto* N = reinterpret_cast<NMDATETIMESTRINGW*>(M.NMHdr);
      String Typed = N->pszUserString ? N->pszUserString : L"";
      TDateTime V = 0;
      bool Allow = TryStrToDateTime(Typed, V);
      if (OnUserInput) OnUserInput(this, Typed, V, Allow);
      // Text that means no date is refused, not passed off as valid.
      if (Allow) {
        DateTimeToSystemTime(V, N->st);
        N->dwFlags = GDT_VALID;
      } else {
        N->dwFlags = GDT_ERROR;
      }
      return;
    }
    case DTN_DROPDOWN:
      FDroppedDown = true;
      if (OnDropDown) OnDropDown(this);
      return;
    case DTN_CLOSEUP:
      FDroppedDown = false;
      if (OnCloseUp) OnCloseUp(this);
      return;
  }
  DefaultHandler(MsgBase(M));
}

}  // namespace jorv
