#include "service/settings.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "mac/mac_mask.h"
#include "service/format.h"
#include "service/text.h"

namespace zor::service {

namespace {

// ---- reading: the fields of a Get ----------------------------------------------------------

// The number a text shows, as the text rounds it ("0.10000" is 0.1, not the
// float nearest to it).
SettingField Number(std::string key, std::u16string text) {
  const std::string ascii(text.begin(), text.end());
  double value = 0;
  std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);  // the same in every locale
  return {std::move(key), std::move(text), value};
}

SettingField Text(std::string key, std::u16string text) { return {std::move(key), std::move(text), std::nullopt}; }

template <class T, class Fill>
Reading<SettingFields> From(const Reading<T>& reading, Fill fill) {
  if (!reading.ok()) return Outcome(reading);
  return fill(reading.value);
}

Reading<SettingFields> ReadCurrents(Maintenance& m) {
  return From(m.readCurrents(), [](const Currents& c) {
    return SettingFields{Number("min_current", FormatFixed5(c.min)), Number("max_current", FormatFixed5(c.max))};
  });
}

Reading<SettingFields> ReadDistortion(Maintenance& m) {
  return From(m.readDistortion(), [](const Distortion& d) {
    return SettingFields{Number("distortion_x", FormatUnsigned(d.x)), Number("distortion_y", FormatUnsigned(d.y))};
  });
}

Reading<SettingFields> ReadScale(Maintenance& m) {
  return From(m.readScale(), [](const Scale& s) {
    return SettingFields{Number("scale_x", FormatFixed5(s.x)), Number("scale_y", FormatFixed5(s.y))};
  });
}

Reading<SettingFields> ReadControllerModel(Maintenance& m) {
  return From(m.readControllerModel(),
              [](std::uint32_t v) { return SettingFields{Text("controller_model", FormatHex8(v))}; });
}

Reading<SettingFields> ReadWorkTime(Maintenance& m) {
  return From(m.readWorkTime(), [](std::uint32_t seconds) {
    return SettingFields{Text("work_time", FormatWorkTime(seconds)), Number("work_seconds", FormatUnsigned(seconds))};
  });
}

Reading<SettingFields> ReadMac(Maintenance& m) {
  return From(m.readMacAddress(),
              [](const MacAddress& mac) { return SettingFields{Text("mac_address", FormatMacAddress(mac))}; });
}

template <AddressKind kind>
Reading<SettingFields> ReadAddress(Maintenance& m) {
  static constexpr const char* kKeys[] = {"ip_address", "subnet_mask", "gateway"};
  return From(m.readAddress(kind),
              [](const Ipv4& a) { return SettingFields{Text(kKeys[static_cast<int>(kind)], FormatDotted(a))}; });
}

Reading<SettingFields> ReadShipId(Maintenance& m) {
  return From(m.readShipId(), [](std::uint32_t id) { return SettingFields{Text("ship_id", FormatHex8(id))}; });
}

// ---- writing: the work of a Set ------------------------------------------------------------

// The value, quoted, and why it cannot be sent.
Outcome Unsendable(Input input, const std::u16string& value, std::u16string_view why) {
  return Outcome::refused(input, u"'" + value + u"'" + std::u16string(why));
}

// Every text goes out exactly as typed; the controller alone decides whether it makes sense.
template <Outcome (Maintenance::*set)(std::u16string_view)>
Reading<Task> SetText(const SetValues& v) {
  return Task([text = v.values[0]](Maintenance& m) { return (m.*set)(text); });
}

template <Outcome (Maintenance::*set)(std::u16string_view, std::u16string_view)>
Reading<Task> SetGuarded(const SetValues& v) {
  return Task([password = v.password, text = v.values[0]](Maintenance& m) { return (m.*set)(password, text); });
}

template <Outcome (Maintenance::*set)(std::u16string_view, std::u16string_view)>
Reading<Task> SetPair(const SetValues& v) {
  return Task([x = v.values[0], y = v.values[1]](Maintenance& m) { return (m.*set)(x, y); });
}

// A code typed goes out as if picked from the panel's list when the list has
// it, as typed otherwise; a reported value, flag byte and code, as it was.
Reading<Task> SetControllerModel(const SetValues& v) {
  const std::u16string& code = v.values[0];
  if (v.reported) {
    const std::string hex(code.begin(), code.end());
    std::uint32_t value = 0;
    std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    return Task([password = v.password, value](Maintenance& m) { return m.setControllerModelValue(password, value); });
  }
  const auto& codes = kControllerModelCodes;
  const auto listed = std::find(std::begin(codes), std::end(codes), code);
  const int index = listed == std::end(codes) ? -1 : static_cast<int>(listed - std::begin(codes));
  return Task(
      [password = v.password, code, index](Maintenance& m) { return m.setControllerModel(password, code, index); });
}

Reading<Task> SetWorkTime(const SetValues& v) {
  const Reading<std::uint32_t> seconds = ParseWorkTimeReset(v.values[0]);
  if (!seconds.ok()) return Unsendable(Input::WorkTime, v.values[0], u": " + seconds.message);
  return Task([password = v.password, s = seconds.value](Maintenance& m) { return m.resetWorkTime(password, s); });
}

// Any usual notation goes out as the MAC field shows it: XX:XX:XX:XX:XX:XX.
Reading<Task> SetMac(const SetValues& v) {
  const std::optional<std::u16string> mac = mac::wholeMacAddress(v.values[0]);
  if (!mac) {
    return Unsendable(Input::MacAddress, v.values[0],
                      u" is not a MAC address: give six groups of two hexadecimal digits, as 00:1A:2B:3C:4D:5E");
  }
  return Task([text = *mac](Maintenance& m) { return m.setMacAddress(text); });
}

template <AddressKind kind>
Reading<Task> SetAddress(const SetValues& v) {
  const std::optional<Ipv4> address = ParseDotted(v.values[0]);
  if (!address) {
    constexpr Input kInputs[] = {Input::IpAddress, Input::SubnetMask, Input::Gateway};
    return Unsendable(kInputs[static_cast<int>(kind)], v.values[0],
                      u" is not an address: give four decimal numbers from 0 to " +
                          Decimal(std::numeric_limits<std::uint8_t>::max()) + u", as 192.168.1.10");
  }
  return Task([address](Maintenance& m) { return m.setAddress(kind, address); });
}

// ---- the table -----------------------------------------------------------------------------

using F = Feature;
using G = SettingGroup;
using K = KeyKind;
using M = Maintenance;
constexpr std::array<Input, 2> kNoInput{Input::None, Input::None};

// clang-format off
constexpr Setting kSettings[] = {
    // name, title, group, feature,
    //   Get, its keys (or the keys another Get reads), readBy,
    //   Set, values, password, fields, restore order
    {"currents", u"Currents", G::Calibration, F::GetCurrents,
     ReadCurrents, {{{"min_current", K::Fixed5}, {"max_current", K::Fixed5}}}, {},
     nullptr, 0, false, kNoInput, 0},
    {"min-current", u"Min Current", G::Calibration, F::MinCurrent,
     nullptr, {{{"min_current", K::Fixed5}}}, "currents",
     SetText<&M::setMinCurrent>, 1, false, {Input::MinCurrent}, 2},
    {"20-current", u"20% Current", G::Calibration, F::Current20,
     nullptr, {}, {},
     SetText<&M::set20PercentCurrent>, 1, false, {Input::Current20}, 0},
    {"max-current", u"Max Current", G::Calibration, F::MaxCurrent,
     nullptr, {{{"max_current", K::Fixed5}}}, "currents",
     SetText<&M::setMaxCurrent>, 1, false, {Input::MaxCurrent}, 3},
    {"lens", u"Lens", G::Calibration, F::LensSet,
     nullptr, {{{"lens_mm"}}}, "identity",
     SetText<&M::setLens>, 1, false, {Input::Lens}, 1},
    {"distortion", u"XY Distortion Correction", G::Calibration, F::DistortionValues,
     ReadDistortion, {{{"distortion_x", K::Word}, {"distortion_y", K::Word}}}, {},
     SetPair<&M::setDistortion>, 2, false, {Input::DistortionX, Input::DistortionY}, 4},
    {"scale", u"XY Scale Correction", G::Calibration, F::ScaleValues,
     ReadScale, {{{"scale_x", K::Fixed5}, {"scale_y", K::Fixed5}}}, {},
     SetPair<&M::setScale>, 2, false, {Input::ScaleX, Input::ScaleY}, 5},
    {"serial", u"Serial Number", G::Identity, F::SerialSet,
     nullptr, {{{"serial_number"}}}, "identity",
     SetGuarded<&M::setSerialNumber>, 1, true, {Input::SerialNumber}, 6},
    {"model-name", u"Model Name", G::Identity, F::ModelNameSet,
     nullptr, {{{"system_name"}}}, "identity",
     SetGuarded<&M::setModelName>, 1, true, {Input::ModelName}, 7},
    {"controller-model", u"Ctrlr Model", G::Identity, F::ControllerModel,
     ReadControllerModel, {{{"controller_model", K::Hex8}}}, {},
     SetControllerModel, 1, true, {Input::ControllerModel}, 8},
    {"x-multiplier", u"X Multiplier", G::Calibration, std::nullopt,
     nullptr, {}, {},
     SetText<&M::setXMultiplier>, 1, false, {Input::XMultiplier}, 0},
    {"y-multiplier", u"Y Multiplier", G::Calibration, std::nullopt,
     nullptr, {}, {},
     SetText<&M::setYMultiplier>, 1, false, {Input::YMultiplier}, 0},
    {"work-time", u"Working Time", G::ShownOnly, F::WorkingTime,
     ReadWorkTime, {{{"work_time", K::WorkTime}, {"work_seconds", K::Seconds}}}, {},
     SetWorkTime, 1, true, {Input::WorkTime}, 14},
    {"mac", u"MAC Address", G::Network, F::Network,
     ReadMac, {{{"mac_address", K::Mac}}}, {},
     SetMac, 1, false, {Input::MacAddress}, 9},
    {"ip", u"IP Address", G::Network, F::Network,
     ReadAddress<AddressKind::Ip>, {{{"ip_address", K::Dotted}}}, {},
     SetAddress<AddressKind::Ip>, 1, false, {Input::IpAddress}, 10},
    {"subnet", u"Subnet Mask", G::Network, F::Network,
     ReadAddress<AddressKind::SubnetMask>, {{{"subnet_mask", K::Dotted}}}, {},
     SetAddress<AddressKind::SubnetMask>, 1, false, {Input::SubnetMask}, 11},
    {"gateway", u"Gateway IP", G::Network, F::Network,
     ReadAddress<AddressKind::Gateway>, {{{"gateway", K::Dotted}}}, {},
     SetAddress<AddressKind::Gateway>, 1, false, {Input::Gateway}, 12},
    {"ship-id", u"SHIP ID", G::ShownOnly, F::Network,
     ReadShipId, {{{"ship_id", K::Hex8}}}, {},
     nullptr, 0, false, kNoInput, 13},
};
// clang-format on

// How many settings a comparison shows.
constexpr std::size_t kCompared = [] {
  std::size_t n = 0;
  for (const Setting& s : kSettings) n += s.restoreOrder > 0 ? 1 : 0;
  return n;
}();

// Whether the keys of a value that another Get reads are that Get's, of the same kinds.
constexpr bool ReadWhereItsKeysAre(const Setting& setting) {
  if (setting.readBy.empty()) return true;
  for (const SettingKey& key : setting.keys) {
    if (key.name.empty()) continue;
    bool found = false;
    for (const Setting& source : kSettings) {
      if (source.name != setting.readBy || source.read == nullptr) continue;
      for (const SettingKey& read : source.keys) found = found || (read.name == key.name && read.kind == key.kind);
    }
    if (!found && !(setting.readBy == "identity" && key.kind == KeyKind::Identity)) return false;
  }
  return true;
}

}  // namespace

