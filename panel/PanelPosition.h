#pragma once
// Where a captioned panel keeps its position, size and collapse state: an
// INI file or a registry key, and the section (or subkey) in it.
#include "platform/rtl/Component.h"
#include "panel/PanelTypes.h"

namespace jorv::panel {

class TPanelPosition : public TPersistent {
 public:
  explicit TPanelPosition(TComponent* AOwner) : FOwner(AOwner) {}

  // From another TPanelPosition only: Key, Section, Save and Location.
  void Assign(TPersistent* Source) override;

  // Stored when the panel's window goes, read back after loading.
  bool Save() const { return FSave; }
  void SetSave(bool Value) { FSave = Value; }
  // The INI file's name, or the registry key's path.
  const String& Key() const { return FKey; }
  void SetKey(const String& Value) { FKey = Value; }
  // The INI section, or the registry subkey that holds the values.
  const String& Section() const { return FSection; }
  void SetSection(const String& Value) { FSection = Value; }
  expanel::TPanelPositionLocation Location() const { return FLocation; }
  void SetLocation(expanel::TPanelPositionLocation Value) { FLocation = Value; }
  TComponent* Owner() const { return FOwner; }

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  bool FSave = false;
  String FKey;
  String FSection;
  expanel::TPanelPositionLocation FLocation = expanel::clRegistry;
  TComponent* FOwner = nullptr;
};

}  // namespace jorv::panel
