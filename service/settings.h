#pragma once
// The one table of settings: every value the tools read from a controller or
// write to it, by the name the command line gives it. A row says how the
// value is read and set, what a settings snapshot keeps of it, whether its
// Set needs the service password, which device families have it and where it
// stands in a restore. zorctl's get and set, its help and its bash
// completion, the snapshot's keys and checks, the comparison and the restore
// and the titles the panel shows come from here; zorctl's manual page is held
// against it by a test.
//
// Adding a setting: its reader and writer in Maintenance, and one row here,
// whose since is the next snapshot version (SnapshotVersion() + 1) when the
// setting goes into snapshots, so that the files taken before it still load;
// the README's "The table of settings" lists every file it touches, in order.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "service/families.h"
#include "service/maintenance.h"

namespace zor::service {

// Work on a marking system: operations of the service layer, and how it ended.
using Task = std::function<Outcome(Maintenance&)>;

enum class SettingGroup : std::uint8_t {
  Calibration,  // sent first in a restore
  Identity,     // restored only when asked for, behind the service password
  Network,      // sent last in a restore
  ShownOnly,    // compared, never restored
};

// What a snapshot's value must be to be taken back.
enum class KeyKind : std::uint8_t {
  Fixed5,    // a single-precision number, "%.5f": currents and scales
  Word,      // a whole number that fits 16 bits
  Hex8,      // eight hexadecimal digits
  Mac,       // six groups of two hexadecimal digits
  Dotted,    // four decimal octets
  WorkTime,  // D,HH:MM:SS
  Seconds,   // the working time as a number, beside its text: compared only as the text
  Identity,  // a field of the identity block, checked with the block
};

struct SettingKey {
  std::string_view name;  // "min_current"; empty for none
  KeyKind kind = KeyKind::Identity;
  std::string_view note{};  // what zorctl's help says it holds, beyond its kind
};

// One reported value: a stable key, the text the panel shows, and the number
// it stands for where it is one.
struct SettingField {
  std::string key;
  std::u16string text;
  std::optional<double> number;
};
using SettingFields = std::vector<SettingField>;

// What a Set is given.
struct SetValues {
  std::vector<std::u16string> values;  // as many as the setting's Set takes
  std::u16string password;             // for a Set behind the service password
  // As a controller reported them (a snapshot's): put back exactly as they
  // were, rather than taken as typed.
  bool reported = false;
  // A controller-model code typed by hand: sent with the plain prefix even
  // when the panel's list has it.
  bool typed = false;
};

struct Setting {
  std::string_view name{};      // on the command line: "min-current"
  std::u16string_view title{};  // in the panel: "Min Current"
  SettingGroup group = SettingGroup::Calibration;
  std::optional<Feature> feature{};  // what a family needs for its Get and Set; nullopt: every family has them
  // Its Get, "get NAME": the values it reads, in the order of its keys, each
  // a text and maybe a number; readFields names them. nullptr: none of its own.
  Reading<SettingFields> (*read)(Maintenance&) = nullptr;
  // Where a snapshot keeps its value, and the keys a comparison shows: the
  // one place a setting's keys are written.
  std::array<SettingKey, 2> keys{};
  // A Set whose value another Get reads: that setting's name, or "identity"
  // for the identity block; empty when its own Get reads it or none does.
  std::string_view readBy{};
  // Its Set, "set NAME VALUE...": the work that sends the values, or Refused,
  // naming the value that cannot be sent ("'x' is not ..."). nullptr: no Set.
  Reading<Task> (*write)(const SetValues&) = nullptr;
  // What its Get (or readBy's) shows once the controller kept the values a
  // Set sent, the keys' texts joined by a blank ("0.50000", "32768 32770");
  // nothing when the values cannot read back as themselves ("abc" for a
  // current). nullptr: the Set is not read back.
  std::optional<std::u16string> (*readsBackAs)(const SetValues&) = nullptr;
  // Its Set's values as zorctl names them, one word each ("TEXT", "X Y"),
  // and how the Set sends them, for zorctl's help.
  std::string_view valueNames{};
  int valueCount = 0;  // how many values its Set takes: one per word of valueNames
  std::string_view sends{};
  // The values zorctl completes its Set's value with: the panel's list.
  std::span<const std::u16string_view> choices{};
  bool password = false;  // its Set needs the service password
  // The panel's fields of its values, for messages that name them, and the
  // names of a pair's two fields there ("X Scale Correction"); a single
  // value's field is named by the title.
  std::array<Input, 2> inputs{};
  std::array<std::u16string_view, 2> fieldTitles{};
  // Its place in a comparison and a restore: rows go in the order of these
  // numbers, which leave room between them. 0: neither compares nor restores it.
  int restoreOrder = 0;
  // The snapshot version it first appeared in: a file of an earlier version
  // is complete without it.
  int since = 1;

  // Its Get's fields, each under its key.
  Reading<SettingFields> readFields(Maintenance& service) const;
};

// Every setting, in the order `get all` and a snapshot read them.
std::span<const Setting> Settings();

// A row's words for zorctl's help (how its Set sends its values, a key's
// note) in the user's language; the English itself when no translation is
// loaded.
QString HelpWords(std::string_view words);
// The setting of that name on the command line, or nullptr.
const Setting* FindSetting(std::string_view name);
// The same, if it has a Get or a Set of its own.
const Setting* FindReadable(std::string_view name);
const Setting* FindWritable(std::string_view name);
// The compared settings, in restore order.
std::span<const Setting* const> RestoreOrder();
// The snapshot version of a table: the highest a row first appeared in.
int SnapshotVersion(std::span<const Setting> table = Settings());
// The first row of the table that breaks a rule the rows keep, and the rule,
// as "scale: a Set of two values names both its fields"; empty when every
// row keeps them. The rules: a Set has its values' fields and says how it
// sends them; a compared setting has a place of its own after every setting
// of an earlier group, and a Get that reads its keys.
std::string WhereRowsDisagree(std::span<const Setting> table = Settings());

// Whether the family has the setting's Get and Set.
bool FamilyHas(std::optional<link::Family> family, const Setting& setting);
// Whether a Set of the setting is read back on the family: it says what its
// Get shows, and the family has that Get (or reads the identity).
bool ReadBackOn(std::optional<link::Family> family, const Setting& setting);

// The keys of the identity's fields, where IdentityFields, a snapshot's
// identity and the rows of the settings the identity reads name them.
struct IdentityKeys {
  static constexpr std::string_view kSystemName = "system_name";
  static constexpr std::string_view kVersion = "version";
  static constexpr std::string_view kReleaseDate = "release_date";
  static constexpr std::string_view kSerialNumber = "serial_number";
  static constexpr std::string_view kLens = "lens_mm";
  static constexpr std::string_view kFamily = "family";
};

// The identity as fields: system_name, version, release_date, serial_number,
// lens_mm, family.
SettingFields IdentityFields(const Identity& identity);

}  // namespace zor::service
