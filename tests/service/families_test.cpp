// What each device family has, as both front ends read it from the one table.
#include "service/families.h"

#include <gtest/gtest.h>

#include <set>

#include "service/text.h"

namespace zortest {
namespace {

namespace svc = zor::service;
using F = svc::Feature;

struct FamilyCase {
  const char* name;
  std::optional<zor::link::Family> family;
  std::set<F> lacks;
  friend void PrintTo(const FamilyCase& c, std::ostream* out) { *out << c.name; }
};

class FamilyFeatures : public ::testing::TestWithParam<FamilyCase> {};

// A panel started afresh and laid out for the family offers exactly the rest.
TEST_P(FamilyFeatures, AreWhatAFreshPanelOffersForTheFamily) {
  for (const svc::FamilyRow& row : svc::FamilyTable()) {
    const bool lacking = GetParam().lacks.contains(row.feature);
    EXPECT_EQ(svc::FamilyHas(GetParam().family, row.feature), !lacking) << row.lacking;
    EXPECT_EQ(svc::CheckFamily(GetParam().family, row.feature, u"cmd").ok(), !lacking) << row.lacking;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Families, FamilyFeatures,
    ::testing::Values(FamilyCase{"NK", zor::link::Family::NK, {F::ControllerModel, F::Network}},
                      FamilyCase{"N",
                                 zor::link::Family::N,
                                 {F::InitPowerBoard, F::GetCurrents, F::Centering, F::AdjustDistortion, F::SquareMarks,
                                  F::MaxField, F::AimingAlignment, F::ControllerModel, F::WorkingTime, F::Network}},
                      FamilyCase{"NZ",
                                 zor::link::Family::NZ,
                                 {F::Current20, F::MaxCurrent, F::InitPowerBoard, F::Centering, F::Shutter}},
                      // An unreadable identity leaves the panel as it started.
                      FamilyCase{"Unknown", std::nullopt, {F::ControllerModel}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FamilyRefusal, NamesTheCommandTheFamilyAndWhatItLacks) {
  EXPECT_EQ(svc::CheckFamily(zor::link::Family::N, F::Network, u"set ip").message,
            u"set ip: an N-series marking system has no network settings (Config IP); nothing was sent");
  EXPECT_EQ(svc::CheckFamily(zor::link::Family::NZ, F::MaxCurrent, u"set max-current").message,
            u"set max-current: an NZ-series marking system has no maximum current (Set Max); nothing was sent");
  EXPECT_EQ(svc::CheckFamily(zor::link::Family::NK, F::ControllerModel, u"get controller-model").message,
            u"get controller-model: an NK-series marking system has no controller model (Ctrlr Model); nothing was "
            u"sent");
  const svc::Outcome unknown = svc::CheckFamily(std::nullopt, F::ControllerModel, u"set controller-model");
  EXPECT_EQ(unknown.status, svc::Status::Refused);
  EXPECT_NE(unknown.message.find(u"identity could not be read"), std::u16string::npos);
}

}  // namespace
}  // namespace zortest
