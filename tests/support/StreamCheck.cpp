#include "tests/support/StreamCheck.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TypInfo.h"

namespace jorv {

TBytes WrittenBytes(TComponent* Component) {
  TBytesStream stream;
  stream.WriteComponent(Component);
  return stream.Bytes();
}

void ReadBytesInto(const TBytes& Bytes, TComponent* Component) {
  TBytesStream stream(Bytes);
  stream.ReadComponent(Component);
}

namespace {

void Compare(TPersistent* A, TPersistent* B, const String& Path, std::vector<String>& Out);

void CompareObjects(TPersistent* A, TPersistent* B, const String& Path, std::vector<String>& Out) {
  if (!A || !B) {
    if (A != B) Out.push_back(Path);
    return;
  }
  auto* listA = dynamic_cast<TStrings*>(A);
  auto* listB = dynamic_cast<TStrings*>(B);
  if (listA && listB) {
    if (listA->Text() != listB->Text()) Out.push_back(Path);
    return;
  }
  auto* itemsA = dynamic_cast<TCollection*>(A);
  auto* itemsB = dynamic_cast<TCollection*>(B);
  if (itemsA && itemsB) {
    if (itemsA->Count() != itemsB->Count()) return Out.push_back(Path + L".Count");
    for (Integer i = 0; i < itemsA->Count(); ++i)
      Compare(itemsA->Items(i), itemsB->Items(i), Path + L"[" + std::to_wstring(i) + L"]", Out);
    return;
  }
  Compare(A, B, Path + L".", Out);
}

void Compare(TPersistent* A, TPersistent* B, const String& Path, std::vector<String>& Out) {
  for (const TPropInfo* prop : GetPropList(A)) {
    String name = Path + prop->Name;
    switch (prop->Kind) {
      case pkFloat:
      case pkDateTime:
        if (prop->GetFloat(A) != prop->GetFloat(B)) Out.push_back(name);
        break;
      case pkString:
        if (prop->GetStr(A) != prop->GetStr(B)) Out.push_back(name);
        break;
      case pkClass:
        CompareObjects(prop->GetObject(A), prop->GetObject(B), name, Out);
        break;
      case pkComponent: {
        auto* a = dynamic_cast<TComponent*>(prop->GetObject(A));
        auto* b = dynamic_cast<TComponent*>(prop->GetObject(B));
        if ((a ? a->Name() : String()) != (b ? b->Name() : String())) Out.push_back(name);
        break;
      }
      default:
        if (prop->GetOrd(A) != prop->GetOrd(B)) Out.push_back(name);
    }
  }
}

}  // namespace

std::vector<String> PropertyDifferences(TPersistent* A, TPersistent* B) {
  std::vector<String> out;
  Compare(A, B, String(), out);
  return out;
}

}  // namespace jorv
