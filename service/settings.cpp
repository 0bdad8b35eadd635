#include "service/settings.h"

#include <charconv>

#include "service/format.h"
#include "service/text.h"

namespace zor::service {

namespace {

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
SettingReading From(const Reading<T>& reading, Fill fill) {
  SettingReading result{reading, {}};
  if (reading.ok()) result.fields = fill(reading.value);
  return result;
}

SettingReading ReadCurrents(Maintenance& m) {
  return From(m.readCurrents(), [](const Currents& c) {
    return std::vector{Number("min_current", FormatFixed5(c.min)), Number("max_current", FormatFixed5(c.max))};
  });
}

SettingReading ReadDistortion(Maintenance& m) {
  return From(m.readDistortion(), [](const Distortion& d) {
    return std::vector{Number("distortion_x", FormatUnsigned(d.x)), Number("distortion_y", FormatUnsigned(d.y))};
  });
}

SettingReading ReadScale(Maintenance& m) {
  return From(m.readScale(), [](const Scale& s) {
    return std::vector{Number("scale_x", FormatFixed5(s.x)), Number("scale_y", FormatFixed5(s.y))};
  });
}

SettingReading ReadControllerModel(Maintenance& m) {
  return From(m.readControllerModel(),
              [](std::uint32_t v) { return std::vector{Text("controller_model", FormatHex8(v))}; });
}

SettingReading ReadWorkTime(Maintenance& m) {
  return From(m.readWorkTime(), [](std::uint32_t seconds) {
    return std::vector{Text("work_time", FormatWorkTime(seconds)), Number("work_seconds", FormatUnsigned(seconds))};
  });
}

SettingReading ReadMac(Maintenance& m) {
  return From(m.readMacAddress(),
              [](const MacAddress& mac) { return std::vector{Text("mac_address", FormatMacAddress(mac))}; });
}

template <AddressKind kind>
SettingReading ReadAddress(Maintenance& m) {
  static constexpr const char* kKeys[] = {"ip_address", "subnet_mask", "gateway"};
  return From(m.readAddress(kind),
              [](const Ipv4& a) { return std::vector{Text(kKeys[static_cast<int>(kind)], FormatDotted(a))}; });
}

SettingReading ReadShipId(Maintenance& m) {
  return From(m.readShipId(), [](std::uint32_t id) { return std::vector{Text("ship_id", FormatHex8(id))}; });
}

constexpr ReadableSetting kSettings[] = {
    {"currents", ReadCurrents, Feature::GetCurrents},
    {"distortion", ReadDistortion, Feature::DistortionValues},
    {"scale", ReadScale, Feature::ScaleValues},
    {"controller-model", ReadControllerModel, Feature::ControllerModel},
    {"work-time", ReadWorkTime, Feature::WorkingTime},
    {"mac", ReadMac, Feature::Network},
    {"ip", ReadAddress<AddressKind::Ip>, Feature::Network},
    {"subnet", ReadAddress<AddressKind::SubnetMask>, Feature::Network},
    {"gateway", ReadAddress<AddressKind::Gateway>, Feature::Network},
    {"ship-id", ReadShipId, Feature::Network},
};

}  // namespace

std::span<const ReadableSetting> ReadableSettings() { return kSettings; }

const ReadableSetting* FindReadableSetting(std::string_view name) {
  for (const ReadableSetting& s : kSettings)
    if (s.name == name) return &s;
  return nullptr;
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

std::vector<SettingField> IdentityFields(const Identity& identity) {
  const SystemInfo& info = identity.info;
  return {Text("system_name", info.model),        Text("version", info.version),
          Text("release_date", info.releaseDate), Number("serial_number", Decimal(info.serial)),
          Number("lens_mm", Decimal(info.lens)),  Text("family", std::u16string(FamilyName(identity.family)))};
}

}  // namespace zor::service
