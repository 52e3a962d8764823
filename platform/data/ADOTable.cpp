#include "platform/data/ADOTable.h"
#include <algorithm>
#include <map>
#include <stdexcept>
#include "platform/data/DBConsts.h"
#include "platform/data/Odbc.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

TFieldType FieldTypeOf(SQLSMALLINT SqlType) {
  switch (SqlType) {
    case SQL_CHAR: case SQL_VARCHAR: case SQL_WCHAR: case SQL_WVARCHAR: return ftWideString;
    case SQL_LONGVARCHAR: case SQL_WLONGVARCHAR: return ftWideMemo;
    case SQL_SMALLINT: case SQL_TINYINT: return ftSmallint;
    case SQL_INTEGER: return ftInteger;
    case SQL_BIGINT: return ftLargeint;
    case SQL_BIT: return ftBoolean;
    case SQL_REAL: case SQL_FLOAT: case SQL_DOUBLE: return ftFloat;
    case SQL_NUMERIC: case SQL_DECIMAL: return ftBCD;
    case SQL_TYPE_DATE: case SQL_DATE: return ftDate;
    case SQL_TYPE_TIME: case SQL_TIME: return ftTime;
    case SQL_TYPE_TIMESTAMP: case SQL_TIMESTAMP: return ftDateTime;
    case SQL_BINARY: case SQL_VARBINARY: case SQL_LONGVARBINARY: return ftBlob;
    default: return ftWideString;
  }
}

bool Comparable(TFieldType t) {
  return t != ftBlob && t != ftGraphic && t != ftMemo && t != ftWideMemo && t != ftFloat;
}

}  // namespace

TADOTable::TADOTable(TComponent* AOwner) : TDataSet(AOwner) {}

TADOTable::~TADOTable() {
  Destroying();
  Close();
}

void TADOTable::Notification(TComponent* AComponent, TOperation Operation) {
  TDataSet::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FConnection) {
    Close();
    FConnection = nullptr;
  }
}

void TADOTable::SetConnection(TADOConnection* Value) {
  if (FConnection == Value) return;
  CheckInactive();
  if (FConnection) RemoveFreeNotification(FConnection);
  FConnection = Value;
  if (FConnection) FreeNotification(FConnection);
}

void TADOTable::SetConnectionString(const String& Value) {
  CheckInactive();
  FConnectionString = Value;
  FOwnConnection.reset();
}

void TADOTable::SetTableName(const String& Value) {
  CheckInactive();
  FTableName = Value;
}

void TADOTable::SetCursorType(TCursorType Value) {
  CheckInactive();
  FCursorType = Value;
}

void TADOTable::SetIndexFieldNames(const String& Value) {
  FIndexFieldNames = Value;
  if (Active()) Refresh();
}

TADOConnection& TADOTable::ActiveConnection() {
  if (FConnection) {
    FConnection->Open();
    return *FConnection;
  }
  if (FConnectionString.empty()) DatabaseError(SNoConnection, this);
  if (!FOwnConnection) {
    FOwnConnection = std::make_unique<TADOConnection>();
    FOwnConnection->SetLoginPrompt(false);
    FOwnConnection->SetConnectionString(FConnectionString);
  }
  FOwnConnection->Open();
  return *FOwnConnection;
}

String TADOTable::Quote(const String& Name) const {
  return L"[" + StringReplace(Name, L"]", L"]]", {rfReplaceAll}) + L"]";
}

