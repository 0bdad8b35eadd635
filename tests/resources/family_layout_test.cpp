// The panel's side of the family table: each control's feature, checked
// against the panel as its template starts it.
#include "resources/family_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/templates.h"

namespace zortest {
namespace {

// What the table takes for a panel before any family was identified is what
// the template starts with, so the state zorctl assumes for an unchanged
// feature is the panel's own.
TEST(FamilyLayout, StartingStatesAreTheTemplates) {
  const auto controls = res::kMainPanelTemplate.controls;
  for (const res::FamilyLayoutRow& row : res::FamilyLayout()) {
    const auto control = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.id == row.id; });
    ASSERT_NE(control, controls.end()) << row.id;
    const bool enabled = (control->style & platform::Disabled) == 0;
    EXPECT_EQ(zor::service::FamilyRowOf(row.feature).startsEnabled, enabled) << row.id;
  }
}

// Every feature has controls on the panel, so no family rule is zorctl's alone.
TEST(FamilyLayout, EveryFeatureHasAControl) {
  for (const zor::service::FamilyRow& feature : zor::service::FamilyTable()) {
    const auto rows = res::FamilyLayout();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const auto& r) { return r.feature == feature.feature; }))
        << static_cast<int>(feature.feature);
  }
}

}  // namespace
}  // namespace zortest
