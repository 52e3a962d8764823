#include "fuzz/Fuzz.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv::fuzz {

const std::vector<TFuzzTarget>& Targets() {
  static const std::vector<TFuzzTarget> List = [] {
    std::vector<TFuzzTarget> All;
    AddTextTargets(All);
    AddFormatTargets(All);
    AddStoreTargets(All);
    AddPictureTargets(All);
    AddExchangeTargets(All);
    AddGridKeyTargets(All);
    AddGridStreamTargets(All);
    AddGridTextTargets(All);
    AddGridClipboardTargets(All);
    return All;
  }();
  return List;
}

TScratchFile::TScratchFile(const TInput& Input, const wchar_t* Extension) {
  wchar_t Folder[MAX_PATH];
  GetTempPathW(MAX_PATH, Folder);
  FPath = String(Folder) + L"jorvfuzz-" + IntToStr(static_cast<Integer>(GetCurrentProcessId())) + Extension;
  HANDLE File = CreateFileW(FPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD Written = 0;
  if (File != INVALID_HANDLE_VALUE) {
    WriteFile(File, Input.data(), static_cast<DWORD>(Input.size()), &Written, nullptr);
    CloseHandle(File);
  }
}

TScratchFile::~TScratchFile() { DeleteFileW(FPath.c_str()); }

const TFuzzTarget* FindTarget(const std::string& Name) {
  for (const TFuzzTarget& Target : Targets())
    if (Name == Target.Name) return &Target;
  return nullptr;
}

String InputText(const TInput& Input) {
  String Text;
  Text.reserve(Input.size());
  const size_t Size = Input.size();
  for (size_t K = 0; K < Size;) {
    const Byte Lead = static_cast<Byte>(Input[K]);
    const size_t Length = Lead >= 0xE0 && Lead < 0xF0 ? 3 : Lead >= 0xC0 && Lead < 0xE0 ? 2 : 1;
    bool Sequence = Length > 1 && K + Length <= Size;
    for (size_t J = 1; Sequence && J < Length; ++J) Sequence = (static_cast<Byte>(Input[K + J]) & 0xC0) == 0x80;
    if (!Sequence) {
      Text += static_cast<Char>(Lead);
      ++K;
      continue;
    }
    unsigned Code = Lead & (Length == 2 ? 0x1F : 0x0F);
    for (size_t J = 1; J < Length; ++J) Code = (Code << 6) | (static_cast<Byte>(Input[K + J]) & 0x3F);
    Text += static_cast<Char>(Code);
    K += Length;
  }
  return Text;
}

void SplitInput(const TInput& Input, String& First, String& Rest) {
  const size_t Break = Input.find('\n');
  if (Break == TInput::npos) {
    First = InputText(Input);
    Rest.clear();
    return;
  }
  First = InputText(Input.substr(0, Break));
  Rest = InputText(Input.substr(Break + 1));
}

uint64_t InputHash(const TInput& Input) {
  uint64_t H = 1469598103934665603ull;
  for (char C : Input) H = (H ^ static_cast<Byte>(C)) * 1099511628211ull;
  return H;
}

double InputNumber(const String& Text, uint64_t Hash) {
  double Value;
  if (TryStrToFloat(Trim(Text), Value)) return Value;
  // Whole days, fractions, huge and tiny magnitudes and both signs.
  static const double Picks[] = {0, 1, -1, 0.5, 42000.75, -42000.25, 1e15, -1e300, 1e-300, 2958465.99999,
                                 -693593, 123456.789, 0.001};
  return Picks[Hash % std::size(Picks)];
}

}  // namespace jorv::fuzz
