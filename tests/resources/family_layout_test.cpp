// The panel's side of the family table: each control's feature, checked
// against the panel as its template starts it; the family pictures and the
// lens presets.
#include "resources/family_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "resources/templates.h"

namespace zortest {
namespace {

// What the table takes for a panel before any family was identified is what
// the template starts with, so the state zorctl assumes for an unchanged
// feature is the panel's own.
TEST(FamilyLayout, StartingStatesAreTheTemplates) {
  const auto controls = zor::resources::kMainPanelTemplate.controls;
  for (const zor::resources::FamilyLayoutRow& row : zor::resources::FamilyLayout()) {
    const auto control = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.id == row.id; });
    ASSERT_NE(control, controls.end()) << row.id;
    const bool enabled = (control->style & zor::platform::Disabled) == 0;
    EXPECT_EQ(zor::service::FamilyRowOf(row.feature).startsEnabled, enabled) << row.id;
  }
}

// Every feature has controls on the panel, so no family rule is zorctl's alone.
TEST(FamilyLayout, EveryFeatureHasAControl) {
  for (const zor::service::FamilyRow& feature : zor::service::FamilyTable()) {
    const auto rows = zor::resources::FamilyLayout();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const auto& r) { return r.feature == feature.feature; }))
        << static_cast<int>(feature.feature);
  }
}

TEST(FamilyLayout, NamesEachControlOnce) {
  std::set<int> ids;
  for (const auto& row : zor::resources::FamilyLayout()) EXPECT_TRUE(ids.insert(row.id).second) << row.id;
}

TEST(FamilyLayout, LeavesAloneWhatNoFamilyMayTouch) {
  // Hidden or template-disabled controls, and those outside the family's reach:
  // the unused aiming fields, delays, test power, Move, Get Info, AIMING, Mrkr Time,
  // the working-time edit, the picture, OK and Cancel.
  const std::vector<int> untouchable{1013, 1014, 1015, 1016, 6,    5,    1037, 1076, 1077, 1005, 1006,
                                     1007, 1008, 1009, 1010, 1075, 1034, 1090, 1091, 1022, 1023, 1074,
                                     1083, 1085, 1097, 1012, 1011, 1035, 1082, 1064, 1072, 1,    2};
  for (const auto& row : zor::resources::FamilyLayout())
    EXPECT_EQ(std::count(untouchable.begin(), untouchable.end(), row.id), 0) << row.id;
}

TEST(FamilyLayout, LensIndexIsThePresetPosition) {
  const std::vector<std::pair<unsigned, int>> cases{{60, 0},  {75, 0},  {100, 1}, {163, 2}, {254, 3},
                                                    {300, 4}, {420, 5}, {0, 0},   {421, 0}, {65535, 0}};
  for (const auto& [lens, index] : cases) EXPECT_EQ(zor::resources::LensIndex(lens), index) << "lens " << lens;
}

TEST(FamilyLayout, EachFamilyHasItsPicture) {
  EXPECT_EQ(zor::resources::FamilyPicture(zor::link::Family::NK), 131);
  EXPECT_EQ(zor::resources::FamilyPicture(zor::link::Family::N), 132);
  EXPECT_EQ(zor::resources::FamilyPicture(zor::link::Family::NZ), 130);
}

}  // namespace
}  // namespace zortest
