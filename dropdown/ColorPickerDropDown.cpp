#include "dropdown/ColorPickerDropDown.h"
#include <cwchar>
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/Math.h"

namespace jorv::dropdown {

namespace {

bool AltHeld() { return GetKeyState(VK_MENU) < 0; }
bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

String HexColor(TColor Color) {
  wchar_t Text[16];
  swprintf(Text, 16, L"%06X", static_cast<unsigned>(Color));
  return Text;
}

String HtmlColor(TColor Color) {
  wchar_t Text[8];
  swprintf(Text, 8, L"#%02X%02X%02X", GetRValue(Color), GetGValue(Color), GetBValue(Color));
  return Text;
}

// Runs Step with Flag set, so that a selection it makes keeps the pop-up open.
template <class F>
void WithFlag(bool& Flag, F Step) {
  Flag = true;
  Step();
  Flag = false;
}

}  // namespace

// --- colour items -------------------------------------------------------------------------------

void TColorItem::ItemChanged() {
  if (auto* Owner = dynamic_cast<TColorItems*>(Collection())) Owner->DoChange();
}

void TColorItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  ItemChanged();
}

void TColorItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  ItemChanged();
}

void TColorItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TColorItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(Item->Caption());
  SetColor(Item->Color());
  FEnabled = Item->Enabled();
  FHint = Item->Hint();
}

// --- construction ---------------------------------------------------------------------------------

TExColorPickerDropDown::TExColorPickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      FColors(std::make_unique<TColorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)) {
  FColors->OnChange = [](TObject*) {};
  SetAutoSize(false);
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  // Placed in a form designer, not read from a form: it gets the default
  // colours once its window is made.
  const bool OwnerLoading =
      AOwner && (AOwner->ComponentState().Contains(csReading) || AOwner->ComponentState().Contains(csLoading));
  FDesignTime = ComponentState().Contains(csDesigning) && !OwnerLoading;
  SetDropDownHeight(200);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExColorPickerDropDown::~TExColorPickerDropDown() = default;

// The picker takes no typing, so it shows the arrow over its edit; the
// cursor is given with the window, since telling it has to reach one.
void TExColorPickerDropDown::CreateWnd() {
  TExCustomDropDown::CreateWnd();
  if (Cursor() == crDefault) SetCursor(crArrow);
  while (FDesignTime && FColors->Count() == 0) {
    FDesignTime = false;
    AddDefaultColors();
    if (FItemSelector) FillSelectorItems();
  }
}

void TExColorPickerDropDown::Loaded() {
  TExCustomDropDown::Loaded();
  if (FDesignTime) AddDefaultColors();
  if (FItemSelector) {
    FillSelectorItems();
    ConfigureItemSelector();
  }
}

void TExColorPickerDropDown::AddDefaultColors() {
  struct TNamed {
    const wchar_t* Caption;
    TColor Color;
  };
  static constexpr TNamed Defaults[] = {
      {L"Black", clBlack},   {L"Maroon", clMaroon}, {L"Green", clGreen},   {L"Olive", clOlive},
      {L"Navy", clNavy},     {L"Purple", clPurple}, {L"Teal", clTeal},     {L"Gray", clGray},
      {L"Silver", clSilver}, {L"Red", clRed},       {L"Lime", clLime},     {L"Yellow", clYellow},
      {L"Blue", clBlue},     {L"Fuchsia", clFuchsia}, {L"Aqua", clAqua},   {L"White", clWhite},
  };
  FColors->Clear();
  for (const TNamed& Entry : Defaults) {
    TColorItem* Item = FColors->Add();
    Item->SetCaption(Entry.Caption);
    Item->SetColor(Entry.Color);
  }
}

void TExColorPickerDropDown::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FItemSelector) FillSelectorItems();
}

// --- the named list ------------------------------------------------------------------------------