void TADOTable::ReadDefinitions() {
  TADOConnection& conn = ActiveConnection();
  String context = L"Cannot read table '" + FTableName + L"' of '" + conn.FileName() + L"'";
  FieldDefs().Clear();
  {
    TOdbcStatement st(conn.Handles());
    if (!SQL_SUCCEEDED(SQLColumnsW(st.Handle(), nullptr, 0, nullptr, 0, (SQLWCHAR*)FTableName.c_str(),
                                   SQL_NTS, nullptr, 0)))
      st.Fail(context);
    while (st.Fetch(context)) {
      String name = std::get<String>(st.Get(4, ftWideString, context));
      TFieldValue type = st.Get(5, ftSmallint, context);
      TFieldValue size = st.Get(7, ftInteger, context);
      TFieldValue nullable = st.Get(11, ftSmallint, context);
      TFieldType ft = FieldTypeOf(static_cast<SQLSMALLINT>(std::get<Int64>(type)));
      Integer sz = IsNullValue(size) ? 0 : static_cast<Integer>(std::get<Int64>(size));
      if (ft == ftWideString && (sz <= 0 || sz > 8000)) sz = 255;
      if (ft != ftWideString) sz = ft == ftBCD ? 4 : 0;
      if (FieldDefs().IndexOf(name) < 0)
        FieldDefs().Add(name, ft, sz, !IsNullValue(nullable) && std::get<Int64>(nullable) == SQL_NO_NULLS);
    }
  }
  if (FieldDefs().Count() == 0)
    throw EDatabaseError(L"Table '" + FTableName + L"' does not exist in '" + conn.FileName() + L"'.");
  FKeyColumns.clear();
  {
    TOdbcStatement st(conn.Handles());
    if (SQL_SUCCEEDED(SQLPrimaryKeysW(st.Handle(), nullptr, 0, nullptr, 0, (SQLWCHAR*)FTableName.c_str(),
                                      SQL_NTS))) {
      while (st.Fetch(context)) {
        Integer i = FieldDefs().IndexOf(std::get<String>(st.Get(4, ftWideString, context)));
        if (i >= 0) FKeyColumns.push_back(i);
      }
    }
  }
  FUseRowId = FKeyColumns.empty() && conn.IsSQLite();
}

void TADOTable::ReadRows() {
  TADOConnection& conn = ActiveConnection();
  String context = L"Cannot read table '" + FTableName + L"' of '" + conn.FileName() + L"'";
  String sql = L"SELECT ";
  for (Integer i = 0; i < FieldDefs().Count(); ++i) sql += (i ? L", " : L"") + Quote(FieldDefs().Items(i).Name);
  if (FUseRowId) sql += L", rowid";
  sql += L" FROM " + Quote(FTableName);
  if (!FIndexFieldNames.empty()) {
    String order;
    size_t start = 0;
    while (start <= FIndexFieldNames.size()) {
      size_t end = FIndexFieldNames.find(L';', start);
      if (end == String::npos) end = FIndexFieldNames.size();
      String name = Trim(FIndexFieldNames.substr(start, end - start));
      if (!name.empty()) {
        if (FieldDefs().IndexOf(name) < 0) DatabaseError(DBFormat(SFieldNotFound, {name}), this);
        order += (order.empty() ? L"" : L", ") + Quote(name);
      }
      start = end + 1;
    }
    if (!order.empty()) sql += L" ORDER BY " + order;
  }
  TOdbcStatement st(conn.Handles());
  st.Execute(sql, {}, {}, context);
  // Rows keep their bookmarks across a refresh when their key is the same.
  std::map<String, Int64> oldIds;
  for (auto& r : Records()) oldIds[KeyOf(*r)] = r->Id;
  std::vector<TDataRecordPtr> rows;
  std::vector<Int64> rowIds;
  while (st.Fetch(context)) {
    auto rec = std::make_shared<TDataRecord>();
    // One block for the row's values, not one per value as they come.
    rec->Values.reserve(static_cast<size_t>(FieldDefs().Count()));
    for (Integer i = 0; i < FieldDefs().Count(); ++i)
      rec->Values.push_back(st.Get(static_cast<SQLUSMALLINT>(i + 1), FieldDefs().Items(i).DataType, context));
    rowIds.push_back(FUseRowId ? std::get<Int64>(st.Get(static_cast<SQLUSMALLINT>(FieldDefs().Count() + 1),
                                                        ftLargeint, context))
                               : 0);
    rows.push_back(std::move(rec));
  }
  SQLEndTran(SQL_HANDLE_DBC, conn.Handles().Dbc, SQL_COMMIT);
  std::vector<std::pair<Int64, Int64>> ids;
  if (FUseRowId) ids.reserve(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    auto it = oldIds.end();
    // Opening has no old rows whose key could match.
    if (!oldIds.empty()) it = oldIds.find(FUseRowId ? IntToStr(rowIds[i]) : KeyOf(*rows[i]));
    rows[i]->Id = it != oldIds.end() ? it->second : NewRecordId();
    if (it != oldIds.end()) oldIds.erase(it);
    if (FUseRowId) ids.push_back({rows[i]->Id, rowIds[i]});
  }
  FRowIds.Assign(std::move(ids));
  Records() = std::move(rows);
}

