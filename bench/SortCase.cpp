#include <algorithm>
#include <cwchar>
#include "bench/Cases.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv::bench {

namespace {

// Words of mixed case and length, the same in every run.
std::vector<String> Words(size_t Count) {
  std::vector<String> words;
  words.reserve(Count);
  uint32_t seed = 20261210;
  auto next = [&seed](uint32_t Range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % Range;
  };
  for (size_t i = 0; i < Count; ++i) {
    String w(4 + next(9), L'a');
    for (auto& c : w) c = Char((next(4) == 0 ? L'A' : L'a') + next(26));
    words.push_back(std::move(w));
  }
  return words;
}

}  // namespace

void SortCase(TTable& Table) {
  const std::vector<String> words = Words(200000);
  // Every run takes a tenth of a second or more: long enough for the
  // thread's own time, which a busy machine disturbs far less.
  TRepeat repeat{5, 20, 3.0, true};

  TStringList list;
  const double ours = MedianNs([&] { list.Sort(); }, repeat, [&] {
    list.Clear();
    for (const String& w : words) list.Add(w);
  });

  std::vector<String> plain;
  const double reference = MedianNs(
      [&] {
        std::sort(plain.begin(), plain.end(),
                  [](const String& a, const String& b) { return std::wcscmp(a.c_str(), b.c_str()) < 0; });
      },
      repeat, [&] { plain = words; });
  Table.Add({"4 TStringList.Sort, 200,000 strings, locale order", Duration(ours), Duration(reference),
             ours / reference, "<= 3.0", AtMost(ours / reference, 3.0)});

  // The part of the list's sort that no sorting can save: one sort key of
  // the locale per string.
  const double keys = MedianNs(
      [&] {
        BYTE key[256];
        for (const String& w : words)
          LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, w.c_str(), int(w.size()),
                       reinterpret_cast<LPWSTR>(key), int(sizeof key));
      },
      repeat);
  Table.Add({"4 (making the 200,000 sort keys alone)", Duration(keys), Duration(reference), keys / reference, "",
             vdInforms});

  // What sorting in the locale's order costs when every comparison asks
  // the locale: the way the list sorted before it made keys.
  const double perComparison = MedianNs(
      [&] {
        std::sort(plain.begin(), plain.end(),
                  [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
      },
      TRepeat{1, 3, 0, true}, [&] { plain = words; });
  Table.Add({"4 (std::sort calling CompareStringW per comparison)", Duration(perComparison),
             Duration(reference), perComparison / reference, "", vdInforms});
}

}  // namespace jorv::bench
