#include "platform/rtl/TypInfo.h"
#include <map>
#include <mutex>
#include <unordered_map>
#include "platform/rtl/SysUtils.h"

namespace jorv {

TIdentMap ColorIdents;

Integer TEnumInfo::ValueOf(const String& Name) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (CompareText(Names[i], Name) == 0) return static_cast<Integer>(i);
  return -1;
}

String TEnumInfo::NameOf(Int64 Value) const {
  if (Value < 0 || Value >= static_cast<Int64>(Names.size())) return String();
  return Names[static_cast<size_t>(Value)];
}

namespace {

struct TTypeTable {
  std::mutex FLock;
  std::unordered_map<std::type_index, TClassInfo> FClasses;
  // Flattened property lists per dynamic type, made on first use.
  std::unordered_map<std::type_index, std::vector<const TPropInfo*>> FLists;
};

TTypeTable& Types() {
  static TTypeTable table;
  return table;
}

// Registered ancestors of Info, Info last.
std::vector<const TClassInfo*> Chain(TTypeTable& t, const TClassInfo* Info) {
  std::vector<const TClassInfo*> chain;
  while (Info && chain.size() < 64) {
    chain.insert(chain.begin(), Info);
    if (!Info->Parent || *Info->Parent == Info->Type) break;
    auto it = t.FClasses.find(*Info->Parent);
    Info = it == t.FClasses.end() ? nullptr : &it->second;
  }
  return chain;
}

std::vector<const TPropInfo*> Flatten(TTypeTable& t, const TPersistent* Instance) {
  std::vector<const TClassInfo*> best;
  for (auto& [type, info] : t.FClasses) {
    if (!info.IsInstance(Instance)) continue;
    std::vector<const TClassInfo*> chain = Chain(t, &info);
    if (chain.size() > best.size()) best = std::move(chain);
  }
  std::vector<const TPropInfo*> list;
  for (const TClassInfo* info : best)
    for (const TPropInfo& prop : info->Props) {
      // A class that publishes a parent's property again (with another
      // default) replaces it in its place.
      bool replaced = false;
      for (auto& known : list)
        if (CompareText(known->Name, prop.Name) == 0) { known = &prop; replaced = true; }
      if (!replaced) list.push_back(&prop);
    }
  return list;
}

}  // namespace

void RegisterClassInfo(TClassInfo Info) {
  auto& t = Types();
  std::lock_guard<std::mutex> lock(t.FLock);
  t.FClasses.insert_or_assign(Info.Type, std::move(Info));
  t.FLists.clear();
}

const std::vector<const TPropInfo*>& GetPropList(const TPersistent* Instance) {
  static const std::vector<const TPropInfo*> none;
  if (!Instance) return none;
  auto& t = Types();
  std::lock_guard<std::mutex> lock(t.FLock);
  std::type_index type(typeid(*Instance));
  auto it = t.FLists.find(type);
  if (it == t.FLists.end()) it = t.FLists.emplace(type, Flatten(t, Instance)).first;
  return it->second;
}

const TPropInfo* GetPropInfo(const TPersistent* Instance, const String& Name) {
  for (const TPropInfo* prop : GetPropList(Instance))
    if (CompareText(prop->Name, Name) == 0) return prop;
  return nullptr;
}

}  // namespace jorv