void TExColorPickerDropDown::FillSelectorItems() {
  TSelectorItems* Target = FItemSelector->Items();
  Target->Clear();
  for (Integer Index = 0; Index < FColors->Count(); ++Index) {
    TColorItem* From = FColors->Items(Index);
    TSelectorItem* Item = Target->Add();
    Item->SetCaption(From->Caption());
    Item->SetColor(From->Color());
    Item->SetHint(From->Hint());
  }
}

void TExColorPickerDropDown::ConfigureItemSelector() {
  if (!FItemSelector) return;
  FItemSelector->OnItemSelect = nullptr;
  FItemSelector->SetColumns(FColumns);
  FItemSelector->SetImages(Images());
  FItemSelector->SetItemLayout(FLayout);
  FItemSelector->SetColor(DropDownColor());
  FillSelectorItems();
  FItemSelector->SetColorBoxHeight(FColorBoxHeight);
  FItemSelector->SetColorBoxWidth(FColorBoxWidth);
  FItemSelector->SetItemAppearance(FItemAppearance.get());
  FItemSelector->UpdateSelectorPanel();
  FItemSelector->SetItemIndex(FItemIndex);
  FItemSelector->OnItemSelect = [this](TObject* Sender) { SelectorItemSelected(Sender); };
  FItemSelector->SetShowHint(ShowHint());
}

// --- the pop-up content ----------------------------------------------------------------------------

void TExColorPickerDropDown::PrepareItemSelector() {
  if (!FItemSelector) {
    FItemSelector = new TExCustomItemSelector(this);
    FItemSelector->SetParent(FDropDownForm);
    FItemSelector->SetSelectorType(stColor);
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    FItemSelector->UpdateSelectorPanel();
  }
  FItemSelector->SetColor(DropDownColor());
  SetControl(FItemSelector);
}

void TExColorPickerDropDown::PrepareColorSelector() {
  if (!FColorSelector) {
    FColorSelector = new TCustomColorSelector(this);
    FColorSelector->SetParent(FDropDownForm);
    FColorSelector->SetBounds(0, 0, FColorSelector->Width(), FColorSelector->Height());
    FColorSelector->AddDefaultColorBoxes();
  }
  FColorSelector->SetColor(DropDownColor());
  FColorSelector->ArrangeColorBoxes();
  SetControl(FColorSelector);
}

void TExColorPickerDropDown::PrepareCubePanel() {
  if (!FColorCubePanel) {
    FColorCubePanel = new TExColorCubePanel(this);
    FColorCubePanel->SetParent(FDropDownForm);
    FColorCubePanel->SetBounds(0, 0, FColorCubePanel->Width(), FColorCubePanel->Height());
  }
  FColorCubePanel->SetColor(DropDownColor());
  SetControl(FColorCubePanel);
}

void TExColorPickerDropDown::PrepareSpectrumPanel() {
  if (!FSpectrumPanel) {
    FSpectrumPanel = new TExColorSpectrumPanel(this);
    FSpectrumPanel->SetParent(FDropDownForm);
    FSpectrumPanel->SetBounds(0, 0, FSpectrumPanel->Width(), FSpectrumPanel->Height());
  }
  FSpectrumPanel->SetColor(DropDownColor());
  SetControl(FSpectrumPanel);
}

void TExColorPickerDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  switch (FColorSelectionStyle) {
    case csList: PrepareItemSelector(); break;
    case csDiscrete: PrepareColorSelector(); break;
    case csColorCube: PrepareCubePanel(); break;
    case csSpectrum: PrepareSpectrumPanel(); break;
  }
}

TControl* TExColorPickerDropDown::StyleControl() const {
  switch (FColorSelectionStyle) {
    case csList: return FItemSelector;
    case csDiscrete: return FColorSelector;
    case csColorCube: return FColorCubePanel;
    case csSpectrum: return FSpectrumPanel;
  }
  return nullptr;
}

void TExColorPickerDropDown::HideAllBut(TControl* Keep) {
  for (TControl* C : std::initializer_list<TControl*>{FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel})
    if (C && C != Keep) C->SetVisible(false);
}

