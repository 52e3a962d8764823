#pragma once
// The data-aware grid's columns: one item per real grid column binds it to
// a field of the data set and says how that field is shown, edited and
// printed.
#include <memory>
#include "grid/base/GridTypes.h"
#include "grid/core/CellGraphic.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Strings.h"

namespace jorv {
class TField;
class TPopupMenu;
class TCustomImageList;
}  // namespace jorv

namespace jorv::grid {

class TRERorAzaz;
class TEditLink;
class TDBGridColumnCollection;

enum TColumnPopupType : uint8_t {
  cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
  cpAllCellsLClick
};

// A plain column setting: stored, and the collection told of the change.
#define JORV_DBCOL_PLAIN(Type, Name, Default)                 \
 public:                                                      \
  Type Name() const { return F##Name; }                       \
  void Set##Name(Type Value) {                                \
    if (F##Name == Value) return;                             \
    F##Name = Value;                                          \
    Changed(false);                                           \
  }                                                           \
                                                              \
 private:                                                     \
  Type F##Name = Default;

class TDBGridColumnItem : public TCollectionItem {
 public:
  explicit TDBGridColumnItem(TCollection* ACollection = nullptr);
  ~TDBGridColumnItem() override;
  String ClassName() const override { return L"TDBGridColumnItem"; }

  void Assign(TPersistent* Source) override;
  // As Assign, without the binding and the field-kind settings; colour and
  // font come from the grid.
  void AssignVisuals(TPersistent* Source);
  // At design time the item's width moves along with it.
  void SetIndex(Integer Value) override;

  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  // The bound field; bound on first read when FieldName names one.
  TField* Field();
  virtual void SetField(TField* Value);
  const String& Header() const { return FHeader; }
  void SetHeader(const String& Value);
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value);
  // The width of the grid column at the item's index.
  Integer Width() const;
  void SetWidth(Integer Value);
  bool CheckBoxField() const { return FCheckBoxField; }
  void SetCheckBoxField(bool Value);
  bool PictureField() const { return FPictureField; }
  void SetPictureField(bool Value);
  bool ProgressField() const { return FProgressField; }
  void SetProgressField(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  TFont* PrintFont() const { return FPrintFont.get(); }
  void SetPrintFont(TFont* Value) { FPrintFont->Assign(Value); }
  TPen* BorderPen() const { return FBorderPen.get(); }
  void SetBorderPen(TPen* Value) { FBorderPen->Assign(Value); }
  TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
  void SetPrintBorderPen(TPen* Value) { FPrintBorderPen->Assign(Value); }
  TStringList* ComboItems() const { return FComboItems.get(); }
  void SetComboItems(TStrings* Value);
  TStringList* Filter() const { return FFilter.get(); }
  void SetFilter(TStrings* Value);
  const String& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const String& Value);
  TPopupMenu* ColumnPopup() const { return FColumnPopup; }
  void SetColumnPopup(TPopupMenu* Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* Value) { FEditLink = Value; }
  Integer DefIdx() const { return FDefIdx; }
  void SetDefIdx(Integer Value) { FDefIdx = Value; }
  // The grid column the typed accessors address.
  Integer GridColumnIndex() const;
  String Rows(Integer ARow) const;
  void SetRows(Integer ARow, const String& Value);

  TRERorAzaz* Grid() const;

  JORV_DBCOL_PLAIN(Integer, AutoMinSize, 0)
  JORV_DBCOL_PLAIN(Integer, AutoMaxSize, 0)
  JORV_DBCOL_PLAIN(TAlignment, Alignment, taLeftJustify)
  JORV_DBCOL_PLAIN(TCellBorders, Borders, TCellBorders())
  JORV_DBCOL_PLAIN(String, CheckFalse, L"N")
  JORV_DBCOL_PLAIN(String, CheckTrue, L"Y")
  JORV_DBCOL_PLAIN(TColumnPopupType, ColumnPopupType, cpFixedCellsRClick)
  JORV_DBCOL_PLAIN(bool, UseComboObjectValue, false)
  JORV_DBCOL_PLAIN(bool, DataImageField, false)
  JORV_DBCOL_PLAIN(Integer, EditLength, 0)
  JORV_DBCOL_PLAIN(String, EditMask, L"")
  JORV_DBCOL_PLAIN(bool, FilterCaseSensitive, false)
  JORV_DBCOL_PLAIN(bool, Fixed, false)
  JORV_DBCOL_PLAIN(TAlignment, HeaderAlignment, taLeftJustify)
  JORV_DBCOL_PLAIN(String, HTMLTemplate, L"")
  JORV_DBCOL_PLAIN(Integer, MinSize, 0)
  JORV_DBCOL_PLAIN(Integer, MaxSize, 0)
  JORV_DBCOL_PLAIN(String, Name, L"")
  JORV_DBCOL_PLAIN(bool, Password, false)
  JORV_DBCOL_PLAIN(TStretchMode, PictureStretch, StretchWithAspectRatio)
  JORV_DBCOL_PLAIN(TCellBorders, PrintBorders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}))
  JORV_DBCOL_PLAIN(TColor, PrintColor, 0xFFFFFF)
  JORV_DBCOL_PLAIN(TColor, ProgressColor, 0xFF)
  JORV_DBCOL_PLAIN(TColor, ProgressBKColor, 0xFFFFFF)
  JORV_DBCOL_PLAIN(TColor, ProgressTextColor, 0xFFFFFF)
  JORV_DBCOL_PLAIN(TColor, ProgressTextBKColor, 0xFF)
  JORV_DBCOL_PLAIN(bool, ReadOnly, false)
  JORV_DBCOL_PLAIN(bool, ShowBands, false)
  JORV_DBCOL_PLAIN(bool, ShowUnicode, false)
  JORV_DBCOL_PLAIN(TSortStyle, SortStyle, ssAutomatic)
  JORV_DBCOL_PLAIN(String, SortPrefix, L"")
  JORV_DBCOL_PLAIN(String, SortSuffix, L"")
  JORV_DBCOL_PLAIN(Integer, SpinMax, 0)
  JORV_DBCOL_PLAIN(Integer, SpinMin, 0)
  JORV_DBCOL_PLAIN(Integer, SpinStep, 1)
  JORV_DBCOL_PLAIN(Integer, Tag, 0)
  JORV_DBCOL_PLAIN(bool, UseLookupEditor, true)

 protected:
  String GetDisplayName() const override;

 private:
  friend class TRERorAzaz;
  void CopySettings(TDBGridColumnItem* From, bool Visuals);
  void BindField(TField* Value);
  void FontChanged(TObject*) { Changed(false); }

  String FFieldName;
  TField* FField = nullptr;
  String FHeader;
  TEditorType FEditor = edNormal;
  Integer FWidth = 50;
  bool FCheckBoxField = false;
  bool FPictureField = false;
  bool FProgressField = false;
  TColor FColor = clWindow;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> FHeaderFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> FPrintFont = std::make_unique<TFont>();
  std::unique_ptr<TPen> FBorderPen = std::make_unique<TPen>();
  std::unique_ptr<TPen> FPrintBorderPen = std::make_unique<TPen>();
  std::unique_ptr<TStringList> FComboItems = std::make_unique<TStringList>();
  std::unique_ptr<TStringList> FFilter = std::make_unique<TStringList>();
  String FFloatFormat;
  TPopupMenu* FColumnPopup = nullptr;
  TCustomImageList* FImages = nullptr;
  TEditLink* FEditLink = nullptr;
  Integer FDefIdx = 0;
};

