#pragma once
// Messages of the data-access layer.

namespace jorv {

inline constexpr const wchar_t* SFieldNotFound = L"Field '%s' not found";
inline constexpr const wchar_t* SDataSetClosed = L"Cannot perform this operation on a closed dataset";
inline constexpr const wchar_t* SDataSetOpen = L"Cannot perform this operation on an open dataset";
inline constexpr const wchar_t* SNotEditing = L"Dataset not in edit or insert mode";
inline constexpr const wchar_t* SDataSetReadOnly = L"Cannot modify a read-only dataset";
inline constexpr const wchar_t* SDataSetEmpty = L"Cannot perform this operation on an empty dataset";
inline constexpr const wchar_t* SFieldReadOnly = L"Field '%s' cannot be modified";
inline constexpr const wchar_t* SFieldRequired = L"Field '%s' must have a value";
inline constexpr const wchar_t* SFieldTooLong = L"Value of field '%s' is longer than %s characters";
inline constexpr const wchar_t* SFieldRangeError = L"%s is not a valid value for field '%s'. The allowed range is %s to %s";
inline constexpr const wchar_t* SFieldAccessError = L"Cannot access field '%s' as type %s";
inline constexpr const wchar_t* SInvalidIntegerValue = L"'%s' is not a valid integer value";
inline constexpr const wchar_t* SInvalidFloatValue = L"'%s' is not a valid floating point value";
inline constexpr const wchar_t* SInvalidBoolValue = L"'%s' is not a valid boolean value";
inline constexpr const wchar_t* SInvalidDate = L"'%s' is not a valid date";
inline constexpr const wchar_t* SInvalidTime = L"'%s' is not a valid time";
inline constexpr const wchar_t* SInvalidDateTime = L"'%s' is not a valid date and time";
inline constexpr const wchar_t* SDuplicateFieldName = L"Duplicate field name '%s'";
inline constexpr const wchar_t* SFieldNameMissing = L"Field name missing";
inline constexpr const wchar_t* SNoFieldDef = L"Field '%s' has no definition in the data set";
inline constexpr const wchar_t* SFieldTypeMismatch = L"Type mismatch for field '%s'";
inline constexpr const wchar_t* SLookupInfoError = L"Lookup information for field '%s' is incomplete";
inline constexpr const wchar_t* SCircularDataLink = L"Circular datalinks are not allowed";
inline constexpr const wchar_t* SRecordNotFound = L"Record not found";
inline constexpr const wchar_t* SBookmarkNotFound = L"Bookmark not found";
inline constexpr const wchar_t* SNotBlobField = L"Field '%s' is not a blob field";
inline constexpr const wchar_t* SNoTableName = L"Missing TableName property";
inline constexpr const wchar_t* SNoConnection = L"Missing Connection or ConnectionString";

}  // namespace jorv
