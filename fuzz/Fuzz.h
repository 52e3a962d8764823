#pragma once
// The fuzz program's vocabulary: a target is one parser or reader driven
// by raw input bytes; the engine feeds it inputs made by the mutator and
// judges how each one ended.
#include <cstdint>
#include <string>
#include <vector>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Types.h"

namespace jorv::fuzz {

// Raw input bytes, as the generator made them or a file held them.
using TInput = std::string;

struct TFuzzTarget {
  const char* Name = "";
  // Folder of valid samples below the corpus root; shared by targets that
  // read the same format.
  const char* Corpus = "";
  void (*Run)(const TInput& Input) = nullptr;
  // Tokens the mutator splices in: tags, directives, keywords of the format.
  std::vector<std::string> Dictionary;
  // Beyond the runtime's own errors, which exception the reader documents;
  // nullptr accepts every runtime error that does not stand for a fault.
  bool (*Documented)(const Exception& Error) = nullptr;
  // Longest time one input may take before it counts as a hang.
  unsigned TimeLimitMs = 5000;
  // Samples made in code, for formats no text editor writes.
  std::vector<TInput> (*MakeSeeds)() = nullptr;
  // The input goes on to the system's own decoders, which under Wine may
  // crash on damaged data: a test run, which has one process for all,
  // gives such a target its valid samples only.
  bool SystemDecoders = false;
};

// The input as the content of a file of its own in the temporary folder,
// removed afterwards, for readers that take only a file name.
class TScratchFile {
 public:
  explicit TScratchFile(const TInput& Input, const wchar_t* Extension = L".ini");
  ~TScratchFile();
  TScratchFile(const TScratchFile&) = delete;
  TScratchFile& operator=(const TScratchFile&) = delete;
  const String& Path() const { return FPath; }

 private:
  String FPath;
};

// Every target, in the order the runs take them.
const std::vector<TFuzzTarget>& Targets();
const TFuzzTarget* FindTarget(const std::string& Name);

void AddTextTargets(std::vector<TFuzzTarget>& List);
void AddFormatTargets(std::vector<TFuzzTarget>& List);
void AddStoreTargets(std::vector<TFuzzTarget>& List);
void AddPictureTargets(std::vector<TFuzzTarget>& List);
void AddExchangeTargets(std::vector<TFuzzTarget>& List);
void AddGridKeyTargets(std::vector<TFuzzTarget>& List);
void AddGridStreamTargets(std::vector<TFuzzTarget>& List);
void AddGridTextTargets(std::vector<TFuzzTarget>& List);
void AddGridClipboardTargets(std::vector<TFuzzTarget>& List);

// ---- Reading an input ----
// UTF-8 where the bytes form it (surrogates included, so that lone halves
// reach the parsers); any other byte stands for the code unit of its value.
String InputText(const TInput& Input);
// The text before the first line feed, and the rest after it.
void SplitInput(const TInput& Input, String& First, String& Rest);
// A stable number drawn from the input, for choosing options.
uint64_t InputHash(const TInput& Input);
// A number read from a text the way a user would type it, else from Hash.
double InputNumber(const String& Text, uint64_t Hash);

}  // namespace jorv::fuzz