// What the rows must agree on. A test holds the table to it: GCC's undefined
// behaviour sanitizer makes a comparison of a function template's address
// with nullptr no constant expression, so a static_assert cannot.
bool RowsAgree() {
  std::array<int, kCompared + 1> places{};
  for (const Setting& s : kSettings) {
    if (!ReadWhereItsKeysAre(s)) return false;
    // A Set takes one value per field; a Get or a readBy says where its value is read.
    if ((s.write == nullptr) != (s.values == 0) || s.values > 2) return false;
    if (s.read != nullptr && !s.readBy.empty()) return false;
    if (s.restoreOrder < 0 || s.restoreOrder > static_cast<int>(kCompared)) return false;
    if (s.restoreOrder > 0 && (s.keys[0].name.empty() || (s.read == nullptr && s.readBy.empty()))) return false;
    ++places[static_cast<std::size_t>(s.restoreOrder)];
    // A Set of two values names them by its title's X and Y: "XY Scale Correction".
    if (s.values == 2 && !s.title.starts_with(u"XY ")) return false;
  }
  for (std::size_t place = 1; place <= kCompared; ++place)
    if (places[place] != 1) return false;
  return true;
}

std::span<const Setting> Settings() { return kSettings; }

const Setting* FindSetting(std::string_view name) {
  for (const Setting& s : kSettings)
    if (s.name == name) return &s;
  return nullptr;
}

