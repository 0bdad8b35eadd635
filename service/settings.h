#pragma once
// The values a controller can report, by the names the command line and the
// settings snapshot use, each read the way the panel reads it.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "service/families.h"
#include "service/maintenance.h"

namespace zor::service {

// One reported value: a stable key, the text the panel shows, and the number
// it stands for where it is one.
struct SettingField {
  std::string key;
  std::u16string text;
  std::optional<double> number;
};

struct SettingReading {
  Outcome outcome;
  std::vector<SettingField> fields;  // empty unless outcome.ok()
};

struct ReadableSetting {
  std::string_view name;  // "currents", "mac", ...
  SettingReading (*read)(Maintenance&);
  Feature feature;  // a family without it cannot read it
};

// In the order `get all` reads them.
std::span<const ReadableSetting> ReadableSettings();
const ReadableSetting* FindReadableSetting(std::string_view name);

// The identity as fields: system_name, version, release_date, serial_number,
// lens_mm, family.
std::vector<SettingField> IdentityFields(const Identity& identity);
std::u16string_view FamilyName(Family family);  // "NK", "N", "NZ"

}  // namespace zor::service
