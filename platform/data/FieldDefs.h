#pragma once
// Field definitions (what a data set stores) and the field list (what its
// controls see).
#include <memory>
#include <vector>
#include "platform/data/DataTypes.h"

namespace jorv {

class TDataSet;
class TField;

struct TFieldDef {
  String Name;
  TFieldType DataType = ftUnknown;
  Integer Size = 0;
  bool Required = false;
  bool ReadOnly = false;
  // 1-based position among the definitions.
  Integer FieldNo = 0;
};

class TFieldDefs {
 public:
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  const TFieldDef& Items(Integer Index) const { return FItems.at(Index); }
  // Raises for an empty or duplicate name.
  TFieldDef& Add(const String& Name, TFieldType DataType, Integer Size = 0,
                 bool Required = false);
  Integer IndexOf(const String& Name) const;
  const TFieldDef* Find(const String& Name) const;
  void Clear() { FItems.clear(); }

 private:
  std::vector<TFieldDef> FItems;
};

// The data set's fields in their order; the list does not own them.
class TFields {
 public:
  Integer Count() const { return static_cast<Integer>(FList.size()); }
  TField* Fields(Integer Index) const { return FList.at(Index); }
  TField* operator[](Integer Index) const { return FList.at(Index); }
  TField* FindField(const String& FieldName) const;
  Integer IndexOf(const TField* Field) const;
  void Add(TField* Field) { FList.push_back(Field); }
  void Remove(TField* Field);
  void Move(Integer CurIndex, Integer NewIndex);
  void Clear() { FList.clear(); }
  auto begin() const { return FList.begin(); }
  auto end() const { return FList.end(); }

 private:
  std::vector<TField*> FList;
};

}  // namespace jorv
