// The grid's components known by name: the grid makes the editor of its
// edExGridDropDown cells from the class registry, since that editor is
// built on the grid itself. And the published properties of the grid
// drop-down, its columns and its items.
#include "dropdown/DropDownPublishing.h"
#include "grid/components/GridExGridDropDown.h"
#include "grid/components/RERorAzaz.h"
#include "grid/core/GridEnumNames.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TypInfo.h"

namespace jorv::grid {

namespace {

const bool Registered = [] {
  RegisterClass<TGridExGridDropDown>(L"TGridExGridDropDown");
  RegisterClass<TCustomExGridDropDown>(L"TCustomExGridDropDown");
  RegisterClass<TRERorAzaz>(L"TRERorAzaz");
  return true;
}();

const TEnumInfo ColumnTypeNames{{L"ctText", L"ctImage"}};
const TEnumInfo LookupMethodNames{{L"lmLookup", L"lmNarrowDown", L"lmNone"}};
const TEnumInfo GridSortingNames{{L"gsNone", L"gsSingleColumn", L"gsMultiColumn"}};
const TEnumInfo DropDownStyleNames{{L"dsDropDown", L"dsDropDownList"}};

}  // namespace

JORV_PUBLISH(TDropDownColumn, TPersistent) {
  using T = TDropDownColumn;
  Class.Integer(L"Width", &T::Width, &T::SetWidth, 80)
      .Color(L"Color", &T::Color, &T::SetColor, TColor(0xFFFFFF))
      .Enum(L"Alignment", &T::Alignment, &T::SetAlignment, CellAlignmentNames,
            std::optional<TAlignment>(taLeftJustify))
      .Boolean(L"Ellipsis", &T::Ellipsis, &T::SetEllipsis, false)
      .Object(L"Font", &T::Font)
      .Enum(L"ColumnType", &T::ColumnType, &T::SetColumnType, ColumnTypeNames, std::optional<TColumnType>(ctText))
      .Text(L"Header", &T::Header, &T::SetHeader)
      .Boolean(L"Wordwrap", &T::Wordwrap, &T::SetWordwrap, false)
      .Boolean(L"AutoSize", &T::AutoSize, &T::SetAutoSize, false);
}

JORV_PUBLISH(TDropDownItem, TPersistent) {
  Class.Integer(L"ImageIndex", &TDropDownItem::ImageIndex, &TDropDownItem::SetImageIndex, -1)
      .Object(L"Text", &TDropDownItem::Text);
}

// Columns and Items come before ItemIndex, and UseItems and LookupColumn
// too, so that the index read last finds its item and its text.
JORV_PUBLISH(TCustomExGridDropDown, TControl) {
  using T = TCustomExGridDropDown;
  dropdown::PublishDropDown(Class);
  Class.Boolean(L"AutoShowDropDown", &T::AutoShowDropDown, &T::SetAutoShowDropDown, false)
      .Boolean(L"AutoSizeColumns", &T::AutoSizeColumns, &T::SetAutoSizeColumns, true)
      .Boolean(L"CaseSensitive", &T::CaseSensitive, &T::SetCaseSensitive, false)
      .Boolean(L"DropDownAutoWidth", &T::DropDownAutoWidth, &T::SetDropDownAutoWidth, true)
      .Integer(L"DropDownRowHeight", &T::DropDownRowHeight, &T::SetDropDownRowHeight, 22)
      .Color(L"LineColor", &T::LineColor, &T::SetLineColor, TColor(0x808080))
      .Color(L"FixedLineColor", &T::FixedLineColor, &T::SetFixedLineColor)
      .Object(L"Bands", &T::Bands)
      .Boolean(L"ColumnSizing", &T::ColumnSizing, &T::SetColumnSizing, false)
      .Boolean(L"ColumnMoving", &T::ColumnMoving, &T::SetColumnMoving, false)
      .Boolean(L"RowSizing", &T::RowSizing, &T::SetRowSizing, false)
      .Boolean(L"RowMoving", &T::RowMoving, &T::SetRowMoving, false)
      .Boolean(L"ColumnSizeWithDropDown", &T::ColumnSizeWithDropDown, &T::SetColumnSizeWithDropDown, true)
      .Object(L"Columns", &T::Columns)
      .Boolean(L"GridEditable", &T::GridEditable, &T::SetGridEditable, false)
      .Reference<TCustomImageList>(L"GridImages", &T::GridImages, &T::SetGridImages)
      .Color(L"HeaderColor", &T::HeaderColor, &T::SetHeaderColor)
      .Color(L"HeaderColorTo", &T::HeaderColorTo, &T::SetHeaderColorTo)
      .Integer(L"HeaderHeight", &T::HeaderHeight, &T::SetHeaderHeight)
      .Object(L"HeaderFont", &T::HeaderFont)
      .Boolean(L"HoverRow", &T::HoverRow, &T::SetHoverRow, false)
      .Color(L"HoverRowColor", &T::HoverRowColor, &T::SetHoverRowColor)
      .Color(L"HoverRowColorTo", &T::HoverRowColorTo, &T::SetHoverRowColorTo)
      .Boolean(L"UseItems", &T::UseItems, &T::SetUseItems, true)
      .Integer(L"LookupColumn", &T::LookupColumn, &T::SetLookupColumn, 0)
      .Enum(L"LookupMethod", &T::LookupMethod, &T::SetLookupMethod, LookupMethodNames,
            std::optional<TLookupMethod>(lmLookup))
      .Object(L"MouseActions", &T::MouseActions)
      .Object(L"Navigation", &T::Navigation)
      .Object(L"SearchFooter", &T::SearchFooter)
      .Boolean(L"RowSelect", &T::RowSelect, &T::SetRowSelect, true)
      .Color(L"SelectionTextColor", &T::SelectionTextColor, &T::SetSelectionTextColor, TColor(0))
      .Enum(L"Sorting", &T::Sorting, &T::SetSorting, GridSortingNames, std::optional<TGridSorting>(gsNone))
      .Enum(L"Style", &T::Style, &T::SetStyle, DropDownStyleNames, std::optional<TDropDownStyle>(dsDropDown))
      .Object(L"Items", &T::Items)
      .Integer(L"ItemIndex", &T::ItemIndex, &T::SetItemIndex, -1);
}

}  // namespace jorv::grid

JORV_PUBLISHED_UNIT(grid_components)
