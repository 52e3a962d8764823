#pragma once
// String lists: an abstract TStrings with the text, name=value and
// delimited forms, and TStringList, which keeps the strings (sorted on
// request) with an object for each.
#include <functional>
#include <vector>
#include "platform/rtl/Object.h"

namespace jorv {

class TStream;
class TEncoding;

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
 public:
  TStrings() = default;

  // Indexed access; indexes outside 0..Count-1 raise EStringListError.
  String Strings(Integer Index) const { return Get(Index); }
  void SetStrings(Integer Index, const String& S) { Put(Index, S); }
  TObject* Objects(Integer Index) const { return GetObject(Index); }
  void SetObjects(Integer Index, TObject* AObject) { PutObject(Index, AObject); }
  Integer Count() const { return GetCount(); }

  virtual String Get(Integer Index) const = 0;
  virtual void Put(Integer Index, const String& S);
  virtual TObject* GetObject(Integer Index) const;
  virtual void PutObject(Integer Index, TObject* AObject);
  virtual Integer GetCount() const = 0;

  virtual Integer Add(const String& S);
  virtual Integer AddObject(const String& S, TObject* AObject);
  void Append(const String& S) { Add(S); }
  virtual void AddStrings(const TStrings* Strings);
  virtual void Insert(Integer Index, const String& S) = 0;
  void InsertObject(Integer Index, const String& S, TObject* AObject);
  virtual void Delete(Integer Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(Integer Index1, Integer Index2);
  virtual void Move(Integer CurIndex, Integer NewIndex);

  virtual Integer IndexOf(const String& S) const;
  Integer IndexOfName(const String& Name) const;
  Integer IndexOfObject(const TObject* AObject) const;

  // Name=value lines. A line without the separator has an empty name and
  // an empty value. Writing an empty value deletes the line.
  String Names(Integer Index) const;
  String Values(const String& Name) const;
  virtual void SetValues(const String& Name, const String& Value);
  String ValueFromIndex(Integer Index) const;
  void SetValueFromIndex(Integer Index, const String& Value);
  Char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(Char Value) { FNameValueSeparator = Value; }

  String CommaText() const;
  void SetCommaText(const String& Value);
  String DelimitedText() const;
  void SetDelimitedText(const String& Value);
  Char Delimiter() const { return FDelimiter; }
  void SetDelimiter(Char Value) { FDelimiter = Value; }
  Char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(Char Value) { FQuoteChar = Value; }
  bool StrictDelimiter() const { return FStrictDelimiter; }
  void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }

  // Every line followed by LineBreak. Reading splits at CR LF, LF or CR
  // while LineBreak is CR LF, else at LineBreak only.
  String Text() const;
  virtual void SetText(const String& Value);
  const String& LineBreak() const { return FLineBreak; }
  void SetLineBreak(const String& Value) { FLineBreak = Value; }

  // Loading without an encoding detects it by the byte-order mark (ANSI
  // without one) and remembers it; saving without one uses the remembered
  // encoding or DefaultEncoding. The mark is written when WriteBOM is set.
  void LoadFromFile(const String& FileName, TEncoding* Encoding = nullptr);
  void SaveToFile(const String& FileName, TEncoding* Encoding = nullptr);
  virtual void LoadFromStream(TStream* Stream, TEncoding* Encoding = nullptr);
  virtual void SaveToStream(TStream* Stream, TEncoding* Encoding = nullptr);
  TEncoding* Encoding() const { return FEncoding; }
  TEncoding* DefaultEncoding() const { return FDefaultEncoding; }
  void SetDefaultEncoding(TEncoding* Value);
  bool WriteBOM() const { return FWriteBOM; }
  void SetWriteBOM(bool Value) { FWriteBOM = Value; }

  void BeginUpdate();
  void EndUpdate();
  Integer UpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* Source) override;
  // Same strings in the same order, compared exactly.
  bool Equals(const TStrings* Strings) const;

 protected:
  // Streams the lines as the list property "Strings".
  void DefineProperties(TFiler* Filer) override;
  virtual void SetUpdateState(bool /*Updating*/) {}
  virtual Integer CompareStrings(const String& S1, const String& S2) const;
  [[noreturn]] void Error(const wchar_t* Msg, Integer Data) const;
  String DelimitedTextWith(Char Delimiter, Char Quote) const;
  void SetDelimitedTextWith(const String& Value, Char Delimiter, Char Quote);

 private:
  Char FDelimiter = L',';
  Char FQuoteChar = L'"';
  Char FNameValueSeparator = L'=';
  bool FStrictDelimiter = false;
  String FLineBreak = L"\r\n";
  Integer FUpdateCount = 0;
  TEncoding* FEncoding = nullptr;
  TEncoding* FDefaultEncoding = nullptr;  // nullptr means the ANSI code page
  bool FWriteBOM = true;
};

class TStringList;
using TStringListSortCompare = std::function<Integer(TStringList* List, Integer Index1, Integer Index2)>;

class TStringList : public TStrings {
 public:
  TStringList() = default;
  explicit TStringList(bool OwnsObjects) : FOwnsObjects(OwnsObjects) {}
  ~TStringList() override;

  String Get(Integer Index) const override;
  void Put(Integer Index, const String& S) override;
  TObject* GetObject(Integer Index) const override;
  void PutObject(Integer Index, TObject* AObject) override;
  Integer GetCount() const override { return static_cast<Integer>(FList.size()); }

  Integer Add(const String& S) override;
  Integer AddObject(const String& S, TObject* AObject) override;
  void Insert(Integer Index, const String& S) override;
  void Delete(Integer Index) override;
  void Clear() override;
  void Exchange(Integer Index1, Integer Index2) override;
  void Move(Integer CurIndex, Integer NewIndex) override;
  Integer IndexOf(const String& S) const override;
  void SetValues(const String& Name, const String& Value) override;

  // Binary search; Index is where S is or would be inserted. With
  // dupAccept it finds the first of equal strings.
  bool Find(const String& S, Integer& Index) const;
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& Compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  // Deleting or clearing frees the objects.
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool Updating) override;
  Integer CompareStrings(const String& S1, const String& S2) const override;
  virtual void Changed();
  virtual void Changing();
  void InsertItem(Integer Index, const String& S, TObject* AObject);

 private:
  struct TStringItem {
    String FString;
    TObject* FObject = nullptr;
  };
  void CheckIndex(Integer Index) const;

  std::vector<TStringItem> FList;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FCaseSensitive = false;
  bool FOwnsObjects = false;
};

}  // namespace jorv
