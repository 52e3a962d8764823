#pragma once
// Round trips through component streaming, for the tests of the components
// that publish properties.
#include <vector>
#include "platform/rtl/Component.h"
#include "platform/rtl/Streams.h"

namespace jorv {

TBytes WrittenBytes(TComponent* Component);
void ReadBytesInto(const TBytes& Bytes, TComponent* Component);

// The published properties (dotted below owned objects, with collection and
// string-list contents) whose values differ between A and B.
std::vector<String> PropertyDifferences(TPersistent* A, TPersistent* B);

}  // namespace jorv