String TADOTable::KeyOf(const TDataRecord& Record) const {
  if (FUseRowId) {
    const Int64* rowId = FRowIds.Find(Record.Id);
    return rowId ? IntToStr(*rowId) : String();
  }
  String k;
  auto add = [&](Integer i) {
    const TFieldValue& v = Record.Values[i];
    k += std::to_wstring(v.index()) + L":";
    if (auto* s = std::get_if<String>(&v)) k += *s;
    else if (auto* n = std::get_if<Int64>(&v)) k += IntToStr(*n);
    else if (auto* d = std::get_if<double>(&v)) k += FloatToStr(*d);
    else if (auto* b = std::get_if<bool>(&v)) k += *b ? L"1" : L"0";
    k += L"\x1f";
  };
  if (!FKeyColumns.empty())
    for (Integer i : FKeyColumns) add(i);
  else
    for (Integer i = 0; i < static_cast<Integer>(Record.Values.size()); ++i) add(i);
  return k;
}

void TADOTable::InternalOpen() {
  if (FTableName.empty()) DatabaseError(SNoTableName, this);
  ReadDefinitions();
  ReadRows();
}

void TADOTable::InternalClose() {
  FRowIds.Clear();
  FOwnConnection.reset();
}

void TADOTable::InternalRefresh() { ReadRows(); }

String TADOTable::Where(const TDataRecord& Record, std::vector<TFieldValue>& Params,
                        std::vector<TFieldType>& Types) const {
  if (FUseRowId) {
    Params.push_back(FRowIds.At(Record.Id));
    Types.push_back(ftLargeint);
    return L" WHERE rowid = ?";
  }
  String w;
  auto add = [&](Integer i) {
    const TFieldDef& d = FieldDefs().Items(i);
    w += w.empty() ? L" WHERE " : L" AND ";
    if (IsNullValue(Record.Values[i])) {
      w += Quote(d.Name) + L" IS NULL";
    } else {
      w += Quote(d.Name) + L" = ?";
      Params.push_back(Record.Values[i]);
      Types.push_back(d.DataType);
    }
  };
  if (!FKeyColumns.empty()) {
    for (Integer i : FKeyColumns) add(i);
  } else {
    for (Integer i = 0; i < FieldDefs().Count(); ++i)
      if (Comparable(FieldDefs().Items(i).DataType)) add(i);
  }
  return w;
}

void TADOTable::RunWrite(const String& Sql, const std::vector<TFieldValue>& Params,
                         const std::vector<TFieldType>& Types, const String& Action) {
  TADOConnection& conn = ActiveConnection();
  TOdbcHandles& h = conn.Handles();
  String context = L"Cannot " + Action + L" in table '" + FTableName + L"' of '" + conn.FileName() + L"'";
  auto Undo = ScopeExit([&] { SQLEndTran(SQL_HANDLE_DBC, h.Dbc, SQL_ROLLBACK); });
  TOdbcStatement st(h);
  st.Execute(Sql, Params, Types, context);
  SQLLEN n = st.RowCount();
  if (n != 1)
    throw EDatabaseError(context + (n == 0 ? L": the row was changed or deleted by another user"
                                           : L": the row cannot be told apart from others"));
  if (!SQL_SUCCEEDED(SQLEndTran(SQL_HANDLE_DBC, h.Dbc, SQL_COMMIT)))
    throw EDatabaseError(context + L": " + OdbcDiagnostic(SQL_HANDLE_DBC, h.Dbc));
  Undo.Dismiss();
}

