#pragma once

#include <string>

#include "design/display_store.h"
#include "play/once_report.h"
#include "win32/registry_key.h"

// The display choice, kept per user apart from the four options, as two REG_DWORD values of
// HKEY_CURRENT_USER\Software\Zundabar: "Zoom" (1 to 32) and "FullScreen" (0 or 1). Missing
// values read as the window at 1x; so does anything else there (another type, another size, a
// number out of range), told once. A key that cannot be read or written is told and changes
// nothing else: the game plays on with the choice it has.
class RegistryDisplayStore final : public DisplayStore {
 public:
  static constexpr char kDefaultKeyPath[] = "Software\\Zundabar";

  // Without a report the lines go to the game's report.
  explicit RegistryDisplayStore(std::string keyPath = kDefaultKeyPath,
                                OnceReport::Report report = {});

  DisplayChoice load() override;
  void save(const DisplayChoice& choice) override;

  const std::string& keyPath() const { return key_.path(); }

 private:
  // False, told, when the value is damaged or cannot be read; a missing one leaves number as it is.
  bool readValue(const char* name, DWORD smallest, DWORD largest, DWORD& number);

  RegistryKey key_;
  OnceReport report_;
};
