// Published properties of the drop-down editors, and the two look values
// every drop-down keeps in its form stream beside them.
#include "dropdown/DetailDropDown.h"
#include "dropdown/DropDownPublishing.h"
#include "dropdown/ExDropDown.h"
#include "dropdown/ImagePickerDropDown.h"
#include "dropdown/MemoDropDown.h"
#include "dropdown/TrackBarDropDown.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Filer.h"
#include "platform/ui/ControlPublished.h"

namespace jorv::dropdown {

// The colours themselves are published, so reading the look values back
// only stores them: applying a preset here would overwrite the colours
// read just before.
void TExCustomDropDown::DefineProperties(TFiler* Filer) {
  TCustomMaskEdit::DefineProperties(Filer);
  Filer->DefineProperty(
      L"SelectionColorStyle",
      [this](TReader* Reader) {
        FSelectionColorStyle = static_cast<TSelectionColorStyle>(Reader->ReadInteger());
      },
      [this](TWriter* Writer) { Writer->WriteInteger(FSelectionColorStyle); }, true);
  Filer->DefineProperty(
      L"ZVQStyle", [this](TReader* Reader) { FZVQStyle = static_cast<TZVQStyle>(Reader->ReadInteger()); },
      [this](TWriter* Writer) { Writer->WriteInteger(FZVQStyle); }, true);
}

namespace {

const TEnumInfo ScrollStyleNames{{L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth"}};

}  // namespace

const TEnumInfo ItemLayoutNames{{L"ilCaptionLeft", L"ilCaptionRight", L"ilCaptionTop", L"ilCaptionBottom"}};

// The colours are plain values of the appearance; all but the two hot and
// selected borders are always stored.
JORV_PUBLISH(TItemAppearance, TPersistent) {
  struct TEntry {
    const wchar_t* Name;
    TColor TItemAppearance::*Field;
    bool DefaultNone;
  };
  static const TEntry Entries[] = {
      {L"BorderColor", &TItemAppearance::BorderColor, false},
      {L"BorderColorTop", &TItemAppearance::BorderColorTop, false},
      {L"BorderColorBottom", &TItemAppearance::BorderColorBottom, false},
      {L"BorderColorHot", &TItemAppearance::BorderColorHot, true},
      {L"BorderColorSelected", &TItemAppearance::BorderColorSelected, true},
      {L"ColorHot", &TItemAppearance::ColorHot, false},
      {L"ColorHotTo", &TItemAppearance::ColorHotTo, false},
      {L"ColorHotText", &TItemAppearance::ColorHotText, false},
      {L"ColorMirrorHot", &TItemAppearance::ColorMirrorHot, false},
      {L"ColorMirrorHotTo", &TItemAppearance::ColorMirrorHotTo, false},
      {L"ColorSelected", &TItemAppearance::ColorSelected, false},
      {L"ColorSelectedTo", &TItemAppearance::ColorSelectedTo, false},
      {L"ColorMirrorSelected", &TItemAppearance::ColorMirrorSelected, false},
      {L"ColorMirrorSelectedTo", &TItemAppearance::ColorMirrorSelectedTo, false},
      {L"ColorSelectedText", &TItemAppearance::ColorSelectedText, false},
      {L"EdgeColor", &TItemAppearance::EdgeColor, false},
  };
  for (const TEntry& E : Entries) {
    const auto Field = E.Field;
    Class.Color(
        E.Name, [Field](const TItemAppearance* A) { return A->*Field; },
        [Field](TItemAppearance* A, TColor Value) { A->*Field = Value; },
        E.DefaultNone ? std::optional<TColor>(clNone) : std::nullopt);
  }
  Class.Object(L"Font", &TItemAppearance::Font);
}

JORV_PUBLISH(TSelectorItem, TPersistent) {
  Class.Text(L"Caption", &TSelectorItem::Caption, &TSelectorItem::SetCaption)
      .Color(L"Color", &TSelectorItem::Color, &TSelectorItem::SetColor, clNone)
      .Integer(L"ImageIndex", &TSelectorItem::ImageIndex, &TSelectorItem::SetImageIndex, -1)
      .Object(L"Image", &TSelectorItem::Image)
      .Text(L"Hint", &TSelectorItem::Hint, &TSelectorItem::SetHint);
}

JORV_PUBLISH(TImageItem, TPersistent) {
  Class.Text(L"Caption", &TImageItem::Caption, &TImageItem::SetCaption)
      .Integer(L"ImageIndex", &TImageItem::ImageIndex, &TImageItem::SetImageIndex, -1)
      .Object(L"Image", &TImageItem::Image)
      .Text(L"Hint", &TImageItem::Hint, &TImageItem::SetHint);
}

JORV_PUBLISH(TDetailItem, TPersistent) {
  Class.Text(L"Caption", &TDetailItem::Caption, &TDetailItem::SetCaption)
      .Integer(L"ImageIndex", &TDetailItem::ImageIndex, &TDetailItem::SetImageIndex, -1)
      .Object(L"Image", &TDetailItem::Image)
      .Text(L"Notes", &TDetailItem::Notes, &TDetailItem::SetNotes)
      .Integer(L"Tag", &TDetailItem::Tag, &TDetailItem::SetTag, 0);
}

JORV_PUBLISH(TExImagePickerDropDown, TControl) {
  PublishDropDown(Class, {L"DropDownColorTo", L"DropDownEnabled", L"EditorEnabled", L"Text"});
  Class.Boolean(L"DisabledBorder", &TExImagePickerDropDown::DisabledBorder,
                &TExImagePickerDropDown::SetDisabledBorder, true)
      .Integer(L"Columns", &TExImagePickerDropDown::Columns, &TExImagePickerDropDown::SetColumns, 1)
      .Object(L"Items", &TExImagePickerDropDown::Items)
      .Integer(L"ItemIndex", &TExImagePickerDropDown::ItemIndex, &TExImagePickerDropDown::SetItemIndex, -1)
      .Enum(L"Layout", &TExImagePickerDropDown::Layout, &TExImagePickerDropDown::SetLayout, ItemLayoutNames,
            std::optional<TItemLayout>(ilCaptionRight))
      .Object(L"ItemAppearance", &TExImagePickerDropDown::ItemAppearance);
}

JORV_PUBLISH(TExDetailDropDown, TControl) {
  PublishDropDown(Class, {L"DropDownColorTo", L"DropDownEnabled", L"Text"});
  Class.Boolean(L"DisabledBorder", &TExDetailDropDown::DisabledBorder, &TExDetailDropDown::SetDisabledBorder,
                true)
      .Object(L"Items", &TExDetailDropDown::Items)
      .Integer(L"ItemIndex", &TExDetailDropDown::ItemIndex, &TExDetailDropDown::SetItemIndex, -1)
      .Integer(L"ItemHeight", &TExDetailDropDown::ItemHeight, &TExDetailDropDown::SetItemHeight, 22)
      .Enum(L"Layout", &TExDetailDropDown::Layout, &TExDetailDropDown::SetLayout, ItemLayoutNames,
            std::optional<TItemLayout>(ilCaptionRight))
      .Object(L"ItemAppearance", &TExDetailDropDown::ItemAppearance)
      .Object(L"CaptionFont", &TExDetailDropDown::CaptionFont)
      .Object(L"NotesFont", &TExDetailDropDown::NotesFont);
}

JORV_PUBLISH(TExDropDown, TControl) { PublishDropDown(Class); }

JORV_PUBLISH(TExTrackBarDropDown, TControl) {
  PublishDropDown(Class, {L"DropDownColor", L"DropDownColorTo", L"Text"});
  Class.Boolean(L"DisabledBorder", &TExTrackBarDropDown::DisabledBorder,
                &TExTrackBarDropDown::SetDisabledBorder, true)
      .Integer(L"Max", &TExTrackBarDropDown::Max, &TExTrackBarDropDown::SetMax, 10)
      .Integer(L"Min", &TExTrackBarDropDown::Min, &TExTrackBarDropDown::SetMin, 0)
      .Integer(L"Frequency", &TExTrackBarDropDown::Frequency, &TExTrackBarDropDown::SetFrequency, 1)
      .Integer(L"Position", &TExTrackBarDropDown::Position, &TExTrackBarDropDown::SetPosition, 0)
      .Integer(L"PageSize", &TExTrackBarDropDown::PageSize, &TExTrackBarDropDown::SetPageSize, 2);
}

JORV_PUBLISH(TExMemoDropDown, TControl) {
  PublishDropDown(Class, {L"DropDownColor", L"DropDownColorTo", L"DropDownEnabled", L"Text"});
  Class.Boolean(L"DisabledBorder", &TExMemoDropDown::DisabledBorder, &TExMemoDropDown::SetDisabledBorder,
                true)
      .Boolean(L"AutoDrop", &TExMemoDropDown::AutoDrop, &TExMemoDropDown::SetAutoDrop, false)
      .Object(L"MemoText", &TExMemoDropDown::MemoText)
      .Enum(L"MemoScrollBars", &TExMemoDropDown::MemoScrollBars, &TExMemoDropDown::SetMemoScrollBars,
            ScrollStyleNames, std::optional<TScrollStyle>(ssNone))
      .Boolean(L"MemoReadOnly", &TExMemoDropDown::MemoReadOnly, &TExMemoDropDown::SetMemoReadOnly,
               false);
}

JORV_PUBLISH(TExControlDropDown, TExDropDown) {
  Class.Reference<TControl>(L"Control", &TExControlDropDown::Control, &TExControlDropDown::SetControl);
}

}  // namespace jorv::dropdown

JORV_PUBLISHED_UNIT(dropdown)
