// The hover buttons: a row of buttons on a borderless form that never
// becomes active, shown against the row under the mouse, whose clicks the
// grid reports with the row and the button's item.
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/NoActiveForm.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/SpeedButton.h"

namespace jorv::grid {

TNoActiveForm* TRezIvevirAvod::HoverButtonsForm() {
  if (!FButtonForm) {
    FButtonForm = new TNoActiveForm(this, true);
    FButtonForm->SetBounds(0, 0, 200, 22);
    FButtonForm->OnFormMouseLeave = [this](TObject*) { HideHoverButtons(); };
  }
  return FButtonForm;
}

void TRezIvevirAvod::HideHoverButtons() {
  if (FButtonForm) FButtonForm->SetVisible(false);
}

void TRezIvevirAvod::DoHoverButtonClick(TObject* Button) {
  auto* Clicked = dynamic_cast<TComponent*>(Button);
  if (!Clicked || !OnHoverButtonClick) return;
  const Integer Index = static_cast<Integer>(Clicked->Tag());
  if (Index < 0 || Index >= FHoverButtons->Buttons()->Count()) return;
  OnHoverButtonClick(this, Row(), FHoverButtons->Buttons()->Items(Index));
}

// One button per item, left to right; the form is as wide as they are.
void TRezIvevirAvod::FillHoverButtonsForm() {
  TNoActiveForm* Form = HoverButtonsForm();
  Integer X = 0;
  for (Integer i = 0; i < FHoverButtons->Buttons()->Count(); ++i) {
    THoverButtonsCollectionItem* Item = FHoverButtons->Buttons()->Items(i);
    auto* Button = new TSpeedButton(Form);
    Button->SetParent(Form);
    if (FGridImages && Item->ImageIndex() >= 0 && Item->ImageIndex() < FGridImages->Count()) {
      TBitmap Image;
      FGridImages->GetBitmap(Item->ImageIndex(), &Image);
      Button->SetGlyph(&Image);
    } else if (Item->Picture()->Width() > 0) {
      Button->SetGlyph(Item->Picture()->Bitmap());
    }
    Button->SetHint(Item->Hint());
    Button->SetShowHint(!Item->Hint().empty());
    Button->SetFlat(Item->Flat());
    Button->SetEnabled(Item->Enabled());
    Button->SetCaption(Item->Caption());
    Button->SetTag(i);
    Button->OnClick = [this](TObject* Sender) { DoHoverButtonClick(Sender); };
    const Integer W = Item->Width() > 0 ? Item->Width() : Button->Width();
    Button->SetBounds(X, 0, W, Button->Height());
    X += W;
  }
  Form->SetBounds(Form->Left(), Form->Top(), X, Form->Height());
  FHoverButtonsFilled = true;
}

void TRezIvevirAvod::FollowHoverButtons(Integer C, Integer R) {
  if (!FHoverButtons->Enabled()) return;
  const bool Valid = C >= 0 && R >= 0 && C < ColCount() && R < RowCount();
  const bool Normal = Valid && R >= FixedRows();
  const bool Eligible = Normal || (Valid && FHoverButtons->Rows() == hrAll);
  const Integer Column = FHoverButtons->Column();
  if (!Eligible || FHoverButtons->Buttons()->Count() == 0 || Column < 0 || Column >= ColCount()) {
    HideHoverButtons();
    return;
  }
  // Only a normal row can be the current one.
  if (Normal && R != Row()) SetRow(R);
  if (!FHoverButtonsFilled) FillHoverButtonsForm();
  TNoActiveForm* Form = HoverButtonsForm();
  const TRect Cell = CellRect(Column, R);
  Integer Left = Cell.Left;
  switch (FHoverButtons->Position()) {
    case hbLeftFromColumnLeft: Left = Cell.Left - Form->Width(); break;
    case hbRightFromColumnLeft: Left = Cell.Left; break;
    case hbLeftFromColumnRight: Left = Cell.Right - Form->Width(); break;
    case hbRightFromColumnRight: Left = Cell.Right; break;
  }
  const TPoint At = ClientToScreen(TPoint{Left, Cell.Top});
  Form->SetBounds(At.X, At.Y, Form->Width(), Form->Height());
  Form->SetVisible(true);
}

void TRezIvevirAvod::HoverButtonsMouseLeave() {
  if (!FHoverButtons->Enabled() || !FButtonForm || !FButtonForm->Visible()) return;
  POINT Cursor{};
  GetCursorPos(&Cursor);
  if (!FButtonForm->BoundsRect().Contains(TPoint{Cursor.x, Cursor.y})) HideHoverButtons();
}

}  // namespace jorv::grid
