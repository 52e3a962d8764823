#include "platform/data/FieldDefs.h"
#include <algorithm>
#include "platform/data/DBConsts.h"
#include "platform/data/Field.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

TFieldDef& TFieldDefs::Add(const String& Name, TFieldType DataType, Integer Size, bool Required) {
  if (Name.empty()) DatabaseError(SFieldNameMissing);
  if (IndexOf(Name) >= 0) DatabaseError(DBFormat(SDuplicateFieldName, {Name}));
  TFieldDef d;
  d.Name = Name;
  d.DataType = DataType;
  d.Size = Size;
  d.Required = Required;
  d.FieldNo = Count() + 1;
  FItems.push_back(d);
  return FItems.back();
}

Integer TFieldDefs::IndexOf(const String& Name) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (AnsiSameText(FItems[i].Name, Name)) return static_cast<Integer>(i);
  return -1;
}

const TFieldDef* TFieldDefs::Find(const String& Name) const {
  Integer i = IndexOf(Name);
  return i < 0 ? nullptr : &FItems[i];
}

TField* TFields::FindField(const String& FieldName) const {
  for (TField* f : FList)
    if (AnsiSameText(f->FieldName(), FieldName)) return f;
  return nullptr;
}

Integer TFields::IndexOf(const TField* Field) const {
  auto it = std::find(FList.begin(), FList.end(), Field);
  return it == FList.end() ? -1 : static_cast<Integer>(it - FList.begin());
}

void TFields::Remove(TField* Field) {
  FList.erase(std::remove(FList.begin(), FList.end(), Field), FList.end());
}

void TFields::Move(Integer CurIndex, Integer NewIndex) {
  TField* f = FList.at(CurIndex);
  FList.erase(FList.begin() + CurIndex);
  FList.insert(FList.begin() + NewIndex, f);
}

}  // namespace jorv
