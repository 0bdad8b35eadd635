#include "service/settings.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <charconv>
#include <limits>

#include "mac/mac_mask.h"
#include "service/format.h"
#include "service/operation.h"
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

// A Get's value, named by its row's key (Setting::readFields).
SettingField Number(std::u16string text) { return Number({}, std::move(text)); }
SettingField Text(std::u16string text) { return Text({}, std::move(text)); }

template <class T, class Fill>
Reading<SettingFields> From(const Reading<T>& reading, Fill fill) {
  if (!reading.ok()) return Outcome(reading);
  return fill(reading.value);
}

Reading<SettingFields> ReadCurrents(Maintenance& m) {
  return From(m.readCurrents(), [](const Currents& c) {
    return SettingFields{Number(FormatFixed5(c.min)), Number(FormatFixed5(c.max))};
  });
}

Reading<SettingFields> ReadDistortion(Maintenance& m) {
  return From(m.readDistortion(), [](const Distortion& d) {
    return SettingFields{Number(FormatUnsigned(d.x)), Number(FormatUnsigned(d.y))};
  });
}

Reading<SettingFields> ReadScale(Maintenance& m) {
  return From(m.readScale(), [](const Scale& s) {
    return SettingFields{Number(FormatFixed5(s.x)), Number(FormatFixed5(s.y))};
  });
}

Reading<SettingFields> ReadControllerModel(Maintenance& m) {
  return From(m.readControllerModel(), [](std::uint32_t v) { return SettingFields{Text(FormatHex8(v))}; });
}

Reading<SettingFields> ReadWorkTime(Maintenance& m) {
  return From(m.readWorkTime(), [](std::uint32_t seconds) {
    return SettingFields{Text(FormatWorkTime(seconds)), Number(FormatUnsigned(seconds))};
  });
}

Reading<SettingFields> ReadMac(Maintenance& m) {
  return From(m.readMacAddress(), [](const MacAddress& mac) { return SettingFields{Text(FormatMacAddress(mac))}; });
}

template <AddressKind kind>
Reading<SettingFields> ReadAddress(Maintenance& m) {
  return From(m.readAddress(kind), [](const Ipv4& a) { return SettingFields{Text(FormatDotted(a))}; });
}

Reading<SettingFields> ReadShipId(Maintenance& m) {
  return From(m.readShipId(), [](std::uint32_t id) { return SettingFields{Text(FormatHex8(id))}; });
}

// ---- writing: the work of a Set ------------------------------------------------------------

