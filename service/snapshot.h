#pragma once
// A settings snapshot: every value a controller reported, with its identity,
// as one readable, versioned JSON file. Reading one checks the whole file as
// strictly as the panel checks what it sends; a file that fails is refused
// as a whole, with the problem named.

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "service/maintenance.h"
#include "service/settings.h"

namespace zor::service {

inline constexpr std::string_view kSnapshotFormat = "zor-maintenance-settings";
inline constexpr std::size_t kMaxSnapshotBytes = 1024 * 1024;

struct Snapshot {
  int version = SnapshotVersion();  // of the table it was taken with (settings.h)
  std::string time;                 // UTC, ISO 8601
  std::string toolVersion;
  std::optional<Identity> identity;      // nullopt: it could not be read
  std::vector<SettingField> settings;    // by key, in the order of Settings()
  std::vector<std::string> missing;      // settings ("currents", ...) that could not be read
  std::vector<std::string> notOnFamily;  // settings the system's family does not have: not read

  const SettingField* find(std::string_view key) const;
};

// Reads the identity and every setting of the table that the system's
// family has; a read that fails is recorded as missing, never as a value,
// and a setting the family lacks as not on the family. progress(done, total)
// follows the reads.
Snapshot TakeSnapshot(Maintenance& service, const std::function<void(int done, int total)>& progress = {},
                      std::span<const Setting> table = Settings());

std::string SnapshotJson(const Snapshot& snapshot);

// The snapshot in the file, checked against the table's rows up to the
// file's version; or Refused, with what is wrong with it (a file that cannot
// be read is refused too: nothing of it is restored). A file of an earlier
// version is complete without the rows added since.
Reading<Snapshot> ParseSnapshot(const std::string& json, std::span<const Setting> table = Settings());
Reading<Snapshot> LoadSnapshot(const std::filesystem::path& file);

// Written atomically: either the whole new file is there, or what was there
// before. FileFailed, with why, when it could not be written.
Outcome SaveSnapshot(const Snapshot& snapshot, const std::filesystem::path& file);

}  // namespace zor::service
