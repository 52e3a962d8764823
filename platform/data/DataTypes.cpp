#include "platform/data/DataTypes.h"
#include "platform/rtl/Component.h"

namespace jorv {

void DatabaseError(const String& Message, const TComponent* Component) {
  if (Component && !Component->Name().empty())
    throw EDatabaseError(Component->Name() + L": " + Message);
  throw EDatabaseError(Message);
}

String DBFormat(const String& Fmt, std::initializer_list<String> Args) {
  String r;
  auto it = Args.begin();
  for (size_t i = 0; i < Fmt.size(); ++i) {
    if (Fmt[i] == L'%' && i + 1 < Fmt.size() && (Fmt[i + 1] == L's' || Fmt[i + 1] == L'd')) {
      if (it != Args.end()) r += *it++;
      ++i;
    } else {
      r += Fmt[i];
    }
  }
  return r;
}

}  // namespace jorv