#undef JORV_DBCOL_PLAIN

class TDBGridColumnCollection : public TCollection {
 public:
  explicit TDBGridColumnCollection(TRERorAzaz* AOwner);
  String ClassName() const override { return L"TDBGridColumnCollection"; }

  TDBGridColumnItem* Items(Integer Index) const { return static_cast<TDBGridColumnItem*>(TCollection::Items(Index)); }
  // A new item takes the looks of the one before it.
  TDBGridColumnItem* Add();
  TDBGridColumnItem* Insert(Integer Index);
  bool HasFieldsDefined() const;
  // Sizes the collection to the grid and records each item's place as its
  // design position.
  void SetOrganization();
  // Moves grid columns back until every item stands at its design position.
  void ResetOrganization();
  TRERorAzaz* Grid() const { return FOwner; }
  bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
  void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }

 protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* Item) override;
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  TRERorAzaz* FOwner;
  bool FNoRecursiveUpdate = false;
};

// Sets the collection's guard for a scope: the grid resizes the collection
// itself and wants no column-count echo.
class TColumnGuard {
 public:
  explicit TColumnGuard(TDBGridColumnCollection* C) : FColumns(C), FOld(C->NoRecursiveUpdate()) {
    FColumns->SetNoRecursiveUpdate(true);
  }
  ~TColumnGuard() { FColumns->SetNoRecursiveUpdate(FOld); }
  TColumnGuard(const TColumnGuard&) = delete;
  TColumnGuard& operator=(const TColumnGuard&) = delete;

 private:
  TDBGridColumnCollection* FColumns;
  bool FOld;
};

}  // namespace jorv::grid
