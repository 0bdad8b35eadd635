#include "service/families.h"

#include <array>

namespace zor::service {

namespace {

constexpr FamilyChange E = FamilyChange::Enable;
constexpr FamilyChange D = FamilyChange::Disable;
constexpr FamilyChange U = FamilyChange::Unchanged;
using F = Feature;

constexpr std::array<FamilyRow, 20> kTable{{
    //  feature              starts NK- N- NZ
    {F::MinCurrent, true, E, E, E, QT_TRANSLATE_NOOP("zor::service::Families", "no minimum current (Set Min)")},
    {F::Current20, true, E, E, D, QT_TRANSLATE_NOOP("zor::service::Families", "no 20% current (20% Current Set)")},
    {F::MaxCurrent, true, E, E, D, QT_TRANSLATE_NOOP("zor::service::Families", "no maximum current (Set Max)")},
    {F::InitPowerBoard, true, E, D, D,
     QT_TRANSLATE_NOOP("zor::service::Families", "no power board reinitialisation (Init Power B/d)")},
    {F::GetCurrents, true, E, D, U, QT_TRANSLATE_NOOP("zor::service::Families", "no current readout (Get Curr)")},
    {F::Centering, true, E, D, D,
     QT_TRANSLATE_NOOP("zor::service::Families", "no centering correction (XY Centering Correction, Adjust Center)")},
    {F::DistortionValues, true, U, E, E,
     QT_TRANSLATE_NOOP("zor::service::Families", "no distortion values (XY Distortion Correction)")},
    {F::AdjustDistortion, true, U, D, E,
     QT_TRANSLATE_NOOP("zor::service::Families", "no distortion adjustment (Adjust Distortion)")},
    {F::ScaleValues, true, U, E, E,
     QT_TRANSLATE_NOOP("zor::service::Families", "no scale correction (XY Scale Correction)")},
    {F::SquareMarks, true, U, D, E,
     QT_TRANSLATE_NOOP("zor::service::Families", "no test squares (Mark Original Square, Mark Corrected Square)")},
    {F::MaxField, true, U, D, E, QT_TRANSLATE_NOOP("zor::service::Families", "no maximum field mark (Mark Max Field)")},
    {F::AimingAlignment, true, U, D, E,
     QT_TRANSLATE_NOOP("zor::service::Families", "no aiming diode alignment (Aiming Alignment...)")},
    {F::SerialSet, true, U, E, E, QT_TRANSLATE_NOOP("zor::service::Families", "no serial number Set")},
    {F::ModelNameSet, true, U, U, E, QT_TRANSLATE_NOOP("zor::service::Families", "no model name Set")},
    {F::LensSet, true, U, E, E, QT_TRANSLATE_NOOP("zor::service::Families", "no lens Set")},
    // The panel starts with these disabled; every family's column names them.
    {F::ControllerModel, false, D, D, E,
     QT_TRANSLATE_NOOP("zor::service::Families", "no controller model (Ctrlr Model)")},
    {F::Shutter, true, E, E, D, QT_TRANSLATE_NOOP("zor::service::Families", "no shutter (OPEN, CLOSE)")},
    {F::ShowVersion, true, U, E, E, QT_TRANSLATE_NOOP("zor::service::Families", "no Show Version")},
    {F::WorkingTime, true, E, D, E,
     QT_TRANSLATE_NOOP("zor::service::Families", "no working-time counter (Get Work Time, Init. Work Time)")},
    {F::Network, true, D, D, E, QT_TRANSLATE_NOOP("zor::service::Families", "no network settings (Config IP)")},
}};

constexpr bool InFeatureOrder() {
  for (std::size_t i = 0; i < kTable.size(); ++i)
    if (static_cast<std::size_t>(kTable[i].feature) != i) return false;
  return true;
}
static_assert(InFeatureOrder(), "one row per feature, in the order of Feature");

}  // namespace

std::span<const FamilyRow> FamilyTable() { return kTable; }

const FamilyRow& FamilyRowOf(Feature feature) { return kTable[static_cast<std::size_t>(feature)]; }

std::optional<link::Family> KnownFamily(const std::optional<Identity>& identity) {
  if (!identity || !identity->readable) return std::nullopt;
  return identity->family;
}

bool FamilyHas(std::optional<link::Family> family, Feature feature) {
  const FamilyRow& row = FamilyRowOf(feature);
  switch (family ? row.forFamily(*family) : U) {
    case FamilyChange::Enable:
      return true;
    case FamilyChange::Disable:
      return false;
    case FamilyChange::Unchanged:
      return row.startsEnabled;
  }
  return row.startsEnabled;
}

std::u16string_view FamilySystem(std::optional<link::Family> family) {
  if (!family) return u"a marking system of unknown family";
  switch (*family) {
    case link::Family::NK:
      return u"an NK-series marking system";
    case link::Family::N:
      return u"an N-series marking system";
    case link::Family::NZ:
      return u"an NZ-series marking system";
  }
  return u"an NZ-series marking system";
}

text::PeopleText FamilySystemText(std::optional<link::Family> family) {
  if (!family) return text::Tr("zor::service::Families", "a marking system of unknown family");
  switch (*family) {
    case link::Family::NK:
      return text::Tr("zor::service::Families", "an NK-series marking system");
    case link::Family::N:
      return text::Tr("zor::service::Families", "an N-series marking system");
    case link::Family::NZ:
      break;
  }
  return text::Tr("zor::service::Families", "an NZ-series marking system");
}

text::PeopleText LackingText(Feature feature) {
  const char* lacking = FamilyRowOf(feature).lacking;
  return {QString::fromUtf8(lacking), QCoreApplication::translate("zor::service::Families", lacking)};
}

Outcome CheckFamily(std::optional<link::Family> family, Feature feature, std::u16string_view what) {
  if (FamilyHas(family, feature)) return Outcome::done();
  // what: the operation as zorctl names it, never translated.
  const text::PeopleText told =
      family ? text::Tr("zor::service::Families", "%1: %2 has %3; nothing was sent")
                   .arg(what.data() == nullptr ? QString() : QString::fromUtf16(what.data(), what.size()))
                   .arg(FamilySystemText(family))
                   .arg(LackingText(feature))
             : text::Tr("zor::service::Families",
                        "%1: the marking system's family is not known (its identity could not be read), and without "
                        "it the panel offers %2; nothing was sent")
                   .arg(what.data() == nullptr ? QString() : QString::fromUtf16(what.data(), what.size()))
                   .arg(LackingText(feature));
  return Outcome::refused(Input::None, told);
}

Feature FeatureOf(Adjustment adjustment) {
  switch (adjustment) {
    case Adjustment::Distortion:
      return F::AdjustDistortion;
    case Adjustment::Center:
      return F::Centering;
    case Adjustment::Aiming:
      return F::AimingAlignment;
  }
  return F::AdjustDistortion;
}

Feature FeatureOf(Figure figure) { return figure == Figure::MaxField ? F::MaxField : F::SquareMarks; }

std::u16string_view FamilyName(link::Family family) {
  switch (family) {
    case link::Family::NK:
      return u"NK";
    case link::Family::N:
      return u"N";
    case link::Family::NZ:
      return u"NZ";
  }
  return u"NZ";
}

}  // namespace zor::service