// The value, quoted, and why it cannot be sent: why holds the value as %1,
// and more as %2 (both filled at once, so a value holding "%2" stays as typed).
Outcome Unsendable(Input input, const std::u16string& value, const text::PeopleText& why,
                   const text::PeopleText& more = {{}, {}}) {
  const QString typed = ToQString(value);
  if (more.isEmpty()) return Outcome::refused(input, why.arg(typed));
  return Outcome::refused(
      input, text::PeopleText(why.source().arg(typed, more.source()), why.local().arg(typed, more.local())));
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

// The controller model a Set's value names, flag byte and code. Six
// hexadecimal digits are a code as the panel takes it: picked from its list
// (a listed code after the first carries the flag byte 0x10) or, when the
// list lacks it or it is typed by hand, plain. Eight are what the Get shows:
// the flag byte, 00 (typed by hand) or 10 (listed), then the code. A reported
// value is taken whatever its flag byte.
struct ControllerModelChoice {
  std::uint32_t value = 0;
  int listIndex = -1;  // six digits: the code's place in the panel's list, -1 when typed
};

std::optional<std::uint32_t> Hex(std::u16string_view text) {
  const std::string hex(text.begin(), text.end());
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  const bool digits = std::all_of(text.begin(), text.end(), [](char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
  });
  if (!digits || text.empty() || error != std::errc() || end != hex.data() + hex.size()) return std::nullopt;
  return value;
}

constexpr std::uint32_t kListedFlag = 0x10;

std::optional<ControllerModelChoice> ControllerModelOf(const SetValues& v) {
  const std::u16string& text = v.values[0];
  const std::optional<std::uint32_t> value = Hex(text);
  if (!value) return std::nullopt;
  if (text.size() == 8 && !v.typed) {
    const std::uint32_t flag = *value >> 24;
    if (!v.reported && flag != 0 && flag != kListedFlag) return std::nullopt;
    return ControllerModelChoice{*value, -1};
  }
  if (text.size() != 6 || v.reported) return std::nullopt;
  const auto& codes = kControllerModelCodes;
  const auto listed = std::find(std::begin(codes), std::end(codes), text);
  const int index = v.typed || listed == std::end(codes) ? -1 : static_cast<int>(listed - std::begin(codes));
  return ControllerModelChoice{(index > 0 ? kListedFlag << 24 : 0) | *value, index};
}

// Eight digits go out as they read, flag byte and code; six as the panel
// sends its list's pick or its typed text.
Reading<Task> SetControllerModel(const SetValues& v) {
  const std::u16string& text = v.values[0];
  const std::optional<ControllerModelChoice> model = ControllerModelOf(v);
  if (!model) {
    return Unsendable(Input::ControllerModel, text,
                      v.typed
                          ? text::Tr("zor::service::Settings",
                                     "'%1' is not a code to type by hand: give its six hexadecimal digits, as 100022")
                          : text::Tr("zor::service::Settings",
                                     "'%1' is not a controller model: give its six-digit code, as 100022, or the "
                                     "eight digits get controller-model shows, flag byte 00 (typed by hand) or 10 "
                                     "(listed) first, as 10100022"));
  }
  if (text.size() == 8) {
    return Task([password = v.password, value = model->value](Maintenance& m) {
      return m.setControllerModelValue(password, value);
    });
  }
  return Task([password = v.password, text, index = model->listIndex](Maintenance& m) {
    return m.setControllerModel(password, text, index);
  });
}

Reading<Task> SetWorkTime(const SetValues& v) {
  const Reading<std::uint32_t> seconds = ParseWorkTimeReset(v.values[0]);
  if (!seconds.ok())
    return Unsendable(Input::WorkTime, v.values[0], text::Tr("zor::service::Settings", "'%1': %2"),
                      MessageText(seconds));
  return Task([password = v.password, s = seconds.value](Maintenance& m) { return m.resetWorkTime(password, s); });
}

// Any usual notation goes out as the MAC field shows it: XX:XX:XX:XX:XX:XX.
Reading<Task> SetMac(const SetValues& v) {
  const std::optional<std::u16string> mac = mac::wholeMacAddress(v.values[0]);
  if (!mac) {
    return Unsendable(Input::MacAddress, v.values[0],
                      text::Tr("zor::service::Settings",
                               "'%1' is not a MAC address: give six groups of two hexadecimal digits, as "
                               "00:1A:2B:3C:4D:5E"));
  }
  return Task([text = *mac](Maintenance& m) { return m.setMacAddress(text); });
}

template <AddressKind kind>
Reading<Task> SetAddress(const SetValues& v) {
  const std::optional<Ipv4> address = ParseDotted(v.values[0]);
  if (!address) {
    constexpr Input kInputs[] = {Input::IpAddress, Input::SubnetMask, Input::Gateway};
    return Unsendable(kInputs[static_cast<int>(kind)], v.values[0],
                      text::Tr("zor::service::Settings",
                               "'%1' is not an address: give four decimal numbers from 0 to %2, as 192.168.1.10"),
                      text::PeopleText(QString::number(std::numeric_limits<std::uint8_t>::max()),
                                       QString::number(std::numeric_limits<std::uint8_t>::max())));
  }
  return Task([address](Maintenance& m) { return m.setAddress(kind, address); });
}

// ---- reading back: what a Get shows for the values a Set sent ------------------------------

std::optional<std::string> Ascii(std::u16string_view text) {
  if (std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; })) return std::nullopt;
  return std::string(text.begin(), text.end());
}

// A decimal number as the controller keeps it, a single-precision float, and
// its reply shows it: "%.5f".
std::optional<std::u16string> AsFixed5(std::u16string_view typed) {
  std::optional<std::string> text = Ascii(typed);
  if (!text) return std::nullopt;
  std::string_view t = *text;
  if (t.size() > 1 && t.front() == '+' && t[1] != '-') t.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return FormatFixed5(static_cast<float>(value));
}

