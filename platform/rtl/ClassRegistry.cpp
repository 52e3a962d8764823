#include "platform/rtl/ClassRegistry.h"
#include <map>
#include <mutex>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

struct TNameLess {
  bool operator()(const String& a, const String& b) const { return CompareText(a, b) < 0; }
};

struct TRegistryTable {
  std::mutex FLock;
  std::map<String, TComponentClass, TNameLess> FClasses;
};

TRegistryTable& Table() {
  static TRegistryTable table;
  return table;
}

}  // namespace

void RegisterClass(const String& Name, TComponentClass Factory) {
  auto& t = Table();
  std::lock_guard<std::mutex> lock(t.FLock);
  t.FClasses[Name] = std::move(Factory);
}

void UnRegisterClass(const String& Name) {
  auto& t = Table();
  std::lock_guard<std::mutex> lock(t.FLock);
  t.FClasses.erase(Name);
}

TComponentClass GetClass(const String& Name) {
  auto& t = Table();
  std::lock_guard<std::mutex> lock(t.FLock);
  auto it = t.FClasses.find(Name);
  return it == t.FClasses.end() ? TComponentClass() : it->second;
}

TComponentClass FindClass(const String& Name) {
  TComponentClass f = GetClass(Name);
  if (!f) throw EClassNotFound(L"Class " + Name + L" not found");
  return f;
}

}  // namespace jorv