void TADOTable::WriteRecord(TDataRecord& NewRecord, const TDataRecord* OldRecord) {
  std::vector<TFieldValue> params;
  std::vector<TFieldType> types;
  if (!OldRecord) {
    String cols, marks;
    for (Integer i = 0; i < FieldDefs().Count(); ++i) {
      const TFieldDef& d = FieldDefs().Items(i);
      if (d.DataType == ftAutoInc && IsNullValue(NewRecord.Values[i])) continue;
      cols += (cols.empty() ? L"" : L", ") + Quote(d.Name);
      marks += marks.empty() ? L"?" : L", ?";
      params.push_back(NewRecord.Values[i]);
      types.push_back(d.DataType);
    }
    RunWrite(L"INSERT INTO " + Quote(FTableName) + L" (" + cols + L") VALUES (" + marks + L")", params, types,
             L"insert a row");
    if (FUseRowId) {
      TOdbcStatement st(ActiveConnection().Handles());
      String context = L"Cannot read the new row of table '" + FTableName + L"'";
      st.Execute(L"SELECT last_insert_rowid()", {}, {}, context);
      if (st.Fetch(context)) FRowIds.Set(NewRecord.Id, std::get<Int64>(st.Get(1, ftLargeint, context)));
      SQLEndTran(SQL_HANDLE_DBC, ActiveConnection().Handles().Dbc, SQL_COMMIT);
    }
    return;
  }
  String set;
  for (Integer i = 0; i < FieldDefs().Count(); ++i) {
    const TFieldDef& d = FieldDefs().Items(i);
    set += (set.empty() ? L"" : L", ") + Quote(d.Name) + L" = ?";
    params.push_back(NewRecord.Values[i]);
    types.push_back(d.DataType);
  }
  String where = Where(*OldRecord, params, types);
  RunWrite(L"UPDATE " + Quote(FTableName) + L" SET " + set + where, params, types, L"change a row");
  if (FUseRowId) FRowIds.Set(NewRecord.Id, FRowIds.At(OldRecord->Id));
}

void TADOTable::EraseRecord(const TDataRecord& Record) {
  std::vector<TFieldValue> params;
  std::vector<TFieldType> types;
  String where = Where(Record, params, types);
  RunWrite(L"DELETE FROM " + Quote(FTableName) + where, params, types, L"delete a row");
  FRowIds.Erase(Record.Id);
}

void TADOTable::TRowIds::Assign(std::vector<std::pair<Int64, Int64>> Pairs) {
  std::sort(Pairs.begin(), Pairs.end());
  FPairs = std::move(Pairs);
}

std::vector<std::pair<Int64, Int64>>::const_iterator TADOTable::TRowIds::Position(Int64 Id) const {
  return std::lower_bound(FPairs.begin(), FPairs.end(), Id,
                          [](const std::pair<Int64, Int64>& Pair, Int64 Key) { return Pair.first < Key; });
}

const Int64* TADOTable::TRowIds::Find(Int64 Id) const {
  auto it = Position(Id);
  return it != FPairs.end() && it->first == Id ? &it->second : nullptr;
}

Int64 TADOTable::TRowIds::At(Int64 Id) const {
  const Int64* rowId = Find(Id);
  if (!rowId) throw std::out_of_range("no rowid for the record");
  return *rowId;
}

void TADOTable::TRowIds::Set(Int64 Id, Int64 RowId) {
  auto it = FPairs.begin() + (Position(Id) - FPairs.cbegin());
  if (it != FPairs.end() && it->first == Id)
    it->second = RowId;
  else
    FPairs.insert(it, {Id, RowId});
}

void TADOTable::TRowIds::Erase(Int64 Id) {
  auto it = Position(Id);
  if (it != FPairs.end() && it->first == Id) FPairs.erase(it);
}

}  // namespace jorv