template <std::int64_t min, std::int64_t max>
std::optional<std::u16string> AsWhole(std::u16string_view typed) {
  std::optional<std::string> text = Ascii(typed);
  if (!text) return std::nullopt;
  std::string_view t = *text;
  if (t.size() > 1 && t.front() == '+' && t[1] != '-') t.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size() || value < min || value > max)
    return std::nullopt;
  return Decimal(value);
}

constexpr auto AsWord = AsWhole<0, std::numeric_limits<std::uint16_t>::max()>;
constexpr auto AsInt32 = AsWhole<std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()>;

std::optional<std::u16string> AsText(std::u16string_view typed) { return std::u16string(typed); }

std::optional<std::u16string> AsMac(std::u16string_view typed) {
  std::optional<std::u16string> mac = mac::wholeMacAddress(typed);
  if (mac)
    std::transform(mac->begin(), mac->end(), mac->begin(),
                   [](char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; });
  return mac;
}

std::optional<std::u16string> AsDotted(std::u16string_view typed) {
  const std::optional<Ipv4> address = ParseDotted(typed);
  if (!address) return std::nullopt;
  return FormatDotted(*address);
}

// Each value as its key shows it, joined by a blank.
template <std::optional<std::u16string> (*as)(std::u16string_view)>
std::optional<std::u16string> ReadsBackAs(const SetValues& v) {
  std::u16string joined;
  for (const std::u16string& value : v.values) {
    const std::optional<std::u16string> shown = as(value);
    if (!shown) return std::nullopt;
    if (!joined.empty()) joined += u' ';
    joined += *shown;
  }
  return joined;
}

std::optional<std::u16string> ControllerModelReadsBackAs(const SetValues& v) {
  const std::optional<ControllerModelChoice> model = ControllerModelOf(v);
  if (!model) return std::nullopt;
  return FormatHex8(model->value);
}

// ---- the table -----------------------------------------------------------------------------

using F = Feature;
using G = SettingGroup;
using K = KeyKind;
using M = Maintenance;

// How a Set sends its values, as zorctl's help says it. These and a key's
// note are marked for translation here and shown through HelpWords.
constexpr std::string_view kAsTyped =
    QT_TRANSLATE_NOOP("zor::service::Settings", "sent as typed; the controller checks the text");
constexpr std::string_view kAsTypedGuarded =
    QT_TRANSLATE_NOOP("zor::service::Settings", "sent as typed, behind the service password");
constexpr std::string_view kHalves = QT_TRANSLATE_NOOP("zor::service::Settings", "both halves, 100 ms apart");
constexpr std::string_view kOctets = QT_TRANSLATE_NOOP("zor::service::Settings", "four decimal octets");

// The currents' keys: "get currents" reads both, and each current's Set has its own.
constexpr SettingKey kMinCurrent{"min_current", K::Fixed5};
constexpr SettingKey kMaxCurrent{"max_current", K::Fixed5};

