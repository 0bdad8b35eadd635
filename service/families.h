#pragma once
// What each device family has. The panel enables and disables its controls
// feature by feature when it identifies a family; zorctl refuses what the
// family lacks, and backups and restores leave it out. All of them read this
// one table.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "link/system_info.h"
#include "service/maintenance.h"
#include "service/outcome.h"
#include "text/people_text.h"

namespace zor::service {

enum class Feature : std::uint8_t {
  MinCurrent,
  Current20,
  MaxCurrent,
  InitPowerBoard,
  GetCurrents,
  Centering,         // the centering values and "Adjust Center"
  DistortionValues,  // distortion Get and Set
  AdjustDistortion,
  ScaleValues,
  SquareMarks,  // "Mark Original Square" and "Mark Corrected Square"
  MaxField,
  AimingAlignment,
  SerialSet,
  ModelNameSet,
  LensSet,
  ControllerModel,  // its Set and Get
  Shutter,
  ShowVersion,
  WorkingTime,  // "Get Work Time" and "Init. Work Time"
  Network,      // "Config IP": MAC, IP, subnet mask, gateway, ship id
};

// What identifying a family does to a feature's controls.
enum class FamilyChange : std::uint8_t { Unchanged, Enable, Disable };

struct FamilyRow {
  Feature feature;
  bool startsEnabled;  // its controls in the panel as started, before any family was identified
  FamilyChange nk, n, nz;
  // What a family without it lacks, in English: "no network settings (Config IP)".
  const char* lacking;

  FamilyChange forFamily(link::Family family) const {
    return family == link::Family::NK ? nk : family == link::Family::N ? n : nz;
  }
};

// One row per feature, in the order of Feature.
std::span<const FamilyRow> FamilyTable();
const FamilyRow& FamilyRowOf(Feature feature);

// The family of an identity that could be read; nullopt otherwise.
std::optional<link::Family> KnownFamily(const std::optional<Identity>& identity);

// Whether the family has the feature: whether a panel started afresh offers
// it once it has identified the family. A change names the state; an
// unchanged feature keeps the panel's starting state, as does every feature
// when the identity could not be read (nullopt).
bool FamilyHas(std::optional<link::Family> family, Feature feature);

// "an NK-series marking system", "an N-series ...", "an NZ-series ...";
// "a marking system of unknown family" for nullopt.
std::u16string_view FamilySystem(std::optional<link::Family> family);
// The same, and what a family without the feature lacks, for people.
text::PeopleText FamilySystemText(std::optional<link::Family> family);
text::PeopleText LackingText(Feature feature);

// Done when the family has the feature; otherwise refused, with what the
// system lacks: "set ip: an N-series marking system has no network settings
// (Config IP); nothing was sent".
Outcome CheckFamily(std::optional<link::Family> family, Feature feature, std::u16string_view what);

// Which feature an operation of several kinds belongs to.
Feature FeatureOf(Adjustment adjustment);
Feature FeatureOf(Figure figure);

// The family as snapshots and zorctl name it: "NK", "N", "NZ".
std::u16string_view FamilyName(link::Family family);

}  // namespace zor::service