// Makes the current style's content, fills it from the picker and shows it.
void TExColorPickerDropDown::PrepareContent() {
  if (!FDropDownForm) return;
  switch (FColorSelectionStyle) {
    case csList:
      PrepareItemSelector();
      HideAllBut(FItemSelector);
      ConfigureItemSelector();
      if (OnDrawColor)
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, Integer Index) {
          OnDrawColor(this, Canvas, R, Index);
        };
      else
        FItemSelector->OnDrawItem = nullptr;
      FOldItemIndex = FItemIndex;
      break;
    case csDiscrete:
      PrepareColorSelector();
      HideAllBut(FColorSelector);
      // The last opening's handler must not take this opening's colour.
      FColorSelector->OnItemSelect = nullptr;
      FColorSelector->SetAlign(alNone);
      FColorSelector->SetSelectedColor(FSelectedColor);
      FColorSelector->ArrangeColorBoxes();
      FColorSelector->OnItemSelect = [this](TObject* Sender) { DiscreteColorSelected(Sender); };
      FColorSelector->SetItemColorStyle(SelectionColorStyle());
      FColorSelector->SetVisible(true);
      break;
    case csColorCube:
      PrepareCubePanel();
      HideAllBut(FColorCubePanel);
      FColorCubePanel->SetAlign(alNone);
      FColorCubePanel->SetSelectedColor(FSelectedColor);
      FColorCubePanel->InitCubeColors();
      FColorCubePanel->ResetHotCell();
      FColorCubePanel->OnSelect = [this](TObject*) { PanelColorSelected(FColorCubePanel->SelectedColor()); };
      FColorCubePanel->SetVisible(true);
      break;
    case csSpectrum:
      PrepareSpectrumPanel();
      HideAllBut(FSpectrumPanel);
      FSpectrumPanel->SetAlign(alNone);
      FSpectrumPanel->SetSelectedColor(FSelectedColor);
      FSpectrumPanel->LayoutSpectrum();
      FSpectrumPanel->OnSelect = [this](TObject*) { PanelColorSelected(FSpectrumPanel->SelectedColor()); };
      FSpectrumPanel->SetVisible(true);
      break;
  }
  FOldSelectedColor = FSelectedColor;
}

void TExColorPickerDropDown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  PrepareContent();
  // A panel's pop-up cannot be resized, so the size it had when it last
  // closed (perhaps with another content) is not the user's to keep.
  if (PanelStyle()) FUserDropDownWidth = FUserDropDownHeight = -1;
}

// A panel's pop-up is as large as the panel inside the border, with the
// visible header and footer.
void TExColorPickerDropDown::SizeToPanel() {
  TControl* C = StyleControl();
  const bool Shown = C && C->Visible();
  Integer W = Shown ? C->Width() + 2 * DropDownBorderWidth() : Width();
  Integer H = 2 * DropDownBorderWidth();
  if (DropDownHeader()->Visible()) H += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) H += DropDownFooter()->Height();
  if (Shown) H += C->Height();
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), W, H);
}

