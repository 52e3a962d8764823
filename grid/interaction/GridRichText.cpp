// Rich text cells: the hidden converter and the inplace rich editor, both
// made on first use, the conversions between cells and rich edits, and
// opening and storing the rich editor of edRichEdit cells.
#include <richedit.h>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExRichEdit.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"

namespace jorv::grid {

TExRichEdit* TRezIvevirAvod::RichEdit() {
  if (!FRichEdit) {
    FRichEdit = new TExRichEdit(this);
    FRichEdit->SetVisible(false);
    FRichEdit->SetBorderStyle(bsNone);
    FRichEdit->SetBounds(0, 0, 0, 0);
    FRichEdit->SetParent(this);
    // The converter is never a target of the mouse.
    HWND Handle = FRichEdit->Handle();
    SetWindowLongPtrW(Handle, GWL_EXSTYLE, GetWindowLongPtrW(Handle, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
  }
  return FRichEdit;
}

TExRichEdit* TRezIvevirAvod::InplaceRichEdit() {
  if (!FInplaceRichEdit) {
    FInplaceRichEdit = new TExRichEdit(this);
    FInplaceRichEdit->SetVisible(false);
    FInplaceRichEdit->SetParent(this);
    FInplaceRichEdit->OnSelectionChange = [this](TObject*) {
      if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
    };
  }
  return FInplaceRichEdit;
}

void TRezIvevirAvod::LoadRichText(TRichEdit* RichEditor, const String& Text) {
  if (Text.empty()) {
    RichEditor->Clear();
    return;
  }
  // The stream holds UTF-16 and says so: guessing it from the bytes would
  // read a text that starts with a character above U+00FF as 8-bit.
  TStringStream Stream(Text, TEncoding::Unicode());
  Stream.SetPosition(0);
  RichEditor->Lines()->LoadFromStream(&Stream, TEncoding::Unicode());
}

void TRezIvevirAvod::CellToRich(Integer ACol, Integer ARow, TRichEdit* RichEditor) {
  LoadRichText(RichEditor, GetCells(ACol, ARow));
}

String TRezIvevirAvod::RichToString(TRichEdit* RichEditor) {
  if (Destroying()) return String();
  // A document is seven-bit text: its bytes are its characters.
  TStringStream Stream(String(), TEncoding::ANSI());
  RichEditor->Lines()->SaveToStream(&Stream);
  return Stream.DataString();
}

void TRezIvevirAvod::RichToCell(Integer ACol, Integer ARow, TRichEdit* RichEditor) {
  SetCells(ACol, ARow, RichToString(RichEditor));
}

// --- the rich text editor of edRichEdit cells --------------------------------------------------------

void TRezIvevirAvod::OpenRichEditor(TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow) {
  TExRichEdit* Editor = InplaceRichEdit();
  Editor->ReCreate();
  Editor->SetParent(this);
  Editor->SetBorderStyle(bsNone);
  Editor->SetHideSelection(false);
  PlaceEditor(Editor, R, W, H);
  DoGetEditorProp(SC, ARow, nullptr);
  // Loading the cell is no typing: the row keeps its height.
  Editor->SetLocked(true);
  auto Unlock = ScopeExit([Editor] { Editor->SetLocked(false); });
  CellToRich(SC, ARow, Editor);
  if (Navigation()->EditSelectAll()) Editor->SelectAll();
  Editor->SetVisible(true);
  Editor->SetEnabled(true);
  RECT Format{2, 2, R.Right - R.Left - 2, R.Bottom - R.Top - 2};
  SendMessageW(Editor->Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&Format));
  Editor->SetColor(C);
  Editor->SetFocus();
  PostStartChar(Editor);
  FEditCtrl = Editor;
  FEditMode = true;
}

void TRezIvevirAvod::StoreRichEditor(Integer SC, Integer ARow) {
  // A stale editor of an edit that ended before writes nothing.
  if (!FInplaceRichEdit || !FEditMode) return;
  ApplyEditText(SC, ARow, RichToString(FInplaceRichEdit));
  CloseEditor(FInplaceRichEdit);
}

void TRezIvevirAvod::CloseVisibleRichEditor() {
  if (FInplaceRichEdit && FInplaceRichEdit->Visible()) HideInplaceEdit();
}

}  // namespace jorv::grid
