#include "edit/DBExEdit.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/CustomControl.h"

namespace jorv::edit {

namespace {

bool IsStringField(const TField* F) { return F->DataType() == ftString || F->DataType() == ftWideString; }

bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace

TDBExEdit::TDBExEdit(TComponent* AOwner) : TExEdit(AOwner) {
  TControlStyle S = ControlStyle();
  S.Include(csReplicatable);
  SetControlStyle(S);
  FDataLink->SetControl(this);
  FDataLink->OnDataChange = [this](TObject* Sender) { FieldDataChange(Sender); };
  FDataLink->OnUpdateData = [this](TObject* Sender) { FieldUpdateData(Sender); };
  FDataLink->OnActiveChange = [this](TObject* Sender) { FieldActiveChange(Sender); };
}

TDBExEdit::~TDBExEdit() {
  FCanvas.reset();
  // No notice of the link may reach a half-destroyed edit.
  FDataLink->OnDataChange = nullptr;
  FDataLink->OnUpdateData = nullptr;
  FDataLink->OnActiveChange = nullptr;
  if (TDataSource* D = FDataLink->DataSource()) D->RemoveFreeNotification(this);
  FDataLink.reset();
}

// --- binding -------------------------------------------------------------------

void TDBExEdit::SetDataSource(TDataSource* Value) {
  if (TDataSource* Old = FDataLink->DataSource()) Old->RemoveFreeNotification(this);
  FDataLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
}

void TDBExEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TExEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource()) SetDataSource(nullptr);
}

void TDBExEdit::SetDataField(const String& Value) {
  if (!Designing()) ResetMaxLength();
  FDataLink->SetFieldName(Value);
  UpdateFieldNameLabel();
}

bool TDBExEdit::ReadOnly() const { return FDataLink->DataSource() ? FDataLink->ReadOnly() : false; }

void TDBExEdit::SetShowFieldName(bool Value) {
  if (FShowFieldName == Value) return;
  FShowFieldName = Value;
  UpdateFieldNameLabel();
}

void TDBExEdit::Loaded() {
  TExEdit::Loaded();
  ResetMaxLength();
}

bool TDBExEdit::EnterFieldEdit() {
  if (!FDataLink->DataSource()) return true;
  FDataLink->Edit();
  return FDataLink->Editing();
}

bool TDBExEdit::Inserting() const {
  TDataSet* D = FDataLink->DataSet();
  return D && D->State() == dsInsert;
}

bool TDBExEdit::FieldRejects(Char Ch) const {
  TField* F = FDataLink->Field();
  return F && !F->IsValidChar(Ch);
}

// --- the link's notices ----------------------------------------------------------

void TDBExEdit::FieldDataChange(TObject*) {
  TDataSet* D = FDataLink->DataSet();
  if (!D || FIsEditing) return;
  TField* F = FDataLink->Field();
  // A record just inserted shows empty while ClearOnInsert asks for it.
  const bool Clearing = FClearOnInsert && D->State() == dsInsert && FOldState != dsInsert;
  if (F && !Clearing) {
    switch (F->Alignment()) {
      case taLeftJustify: SetEditAlign(eaLeft); break;
      case taRightJustify: SetEditAlign(eaRight); break;
      case taCenter: SetEditAlign(eaCenter); break;
    }
    auto ShowText = [&] { SetText(FFocused && FDataLink->CanModify() ? F->Text() : F->DisplayText()); };
    switch (EditType()) {
      case etString: case etUppercase: case etMixedCase: case etLowerCase: case etAlphaNumeric:
        if (IsStringField(F) && MaxLength() == 0) SetMaxLength(F->Size());
        ShowText();
        break;
      case etNumeric:
        SetIntValue(F->AsString().empty() ? 0 : F->AsInteger());
        break;
      case etFloat: case etMoney:
        SetFloatValue(F->AsString().empty() ? 0.0 : F->AsFloat());
        break;
      default:
        ShowText();
        break;
    }
    SetModified(false);
  }
  if (Clearing) {
    const TExEditType T = EditType();
    SetText(T == etNumeric || T == etFloat || T == etMoney ? String(L"0") : String());
  }
  FOldState = D->State();
}

void TDBExEdit::FieldUpdateData(TObject*) {
  TField* F = FDataLink->Field();
  if (!F || (FClearOnInsert && Inserting())) return;
  switch (EditType()) {
    case etNumeric: F->SetAsInteger(IntValue()); break;
    case etFloat: case etMoney: F->SetAsFloat(FloatValue()); break;
    default: F->SetText(Text()); break;
  }
}

void TDBExEdit::FieldActiveChange(TObject*) {
  TDataSet* D = FDataLink->DataSet();
  if (!D) {
    SetText(String());
    return;
  }
  TDataSource* S = FDataLink->DataSource();
  if (!D->Active() || !S->Enabled()) SetText(String());
  UpdateFieldNameLabel();
}

void TDBExEdit::UpdateFieldNameLabel() {
  if (!FShowFieldName) return;
  TDataSet* D = FDataLink->DataSet();
  if (!D) return;
  TDataSource* S = FDataLink->DataSource();
  if (!D->Active() || !S->Enabled())
    SetLabelCaption(String());
  else if (!DataField().empty())
    SetLabelCaption(D->FieldByName(DataField())->FieldName());
}

void TDBExEdit::ResetMaxLength() {
  if (MaxLength() <= 0) return;
  TDataSet* D = FDataLink->DataSet();
  if (!D) return;
  TField* F = D->FindField(DataField());
  if (F && IsStringField(F) && F->Size() == MaxLength()) SetMaxLength(0);
}

// --- keys, characters and clipboard ------------------------------------------------

void TDBExEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (!FDataLink->DataSource()) {
    TExEdit::KeyDown(Key, Shift);
    return;
  }
  const bool ShiftInsert = Key == VK_INSERT && Shift.Contains(ssShift);
  if (Key == VK_DELETE || Key == VK_BACK || ShiftInsert) {
    FDataLink->Modified();
    if (!EnterFieldEdit()) {
      Key = 0;
      return;
    }
  }
  if (Key == VK_DELETE && FDataLink->ReadOnly()) Key = 0;
  TExEdit::KeyDown(Key, Shift);
  if (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) FDataLink->Edit();
}

void TDBExEdit::WMChar(TWMKey& M) {
  const Char Ch = static_cast<Char>(M.CharCode);
  auto Cancel = [&] {
    M.CharCode = 0;
    M.Result = 1;
  };
  // Separators are left to the edit type's own filter.
  if (Ch >= 32 && Ch <= 255 && Ch != L'.' && Ch != L',' && FieldRejects(Ch)) return Cancel();
  const bool Passes = (Ch == 13 && ReturnIsTab()) || (Ch == 3 && CtrlHeld());
  if (!Passes) {
    FIsEditing = true;
    bool Ok = false;
    {
      auto Restore = ScopeExit([&] { FIsEditing = false; });
      Ok = EnterFieldEdit();
    }
    if (!Ok) return Cancel();
  }
  TExEdit::WMChar(M);
}

void TDBExEdit::KeyPress(Char& Key) {
  if (!FDataLink->DataSource()) {
    TExEdit::KeyPress(Key);
    return;
  }
  const bool Passes = (Key == 13 && ReturnIsTab()) || (Key == 3 && CtrlHeld());
  if (!Passes) {
    if (!EnterFieldEdit()) return;
    if (Key == 8 && !EnterFieldEdit()) return;
  }
  TExEdit::KeyPress(Key);
  // Ctrl+C copies from a read-only edit too.
  const bool Copy = Key == 3 && CtrlHeld();
  if ((Key >= 32 && Key != L'.' && FieldRejects(Key)) || (FDataLink->ReadOnly() && !Copy)) {
    MessageBeep(0);
    Key = 0;
  }
  if (Key == 8 || Key == 22 || Key == 24 || (Key >= 32 && Key <= 255)) {
    FDataLink->Edit();
  } else if (Key == 27) {
    FDataLink->Reset();
    SelectAll();
    Key = 0;
  }
}

void TDBExEdit::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CM_GETDATALINK:
      M.Result = reinterpret_cast<LRESULT>(FDataLink.get());
      return;
    case WM_CUT:
      if (FDataLink->Edit()) TExEdit::Dispatch(M);
      return;
    case WM_PASTE:
      if (!FDataLink->ReadOnly() && FDataLink->Edit()) TExEdit::Dispatch(M);
      return;
    case WM_CLEAR:
      if (FDataLink->Edit()) DefaultHandler(M);
      return;
    case WM_UNDO:
      FDataLink->Edit();
      DefaultHandler(M);
      return;
    default:
      TExEdit::Dispatch(M);
  }
}

// --- focus and change ------------------------------------------------------------

void TDBExEdit::CMEnter(TMessage& M) {
  if (!FFocused) {
    FFocused = true;
    // Shows the field's edit text from now on.
    FDataLink->Reset();
  }
  TExEdit::CMEnter(M);
  if (FDataLink->CanModify() && HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, FALSE, 0);
}

void TDBExEdit::CMExit(TMessage& M) {
  if (!FDataLink->ReadOnly()) {
    auto Undo = ScopeExit([&] {
      SelectAll();
      if (CanFocus()) SetFocus();
    });
    FDataLink->UpdateRecord();
    Undo.Dismiss();
  }
  TExEdit::CMExit(M);
}

void TDBExEdit::Change() {
  FDataLink->Modified();
  TExEdit::Change();
}

// --- painted copy ------------------------------------------------------------------

void TDBExEdit::WMPaint(TWMPaint& M) {
  if (ControlState().Contains(csPaintCopy))
    PaintCopy(M);
  else
    TExEdit::WMPaint(M);
}

void TDBExEdit::PaintCopy(TWMPaint& M) {
  if (!FCanvas) {
    FCanvas = std::make_unique<TControlCanvas>();
    FCanvas->SetControl(this);
  }
  TPaintDC DC(Handle(), M.DC);
  TCanvasDC Lent(FCanvas.get(), DC);
  FCanvas->Font()->Assign(Font());
  TRect R = ClientRect();
  if (!Ctl3D() && BorderStyle() == bsSingle) {
    FCanvas->Brush()->SetColor(clWindowFrame);
    FCanvas->FrameRect(R);
    R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  }
  FCanvas->Brush()->SetColor(Color());
  if (!Enabled()) FCanvas->Font()->SetColor(clGrayText);
  String S = Field() ? Field()->DisplayText() : Text();
  if (Field()) S = ApplyCharCase(S);
  if (PasswordChar() != 0) S.assign(S.size(), PasswordChar());
  Integer X, Y;
  // Edits draw their text inside the frame and the window's own margin.
  const Integer I = BorderStyle() == bsNone ? 0 : (Ctl3D() ? 1 : 2);
  X = I + LOWORD(SendMessageW(Handle(), EM_GETMARGINS, 0, 0));
  Y = I;
  const Integer W = FCanvas->TextWidth(S);
  const Integer CW = ClientWidth();
  Integer Left = X;
  if (EditAlign() == eaRight)
    Left = CW - W - X - 1;
  else if (EditAlign() == eaCenter)
    Left = (CW - W) / 2;
  FCanvas->TextRect(R, Left, Y, S);
}

}  // namespace jorv::edit