void TExColorPickerDropDown::SizeDropDownForm() {
  if (!FDropDownForm) return;
  if (PanelStyle()) {
    SizeToPanel();
    return;
  }
  if (!FItemSelector) {
    TExCustomDropDown::SizeDropDownForm();
    return;
  }
  FItemSelector->SetAlign(alNone);
  TSize Panel;
  FItemSelector->GetPanelSize(Panel);
  if (DropDownWidth() < 1) FItemSelector->SetWidth(Panel.cx);
  if (DropDownHeight() < 1) FItemSelector->SetHeight(Panel.cy);
  FControlSize = TSize{FItemSelector->Width(), FItemSelector->Height()};
  TExCustomDropDown::SizeDropDownForm();
  if (FItemSelector->VertScrollBar()->IsScrollBarVisible())
    FDropDownForm->SetWidth(FDropDownForm->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TExColorPickerDropDown::PlaceDropDownControl() {
  TExCustomDropDown::PlaceDropDownControl();
  if (FDropDownForm && PanelStyle()) FDropDownForm->SetSizeable(false);
}

void TExColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
  if (FColorSelectionStyle == Value) return;
  FColorSelectionStyle = Value;
  if (ComponentState().Contains(csDesigning) || !FDropDownForm) return;
  PrepareContent();
  TControl* Content = StyleControl();
  if (!Content) return;
  Content->SetVisible(true);
  if (Value == csList)
    SizeDropDownForm();
  else
    SizeToPanel();
  Content->SetAlign(alClient);
  FDropDownForm->Invalidate();
}

void TExColorPickerDropDown::DropDownFormDestroyed() {
  TExCustomDropDown::DropDownFormDestroyed();
  if (ComponentState().Contains(csDestroying)) return;
  // The content controls went with the form.
  FItemSelector = nullptr;
  FColorCubePanel = nullptr;
  FSpectrumPanel = nullptr;
  FColorSelector = nullptr;
}

// --- selection ----------------------------------------------------------------------------------------

void TExColorPickerDropDown::SetItemIndex(Integer Value) {
  if (Value >= FColors->Count()) return;
  FItemIndex = Value;
  if (Value >= 0) FSelectedColor = FColors->Items(Value)->Color();
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExColorPickerDropDown::SetSelectedColor(TColor Value) {
  if (FSelectedColor == Value) return;
  FSelectedColor = Value;
  for (Integer Index = 0; Index < FColors->Count(); ++Index)
    if (FColors->Items(Index)->Color() == Value) {
      SetItemIndex(Index);
      break;
    }
  Invalidate();
}

void TExColorPickerDropDown::SelectorItemSelected(TObject*) {
  SetItemIndex(FItemSelector->ItemIndex());
  if (!FInternalCall) DoHideDropDown(false);
}

void TExColorPickerDropDown::DiscreteColorSelected(TObject*) {
  SetSelectedColor(FColorSelector->SelectedColor());
  SetItemIndex(-1);
  if (!FInternalCall) DoHideDropDown(false);
}

void TExColorPickerDropDown::PanelColorSelected(TColor AColor) {
  SetSelectedColor(AColor);
  SetItemIndex(-1);
  DoHideDropDown(false);
}

void TExColorPickerDropDown::DoHideDropDown(bool Cancel) {
  TExCustomDropDown::DoHideDropDown(Cancel);
  if (!Cancel) return;
  if (FColorSelectionStyle == csList && FItemSelector) SetItemIndex(FOldItemIndex);
  if (FColorSelectionStyle == csDiscrete && FColorSelector) FColorSelector->SetSelectedColor(FOldSelectedColor);
}

void TExColorPickerDropDown::SelectFirstColor() {
  if (FColors->Count() > 0) SetItemIndex(0);
}

void TExColorPickerDropDown::SelectLastColor() {
  if (FColors->Count() > 0) SetItemIndex(FColors->Count() - 1);
}

void TExColorPickerDropDown::SelectNextColor() {
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex + 1 < FColors->Count())
    SetItemIndex(FItemIndex + 1);
}

void TExColorPickerDropDown::SelectPreviousColor() {
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex - 1 >= 0)
    SetItemIndex(FItemIndex - 1);
}

// --- text of the colour ----------------------------------------------------------------------------------

String TExColorPickerDropDown::SelectedColorText() {
  String Text;
  GetSelectedColorText(Text);
  return Text;
}

void TExColorPickerDropDown::GetSelectedColorText(String& Text) {
  if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors->Count()) {
    Text = FColors->Items(FItemIndex)->Caption();
    return;
  }
  const TColor RGBColor = ColorToRGB(FSelectedColor);
  switch (FColorValueText) {
    case cvtNone: Text.clear(); break;
    case cvtHex: Text = HexColor(FSelectedColor); break;
    case cvtWebName: Text = ColorToWebColorName(RGBColor); break;
    case cvtRGB:
      Text = L"Red:" + std::to_wstring(GetRValue(RGBColor)) + L",Green:" + std::to_wstring(GetGValue(RGBColor)) +
             L",Blue:" + std::to_wstring(GetBValue(RGBColor));
      break;
    case cvtHTML: Text = HtmlColor(RGBColor); break;
  }
}