// clang-format off
constexpr Setting kSettings[] = {
    {.name = "currents", .title = u"Currents", .feature = F::GetCurrents,
     .read = ReadCurrents, .keys = {{kMinCurrent, kMaxCurrent}}},
    {.name = "min-current", .title = u"Min Current", .feature = F::MinCurrent,
     .keys = {{kMinCurrent}}, .readBy = "currents",
     .write = SetText<&M::setMinCurrent>, .readsBackAs = ReadsBackAs<AsFixed5>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTyped, .inputs = {Input::MinCurrent}, .restoreOrder = 20},
    {.name = "20-current", .title = u"20% Current", .feature = F::Current20,
     .write = SetText<&M::set20PercentCurrent>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTyped, .inputs = {Input::Current20}},
    {.name = "max-current", .title = u"Max Current", .feature = F::MaxCurrent,
     .keys = {{kMaxCurrent}}, .readBy = "currents",
     .write = SetText<&M::setMaxCurrent>, .readsBackAs = ReadsBackAs<AsFixed5>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTyped, .inputs = {Input::MaxCurrent}, .restoreOrder = 30},
    {.name = "lens", .title = u"Lens", .feature = F::LensSet,
     .keys = {{{IdentityKeys::kLens}}}, .readBy = "identity",
     .write = SetText<&M::setLens>, .readsBackAs = ReadsBackAs<AsWord>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTyped, .inputs = {Input::Lens}, .restoreOrder = 10},
    {.name = "distortion", .title = u"XY Distortion Correction", .feature = F::DistortionValues,
     .read = ReadDistortion, .keys = {{{"distortion_x", K::Word}, {"distortion_y", K::Word}}},
     .write = SetPair<&M::setDistortion>, .readsBackAs = ReadsBackAs<AsWord>, .valueNames = "X Y", .valueCount = 2,
     .sends = kHalves, .inputs = {Input::DistortionX, Input::DistortionY},
     .fieldTitles = {u"X Distortion Correction", u"Y Distortion Correction"}, .restoreOrder = 40},
    {.name = "scale", .title = u"XY Scale Correction", .feature = F::ScaleValues,
     .read = ReadScale, .keys = {{{"scale_x", K::Fixed5}, {"scale_y", K::Fixed5}}},
     .write = SetPair<&M::setScale>, .readsBackAs = ReadsBackAs<AsFixed5>, .valueNames = "X Y", .valueCount = 2,
     .sends = kHalves, .inputs = {Input::ScaleX, Input::ScaleY},
     .fieldTitles = {u"X Scale Correction", u"Y Scale Correction"}, .restoreOrder = 50},
    {.name = "serial", .title = u"Serial Number", .group = G::Identity, .feature = F::SerialSet,
     .keys = {{{IdentityKeys::kSerialNumber}}}, .readBy = "identity",
     .write = SetGuarded<&M::setSerialNumber>, .readsBackAs = ReadsBackAs<AsInt32>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTypedGuarded,
     .password = true, .inputs = {Input::SerialNumber}, .restoreOrder = 60},
    {.name = "model-name", .title = u"Model Name", .group = G::Identity, .feature = F::ModelNameSet,
     .keys = {{{IdentityKeys::kSystemName}}}, .readBy = "identity",
     .write = SetGuarded<&M::setModelName>, .readsBackAs = ReadsBackAs<AsText>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTypedGuarded,
     .password = true, .inputs = {Input::ModelName}, .restoreOrder = 70},
    {.name = "controller-model", .title = u"Ctrlr Model", .group = G::Identity, .feature = F::ControllerModel,
     .read = ReadControllerModel, .keys = {{{"controller_model", K::Hex8, QT_TRANSLATE_NOOP("zor::service::Settings", "flag byte and model code")}}},
     .write = SetControllerModel, .readsBackAs = ControllerModelReadsBackAs, .valueNames = "CODE", .valueCount = 1,
     .sends = QT_TRANSLATE_NOOP("zor::service::Settings",
                                "behind the service password; a listed code (100021, 100022, 200031, 200041) as if "
                                "picked from the list, any other six-digit code as typed, and the eight digits get "
                                "controller-model prints as they read (flag byte 00 or 10, then the code)"),
     .choices = kControllerModelCodes, .password = true, .inputs = {Input::ControllerModel}, .restoreOrder = 80},
    {.name = "x-multiplier", .title = u"X Multiplier",
     .write = SetText<&M::setXMultiplier>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTyped, .inputs = {Input::XMultiplier}},
    {.name = "y-multiplier", .title = u"Y Multiplier",
     .write = SetText<&M::setYMultiplier>,
     .valueNames = "TEXT", .valueCount = 1, .sends = kAsTyped, .inputs = {Input::YMultiplier}},
    {.name = "work-time", .title = u"Working Time", .group = G::ShownOnly, .feature = F::WorkingTime,
     .read = ReadWorkTime, .keys = {{{"work_time", K::WorkTime}, {"work_seconds", K::Seconds}}},
     .write = SetWorkTime, .valueNames = "D,HH:MM:SS", .valueCount = 1,
     .sends = QT_TRANSLATE_NOOP("zor::service::Settings",
                                "behind the service password; four whole numbers whose total fits the counter (at "
                                "most 49710,06:28:15)"),
     .password = true, .inputs = {Input::WorkTime}, .restoreOrder = 140},
    {.name = "mac", .title = u"MAC Address", .group = G::Network, .feature = F::Network,
     .read = ReadMac, .keys = {{{"mac_address", K::Mac}}},
     .write = SetMac, .readsBackAs = ReadsBackAs<AsMac>,
     .valueNames = "ADDRESS", .valueCount = 1, .sends = QT_TRANSLATE_NOOP("zor::service::Settings", "six hexadecimal groups in any usual notation"),
     .inputs = {Input::MacAddress}, .restoreOrder = 90},
    {.name = "ip", .title = u"IP Address", .group = G::Network, .feature = F::Network,
     .read = ReadAddress<AddressKind::Ip>, .keys = {{{"ip_address", K::Dotted}}},
     .write = SetAddress<AddressKind::Ip>, .readsBackAs = ReadsBackAs<AsDotted>,
     .valueNames = "A.B.C.D", .valueCount = 1, .sends = kOctets,
     .inputs = {Input::IpAddress}, .restoreOrder = 100},
    {.name = "subnet", .title = u"Subnet Mask", .group = G::Network, .feature = F::Network,
     .read = ReadAddress<AddressKind::SubnetMask>, .keys = {{{"subnet_mask", K::Dotted}}},
     .write = SetAddress<AddressKind::SubnetMask>, .readsBackAs = ReadsBackAs<AsDotted>,
     .valueNames = "A.B.C.D", .valueCount = 1, .sends = kOctets,
     .inputs = {Input::SubnetMask}, .restoreOrder = 110},
    {.name = "gateway", .title = u"Gateway IP", .group = G::Network, .feature = F::Network,
     .read = ReadAddress<AddressKind::Gateway>, .keys = {{{"gateway", K::Dotted}}},
     .write = SetAddress<AddressKind::Gateway>, .readsBackAs = ReadsBackAs<AsDotted>,
     .valueNames = "A.B.C.D", .valueCount = 1, .sends = kOctets,
     .inputs = {Input::Gateway}, .restoreOrder = 120},
    {.name = "ship-id", .title = u"SHIP ID", .group = G::ShownOnly, .feature = F::Network,
     .read = ReadShipId, .keys = {{{"ship_id", K::Hex8}}}, .restoreOrder = 130},
};
// clang-format on

