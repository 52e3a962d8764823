#pragma once
// A table of a database file opened directly: its rows are read whole in the
// order of IndexFieldNames, and every Post, Delete and insertion is written
// through at once with a parameterised statement. A row is found again by
// its primary key, else by SQLite's rowid, else by all its original values;
// a write that finds no row, or more than one, changes nothing and raises.
#include <utility>
#include <vector>
#include "platform/data/ADOConnection.h"
#include "platform/data/DataSet.h"

namespace jorv {

enum TCursorType : uint8_t { ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic, ctStatic };

class TADOTable : public TDataSet {
 public:
  explicit TADOTable(TComponent* AOwner = nullptr);
  ~TADOTable() override;

  TADOConnection* Connection() const { return FConnection; }
  void SetConnection(TADOConnection* Value);
  // A table without Connection opens its own on this string.
  const String& ConnectionString() const { return FConnectionString; }
  void SetConnectionString(const String& Value);
  const String& TableName() const { return FTableName; }
  void SetTableName(const String& Value);
  bool TableDirect() const { return FTableDirect; }
  void SetTableDirect(bool Value) { FTableDirect = Value; }
  TCursorType CursorType() const { return FCursorType; }
  void SetCursorType(TCursorType Value);
  // Fields separated by ';' that order the rows.
  const String& IndexFieldNames() const { return FIndexFieldNames; }
  void SetIndexFieldNames(const String& Value);

 protected:
  void InternalOpen() override;
  void InternalClose() override;
  void InternalRefresh() override;
  void WriteRecord(TDataRecord& NewRecord, const TDataRecord* OldRecord) override;
  void EraseRecord(const TDataRecord& Record) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TADOConnection& ActiveConnection();
  void ReadDefinitions();
  void ReadRows();
  String Quote(const String& Name) const;
  String Where(const TDataRecord& Record, std::vector<TFieldValue>& Params,
               std::vector<TFieldType>& Types) const;
  void RunWrite(const String& Sql, const std::vector<TFieldValue>& Params,
                const std::vector<TFieldType>& Types, const String& Action);
  String KeyOf(const TDataRecord& Record) const;

  TADOConnection* FConnection = nullptr;
  std::unique_ptr<TADOConnection> FOwnConnection;
  String FConnectionString;
  String FTableName;
  bool FTableDirect = false;
  TCursorType FCursorType = ctKeyset;
  String FIndexFieldNames;
  std::vector<Integer> FKeyColumns;  // definitions forming the primary key
  bool FUseRowId = false;
  // Record id -> rowid, sorted by record id in one block: a table of many
  // rows then costs no heap block per row, and records made later get
  // higher ids, so they append.
  class TRowIds {
   public:
    void Clear() { FPairs.clear(); }
    // Replaces every pair; Pairs may come in any order.
    void Assign(std::vector<std::pair<Int64, Int64>> Pairs);
    const Int64* Find(Int64 Id) const;
    // Raises std::out_of_range when Id has no rowid.
    Int64 At(Int64 Id) const;
    void Set(Int64 Id, Int64 RowId);
    void Erase(Int64 Id);

   private:
    std::vector<std::pair<Int64, Int64>>::const_iterator Position(Int64 Id) const;
    std::vector<std::pair<Int64, Int64>> FPairs;
  };
  TRowIds FRowIds;
};

}  // namespace jorv