void TExColorPickerDropDown::SetColorValueText(TColorValueText Value) {
  if (FColorValueText == Value) return;
  FColorValueText = Value;
  Invalidate();
}

void TExColorPickerDropDown::SetShowText(bool Value) {
  if (FShowText == Value) return;
  FShowText = Value;
  Invalidate();
}

// --- painting ---------------------------------------------------------------------------------------------

void TExColorPickerDropDown::PaintEditContent() {
  TExCustomDropDown::PaintEditContent();
  PaintSelectedColor();
}

// Drawn over the edit's client area, left of the drop-down button.
void TExColorPickerDropDown::PaintSelectedColor() {
  if (!HandleAllocated()) return;
  TWindowDC DC(Handle());
  TCanvas Canvas;
  TCanvasDC Lend(&Canvas, DC);
  const TRect Client = ClientRect();
  const TRect R(1, 1, Client.Width() - DropDownButtonWidth() - 2, Client.Height() - 2);
  if (OnDrawSelectedColor) {
    OnDrawSelectedColor(this, &Canvas, R);
    return;
  }
  if (FSelectedColor == clNone) return;
  const Integer BoxTop = R.Top + (Client.Height() - FColorBoxHeight) / 2;
  const TRect Box(R.Left + 4, BoxTop, R.Left + 4 + FColorBoxWidth, BoxTop + FColorBoxHeight);
  Canvas.Pen()->SetColor(clBlack);
  Canvas.Brush()->SetColor(FSelectedColor);
  Canvas.Rectangle(Box);
  if (!FShowText) return;
  Canvas.Font()->Assign(Font());
  if (!EditorEnabled() && Focused()) Canvas.Font()->SetColor(clHighlightText);
  Canvas.Brush()->SetColor(Focused() ? clHighlight : Color());
  const String Text = SelectedColorText();
  RECT TextRect{Box.Right + 4, R.Top, R.Right, R.Bottom};
  const HDC Handle = Canvas.Handle();
  // DrawText fills behind the glyphs with the background colour, which the
  // canvas leaves at the box's colour.
  SetBkColor(Handle, ColorToRGB(Canvas.Brush()->Color()));
  SetBkMode(Handle, OPAQUE);
  SetTextColor(Handle, ColorToRGB(Canvas.Font()->Color()));
  DrawTextW(Handle, Text.c_str(), static_cast<int>(Text.size()), &TextRect,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

// --- looks --------------------------------------------------------------------------------------------------

void STDMETHODCALLTYPE TExColorPickerDropDown::SetComponentStyle(TZVQStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExCustomDropDown::SetSelectionColorStyle(Value);
  if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// --- keys and wheel ------------------------------------------------------------------------------------------

// A closed picker steps through and searches the named colours also
// before its list was first filled.
void TExColorPickerDropDown::EnsureSelectorFilled() {
  if (FItemSelector->Items()->Count() != FColors->Count()) ConfigureItemSelector();
}

void TExColorPickerDropDown::MoveInList(Integer Index) {
  WithFlag(FInternalCall, [&] {
    if (Index >= 0 && Index < FItemSelector->Items()->Count()) {
      FItemSelector->SetItemIndex(Index);
      FItemSelector->ScrollItemInView(Index);
    }
  });
}

void TExColorPickerDropDown::ListKeyDown(Word Key) {
  const bool Dropped = Open();
  auto Step = [this](void (TExCustomItemSelector::*Selector)()) {
    WithFlag(FInternalCall, [&] { (FItemSelector->*Selector)(); });
  };
  switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
      EnsureSelectorFilled();
      const Integer Page = FItemSelector->GetVisibleItemCount();
      if (Page < 1) return;
      const Integer Current = FItemSelector->ItemIndex();
      MoveInList(Key == VK_PRIOR ? Max(0, Current - Page) : Min(Current + Page, FColors->Count() - 1));
      return;
    }
    case VK_END:
      if (Dropped) Step(&TExCustomItemSelector::SelectLast);
      else SelectLastColor();
      return;
    case VK_HOME:
      if (Dropped) Step(&TExCustomItemSelector::SelectFirst);
      else SelectFirstColor();
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (Dropped && !EditorEnabled())
        Step(Key == VK_LEFT ? &TExCustomItemSelector::SelectPrevious : &TExCustomItemSelector::SelectNext);
      return;
    case VK_UP:
    case VK_DOWN: {
      if (!Dropped) {
        if (Key == VK_UP) SelectPreviousColor();
        else SelectNextColor();
        return;
      }
      const Integer Current = FItemSelector->ItemIndex();
      MoveInList(Current < 0 ? 0 : Current + (Key == VK_UP ? -FColumns : FColumns));
      return;
    }
    default: {
      if (CtrlHeld()) return;
      EnsureSelectorFilled();
      // Letter keys' codes are their upper-case letters already.
      bool Found = false;
      WithFlag(FInternalCall, [&] { Found = FItemSelector->LookupItem(FCurSearch.Add(static_cast<Char>(Key))); });
      // Only a found entry is taken: the list may still show an entry that
      // a cancel (Esc) has just taken back.
      if (Found && FItemSelector->ItemIndex() != FItemIndex) SetItemIndex(FItemSelector->ItemIndex());
      return;
    }
  }
}

void TExColorPickerDropDown::Dispatch(TMessage& M) {
  if (M.Msg != WM_KEYDOWN) {
    TExCustomDropDown::Dispatch(M);
    return;
  }
  const Word Key = MsgAs<TWMKey>(M).CharCode;
  bool ReturnUsed = false;
  if (Enabled() && FDroppedDown && Key == VK_RETURN) {
    if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
      FItemSelector->SetItemIndex(FItemSelector->ItemHot());
      ReturnUsed = true;
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
      FColorSelector->SetItemIndex(FColorSelector->ItemHot());
      ReturnUsed = true;
    }
  }
  TExCustomDropDown::Dispatch(M);
  if (!Enabled() || AltHeld()) return;
  if (FColorSelectionStyle == csList && FItemSelector) {
    if (Key == VK_RETURN) {
      if (!ReturnUsed && OnSelect) OnSelect(this);
      return;
    }
    ListKeyDown(Key);
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    WithFlag(FInternalCall, [&] { FColorSelector->HandleKey(Key, EditorEnabled(), FDroppedDown); });
    if (Key == VK_RETURN && !ReturnUsed && OnSelect) OnSelect(this);
  }
}

void TExColorPickerDropDown::DoWheelDown() {
  if (!Enabled() || ReadOnly()) return;
  if (FColorSelectionStyle == csList && FItemSelector) {
    EnsureSelectorFilled();
    if (FDroppedDown) FItemSelector->HotNext();
    else WithFlag(FInternalCall, [&] { FItemSelector->SelectNext(); });
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    if (FDroppedDown) FColorSelector->HotNext();
    else WithFlag(FInternalCall, [&] { FColorSelector->SelectNext(); });
  }
}

void TExColorPickerDropDown::DoWheelUp() {
  if (!Enabled() || ReadOnly()) return;
  if (FColorSelectionStyle == csList && FItemSelector) {
    EnsureSelectorFilled();
    if (FDroppedDown) FItemSelector->HotPrevious();
    else WithFlag(FInternalCall, [&] { FItemSelector->SelectPrevious(); });
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    if (FDroppedDown) FColorSelector->HotPrevious();
    else WithFlag(FInternalCall, [&] { FColorSelector->SelectPrevious(); });
  }
}

}  // namespace jorv::dropdown