const Setting* FindReadable(std::string_view name) {
  const Setting* s = FindSetting(name);
  return s != nullptr && s->read != nullptr ? s : nullptr;
}

const Setting* FindWritable(std::string_view name) {
  const Setting* s = FindSetting(name);
  return s != nullptr && s->write != nullptr ? s : nullptr;
}

std::span<const Setting* const> RestoreOrder() {
  static const std::array<const Setting*, kCompared> order = [] {
    std::array<const Setting*, kCompared> sorted{};
    for (const Setting& s : kSettings)
      if (s.restoreOrder > 0) sorted[static_cast<std::size_t>(s.restoreOrder - 1)] = &s;
    return sorted;
  }();
  return order;
}

std::u16string InputName(Input input) {
  for (const Setting& s : kSettings) {
    for (int i = 0; i < s.values; ++i) {
      if (s.inputs[static_cast<std::size_t>(i)] != input) continue;
      if (s.values == 1) return std::u16string(s.title);
      return (i == 0 ? u"X" : u"Y") + std::u16string(s.title.substr(2));  // "XY Scale Correction"
    }
  }
  // The panel's fields that hold no setting of the table.
  switch (input) {
    case Input::Password:
      return u"Password";
    case Input::RcJumpDelay:
      return u"RC Jump Delay";
    case Input::MoveX:
      return u"Move To X";
    case Input::MoveY:
      return u"Move To Y";
    case Input::Pulse:
      return u"Pulse";
    default:
      return {};
  }
}

bool FamilyHas(std::optional<Family> family, const Setting& setting) {
  return !setting.feature || FamilyHas(family, *setting.feature);
}

std::u16string_view FamilyName(Family family) {
  switch (family) {
    case Family::NK:
      return u"NK";
    case Family::N:
      return u"N";
    case Family::NZ:
      return u"NZ";
  }
  return u"NZ";
}

SettingFields IdentityFields(const Identity& identity) {
  const SystemInfo& info = identity.info;
  return {Text("system_name", info.model),        Text("version", info.version),
          Text("release_date", info.releaseDate), Number("serial_number", Decimal(info.serial)),
          Number("lens_mm", Decimal(info.lens)),  Text("family", std::u16string(FamilyName(identity.family)))};
}

}  // namespace zor::service
