#pragma once
// Enumerations, value and bookmark types shared by data sets, fields, data
// sources and links, and the one way the layer raises its errors.
#include <variant>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Types.h"

namespace jorv {

enum TFieldType : uint8_t {
  ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat,
  ftCurrency, ftBCD, ftDate, ftTime, ftDateTime, ftBytes, ftVarBytes,
  ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo, ftParadoxOle, ftDBaseOle,
  ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint, ftADT,
  ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant,
  ftInterface, ftIDispatch, ftGuid, ftTimeStamp, ftFMTBcd, ftFixedWideChar,
  ftWideMemo
};

enum TFieldKind : uint8_t {
  fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate
};

enum TDataSetState : uint8_t {
  dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter,
  dsNewValue, dsOldValue, dsCurValue, dsBlockRead, dsInternalCalc, dsOpening
};

enum TDataEvent : uint8_t {
  deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll,
  deLayoutChange, deUpdateRecord, deUpdateState, deCheckBrowseMode,
  dePropertyChange, deFieldListChange, deFocusControl, deParentScroll,
  deConnectChange, deReconcileError, deDisabledStateChange
};

enum TGetMode : uint8_t { gmCurrent, gmNext, gmPrior };
enum TGetResult : uint8_t { grOK, grBOF, grEOF, grError };
enum TBookmarkFlag : uint8_t { bfCurrent, bfBOF, bfEOF, bfInserted };
enum TResyncModeItem : uint8_t { rmExact, rmCenter };
using TResyncMode = TSet<TResyncModeItem, 8>;

enum TLocateOption : uint8_t { loCaseInsensitive, loPartialKey };
using TLocateOptions = TSet<TLocateOption, 8>;

enum TFilterOption : uint8_t { foCaseInsensitive, foNoPartialCompare };
using TFilterOptions = TSet<TFilterOption, 8>;

// A bookmark names one record of a data set; empty means none.
using TBookmark = TBytes;

// One stored value of a field: null, an integer, a floating-point number
// (also dates, times and currency), a text, a truth value or bytes.
using TFieldValue = std::variant<std::monostate, Int64, double, String, bool, TBytes>;

inline bool IsNullValue(const TFieldValue& v) { return v.index() == 0; }

class Variant;
// Between stored values and Variants: Null and Unassigned are null, dates
// and currency become floating-point numbers, bytes a string with one
// character per byte (and back as text). An automation object has no
// stored form and raises EVariantError.
TFieldValue VariantToFieldValue(const Variant& Value);
Variant FieldValueToVariant(const TFieldValue& Value);

class TComponent;

// Raises EDatabaseError; with a component its name leads the message, as
// "Table1: Field 'x' not found".
[[noreturn]] void DatabaseError(const String& Message, const TComponent* Component = nullptr);

// Fills %s (and %d) placeholders in order; the layer's messages need no more.
String DBFormat(const String& Fmt, std::initializer_list<String> Args);

}  // namespace jorv