// How many settings a comparison shows.
constexpr std::size_t kCompared = [] {
  std::size_t n = 0;
  for (const Setting& s : kSettings) n += s.restoreOrder > 0 ? 1 : 0;
  return n;
}();

// ---- the rules the rows keep ---------------------------------------------------------------

using Table = std::span<const Setting>;

// Whether a compared setting's place is its own, and no setting of a later
// group (calibration, identity, network, shown only) comes before it.
bool InItsPlace(const Setting& setting, Table table) {
  if (setting.restoreOrder == 0) return true;
  for (const Setting& other : table) {
    if (&other == &setting || other.restoreOrder == 0) continue;
    if (other.restoreOrder == setting.restoreOrder) return false;
    if (other.restoreOrder < setting.restoreOrder && other.group > setting.group) return false;
  }
  return true;
}

int Words(std::string_view text) {
  return text.empty() ? 0 : 1 + static_cast<int>(std::count(text.begin(), text.end(), ' '));
}

bool TakesItsNamedValues(const Setting& s, Table) {
  return (s.write == nullptr) == (s.valueCount == 0) && s.valueCount <= 2 && Words(s.valueNames) == s.valueCount;
}

bool SaysHowItSends(const Setting& s, Table) { return (s.write != nullptr) != s.sends.empty(); }

bool ReadOnce(const Setting& s, Table) { return s.read == nullptr || s.readBy.empty(); }

bool ReadBackWhereRead(const Setting& s, Table) {
  return s.readsBackAs == nullptr || (s.write != nullptr && (s.read != nullptr || !s.readBy.empty()));
}

bool PlacedSinceTheFirst(const Setting& s, Table) { return s.restoreOrder >= 0 && s.since >= 1; }

bool ComparedWhereRead(const Setting& s, Table) {
  return s.restoreOrder == 0 || (!s.keys[0].name.empty() && (s.read != nullptr || !s.readBy.empty()));
}

bool FieldsNamed(const Setting& s, Table) {
  const bool named = !s.fieldTitles[0].empty() && !s.fieldTitles[1].empty();
  return s.valueCount == 2 ? named : s.fieldTitles[0].empty() && s.fieldTitles[1].empty();
}

struct RowRule {
  std::string_view says;
  bool (*keeps)(const Setting&, Table);
};

constexpr RowRule kRowRules[] = {
    {"a compared setting has a restore place of its own, after every setting of an earlier group", InItsPlace},
    {"a Set takes one value per word of its value names (one or two), and only a Set takes values",
     TakesItsNamedValues},
    {"a Set says how it sends its values, and only a Set does", SaysHowItSends},
    {"it has a Get of its own or a readBy, not both", ReadOnce},
    {"a Set that is read back has a Get that reads it", ReadBackWhereRead},
    {"its restore place is not negative and its snapshot version is at least 1", PlacedSinceTheFirst},
    {"a compared setting has a key and a Get that reads it", ComparedWhereRead},
    {"a Set of two values names both its fields, and only such a Set does", FieldsNamed},
};

}  // namespace

// A test holds the table to these rules: GCC's undefined behaviour sanitizer
// makes a comparison of a function template's address with nullptr no
// constant expression, so a static_assert cannot.
std::string WhereRowsDisagree(std::span<const Setting> table) {
  for (const Setting& s : table)
    for (const RowRule& rule : kRowRules)
      if (!rule.keeps(s, table)) return std::string(s.name) + ": " + std::string(rule.says);
  return {};
}

Reading<SettingFields> Setting::readFields(Maintenance& service) const {
  Reading<SettingFields> reading = read(service);
  if (!reading.ok()) return reading;
  for (std::size_t i = 0; i < reading.value.size() && i < keys.size(); ++i)
    reading.value[i].key = std::string(keys[i].name);
  return reading;
}

std::span<const Setting> Settings() { return kSettings; }

QString HelpWords(std::string_view words) {
  return QCoreApplication::translate("zor::service::Settings", std::string(words).c_str());
}

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
    std::size_t n = 0;
    for (const Setting& s : kSettings)
      if (s.restoreOrder > 0) sorted[n++] = &s;
    std::sort(sorted.begin(), sorted.end(),
              [](const Setting* a, const Setting* b) { return a->restoreOrder < b->restoreOrder; });
    return sorted;
  }();
  return order;
}

int SnapshotVersion(std::span<const Setting> table) {
  int version = 1;
  for (const Setting& s : table) version = std::max(version, s.since);
  return version;
}

std::u16string SetOperationName(Input field) {
  for (const Setting& s : kSettings)
    for (int i = 0; i < s.valueCount; ++i)
      if (s.inputs[static_cast<std::size_t>(i)] == field) return u"set " + std::u16string(s.name.begin(), s.name.end());
  return {};
}

std::u16string InputName(Input input) {
  for (const Setting& s : kSettings) {
    for (int i = 0; i < s.valueCount; ++i) {
      if (s.inputs[static_cast<std::size_t>(i)] != input) continue;
      return std::u16string(s.valueCount == 1 ? s.title : s.fieldTitles[static_cast<std::size_t>(i)]);
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
    case Input::CalibrationWidth:
      return u"Width across the middle";
    case Input::CalibrationHeight:
      return u"Height across the middle";
    case Input::CalibrationTop:
      return u"Top edge";
    case Input::CalibrationLeft:
      return u"Left edge";
    case Input::CalibrationNominal:
      return u"Nominal size";
    default:
      return {};
  }
}

bool FamilyHas(std::optional<link::Family> family, const Setting& setting) {
  return !setting.feature || FamilyHas(family, *setting.feature);
}

bool ReadBackOn(std::optional<link::Family> family, const Setting& setting) {
  if (setting.readsBackAs == nullptr) return false;
  if (setting.readBy == "identity") return true;
  const Setting* reader = setting.read != nullptr ? &setting : FindReadable(setting.readBy);
  return reader != nullptr && FamilyHas(family, *reader);
}

SettingFields IdentityFields(const Identity& identity) {
  const link::SystemInfo& info = identity.info;
  using K = IdentityKeys;
  return {Text(std::string(K::kSystemName), info.model),
          Text(std::string(K::kVersion), info.version),
          Text(std::string(K::kReleaseDate), info.releaseDate),
          Number(std::string(K::kSerialNumber), Decimal(info.serial)),
          Number(std::string(K::kLens), Decimal(info.lens)),
          Text(std::string(K::kFamily), std::u16string(FamilyName(identity.family)))};
}

}  // namespace zor::service
