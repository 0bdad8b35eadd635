#include "service/snapshot.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "mac/mac_mask.h"
#include "service/files.h"
#include "service/format.h"
#include "service/json_keys.h"
#include "service/operation.h"
#include "service/service_log.h"
#include "service/text.h"

namespace zor::service {

namespace {

// What the controller's numbers can hold: 16-bit words (the distortion), the
// 32-bit working-time counter, the identity block's lens.
constexpr auto kMaxWord = std::numeric_limits<std::uint16_t>::max();
constexpr auto kMaxSeconds = std::numeric_limits<std::uint32_t>::max();
constexpr auto kMaxLens = std::numeric_limits<decltype(link::SystemInfo::lens)>::max();

// A key a snapshot's settings may hold, and the setting whose Get reads it.
struct KeyRule {
  std::string key;
  KeyKind kind;
  const Setting* setting;
};

// Every such key of the table, in its order.
std::vector<KeyRule> Keys(std::span<const Setting> table) {
  std::vector<KeyRule> rules;
  for (const Setting& setting : table) {
    if (setting.read == nullptr) continue;
    for (const SettingKey& key : setting.keys)
      if (!key.name.empty()) rules.push_back({std::string(key.name), key.kind, &setting});
  }
  return rules;
}

// The table's setting of that name with a Get of its own, or nullptr.
const Setting* Readable(std::span<const Setting> table, std::string_view name) {
  for (const Setting& s : table)
    if (s.name == name && s.read != nullptr) return &s;
  return nullptr;
}

QLatin1String Latin1(std::string_view text) { return QLatin1String(text.data(), static_cast<qsizetype>(text.size())); }

std::u16string U(const QString& text) { return text.toStdU16String(); }

// The whole file is refused: nothing of it is restored.
Outcome Refused(const text::PeopleText& problem) { return Outcome::refused(Input::None, problem); }

QString Number(long long value) { return QString::number(value); }

// A name from the file, with its control characters shown.
QString FromFile(const QString& text) { return OneLine(text); }

// A key of the identity block as messages name it: "identity.lens_mm".
QString Identified(std::string_view key) { return QStringLiteral("identity.") + Latin1(key); }

// JSON's parser's words for its errors, as QJsonParseError::errorString()
// gives them without a translation, translated with the snapshot's texts.
text::PeopleText JsonErrorText(QJsonParseError::ParseError error) {
  static constexpr struct {
    QJsonParseError::ParseError error;
    const char* text;
  } kErrors[] = {
      {QJsonParseError::UnterminatedObject, QT_TRANSLATE_NOOP("zor::service::Snapshot", "unterminated object")},
      {QJsonParseError::MissingNameSeparator, QT_TRANSLATE_NOOP("zor::service::Snapshot", "missing name separator")},
      {QJsonParseError::UnterminatedArray, QT_TRANSLATE_NOOP("zor::service::Snapshot", "unterminated array")},
      {QJsonParseError::MissingValueSeparator, QT_TRANSLATE_NOOP("zor::service::Snapshot", "missing value separator")},
      {QJsonParseError::IllegalValue, QT_TRANSLATE_NOOP("zor::service::Snapshot", "illegal value")},
      {QJsonParseError::TerminationByNumber,
       QT_TRANSLATE_NOOP("zor::service::Snapshot", "invalid termination by number")},
      {QJsonParseError::IllegalNumber, QT_TRANSLATE_NOOP("zor::service::Snapshot", "illegal number")},
      {QJsonParseError::IllegalEscapeSequence, QT_TRANSLATE_NOOP("zor::service::Snapshot", "invalid escape sequence")},
      {QJsonParseError::IllegalUTF8String, QT_TRANSLATE_NOOP("zor::service::Snapshot", "invalid UTF8 string")},
      {QJsonParseError::UnterminatedString, QT_TRANSLATE_NOOP("zor::service::Snapshot", "unterminated string")},
      {QJsonParseError::MissingObject, QT_TRANSLATE_NOOP("zor::service::Snapshot", "object is missing after a comma")},
      {QJsonParseError::DeepNesting, QT_TRANSLATE_NOOP("zor::service::Snapshot", "too deeply nested document")},
      {QJsonParseError::DocumentTooLarge, QT_TRANSLATE_NOOP("zor::service::Snapshot", "too large document")},
      {QJsonParseError::GarbageAtEnd,
       QT_TRANSLATE_NOOP("zor::service::Snapshot", "garbage at the end of the document")},
  };
  for (const auto& e : kErrors)
    if (e.error == error) return Marked("zor::service::Snapshot", e.text);
  // An error of a later Qt: its words as it gives them.
  QJsonParseError parse{};
  parse.error = error;
  const QString said = parse.errorString();
  return {said, said};
}

// "missing is not a list of settings".
text::PeopleText NotAList(const char* list) {
  return text::Tr("zor::service::Snapshot", "%1 is not a list of settings").args(QString::fromLatin1(list));
}

// "settings.scale_x is neither in the file nor listed as missing".
text::PeopleText NeitherThereNorMissing(const QString& where) {
  return text::Tr("zor::service::Snapshot", "%1 is neither in the file nor listed as missing").args(where);
}

QJsonValue JsonOf(const SettingField& field) {
  return field.number ? QJsonValue(*field.number) : QJsonValue(ToQString(field.text));
}

// ---- checking a file, value by value ----------------------------------------------------

// Collects the first problem; every check after it is moot.
struct Checker {
  std::optional<text::PeopleText> problem;
  bool failed() const { return problem.has_value(); }
  void fail(const text::PeopleText& text) {
    if (!problem) problem = text;
  }
};

// An entry of a list of settings as a message names it: the name quoted,
// with its control characters shown, or what else the entry is (JSON's
// null is named as JSON writes it).
text::PeopleText Named(const QJsonValue& v) {
  if (v.isString()) {
    const QString quoted = QStringLiteral("\"") + FromFile(v.toString()) + QStringLiteral("\"");
    return {quoted, quoted};
  }
  if (v.isDouble()) return text::Tr("zor::service::Snapshot", "a number");
  if (v.isBool()) return text::Tr("zor::service::Snapshot", "true or false");
  if (v.isArray()) return text::Tr("zor::service::Snapshot", "a list");
  if (v.isObject()) return text::Tr("zor::service::Snapshot", "an object");
  return {QStringLiteral("null"), QStringLiteral("null")};
}

std::optional<double> Integer(const QJsonValue& v, double min, double max) {
  if (!v.isDouble()) return std::nullopt;
  const double d = v.toDouble();
  if (!std::isfinite(d) || std::floor(d) != d || d < min || d > max) return std::nullopt;
  return d;
}

bool IsHex(const QString& text, int digits) {
  if (text.size() != digits) return false;
  return std::all_of(text.begin(), text.end(),
                     [](QChar c) { return std::isxdigit(c.unicode()) != 0 && c.unicode() < 0x80; });
}

// The value as the controller could have reported it, in the text the panel
// shows; the problem when it could not have been.
std::optional<SettingField> CheckValue(const KeyRule& rule, const QJsonValue& v, Checker& check) {
  const QString where = QString::fromStdString("settings." + rule.key);
  auto fail = [&](const text::PeopleText& problem) {
    check.fail(problem);
    return std::nullopt;
  };
  switch (rule.kind) {
    case KeyKind::Fixed5: {
      // A single-precision number, as the controller keeps currents and scales.
      // A restore sends it as this text; the longest, -FLT_MAX's (a sign, the
      // digits, a point and five decimals), fits one text of the controller.
      static_assert(1 + (FLT_MAX_10_EXP + 1) + 1 + 5 <= protocol::kMaxTextLength);
      if (!v.isDouble() || !std::isfinite(v.toDouble()) || std::fabs(v.toDouble()) > FLT_MAX)
        return fail(
            text::Tr("zor::service::Snapshot", "%1 is not a number the controller could have reported").args(where));
      const std::u16string text = FormatFixed5(static_cast<float>(v.toDouble()));
      return SettingField{rule.key, text, v.toDouble()};
    }
    case KeyKind::Word: {
      const auto d = Integer(v, 0, kMaxWord);
      if (!d)
        return fail(
            text::Tr("zor::service::Snapshot", "%1 is not a whole number from 0 to %2").args(where, Number(kMaxWord)));
      return SettingField{rule.key, FormatUnsigned(static_cast<std::uint32_t>(*d)), *d};
    }
    case KeyKind::Seconds: {
      const auto d = Integer(v, 0, kMaxSeconds);
      if (!d) {
        return fail(text::Tr("zor::service::Snapshot", "%1 is not a whole number of seconds from 0 to %2")
                        .args(where, Number(kMaxSeconds)));
      }
      return SettingField{rule.key, FormatUnsigned(static_cast<std::uint32_t>(*d)), *d};
    }
    case KeyKind::Hex8:
      if (!v.isString() || !IsHex(v.toString(), 8))
        return fail(text::Tr("zor::service::Snapshot", "%1 is not eight hexadecimal digits").args(where));
      return SettingField{rule.key, U(v.toString().toLower()), std::nullopt};
    case KeyKind::Mac: {
      if (!v.isString()) return fail(text::Tr("zor::service::Snapshot", "%1 is not a MAC address").args(where));
      const auto whole = mac::wholeMacAddress(U(v.toString()));
      if (!whole) {
        return fail(text::Tr("zor::service::Snapshot", "%1 is not a MAC address (six groups of two hexadecimal digits)")
                        .args(where));
      }
      return SettingField{rule.key, *whole, std::nullopt};
    }
    case KeyKind::Dotted: {
      const auto address = v.isString() ? ParseDotted(U(v.toString())) : std::nullopt;
      if (!address) {
        return fail(text::Tr("zor::service::Snapshot", "%1 is not an address of four decimal numbers from 0 to %2")
                        .args(where, Number(std::numeric_limits<std::uint8_t>::max())));
      }
      return SettingField{rule.key, FormatDotted(*address), std::nullopt};
    }
    case KeyKind::WorkTime:
      if (!v.isString()) return fail(text::Tr("zor::service::Snapshot", "%1 is not a working time").args(where));
      return SettingField{rule.key, U(v.toString()), std::nullopt};
    case KeyKind::Identity:
      break;  // checked with the identity block
  }
  return std::nullopt;
}

// A text of the identity block: at most width Latin-1 characters, no zero byte.
std::optional<std::u16string> BlockText(const QJsonObject& identity, std::string_view key, int width, Checker& check) {
  const QJsonValue v = identity.value(Latin1(key));
  const QString text = v.toString();
  const bool fits = text.size() <= width && std::all_of(text.begin(), text.end(), [](QChar c) {
                      return c.unicode() != 0 && c.unicode() <= 0xFF;
                    });
  if (!v.isString() || !fits) {
    check.fail(text::Tr("zor::service::Snapshot", "%1 is not a text of at most %2 Latin-1 characters")
                   .args(Identified(key), Number(width)));
    return std::nullopt;
  }
  return U(text);
}

std::optional<Identity> CheckIdentity(const QJsonObject& o, Checker& check) {
  using K = IdentityKeys;
  Identity identity;
  identity.readable = true;
  link::SystemInfo& info = identity.info;
  const auto serial = Integer(o.value(Latin1(K::kSerialNumber)), INT32_MIN, INT32_MAX);
  if (!serial) {
    check.fail(text::Tr("zor::service::Snapshot", "%1 is not a whole number the controller could have reported")
                   .args(Identified(K::kSerialNumber)));
  }
  const auto lens = Integer(o.value(Latin1(K::kLens)), 0, kMaxLens);
  if (!lens) {
    check.fail(text::Tr("zor::service::Snapshot", "%1 is not a whole number from 0 to %2")
                   .args(Identified(K::kLens), Number(kMaxLens)));
  }
  const auto model = BlockText(o, K::kSystemName, protocol::identity::kModelWidth, check);
  const auto version = BlockText(o, K::kVersion, protocol::identity::kVersionWidth, check);
  const auto date = BlockText(o, K::kReleaseDate, protocol::identity::kDateWidth, check);
  if (check.failed()) return std::nullopt;
  info.serial = static_cast<std::int32_t>(*serial);
  info.lens = static_cast<std::uint16_t>(*lens);
  info.model = *model;
  info.version = *version;
  info.releaseDate = *date;
  identity.family = link::DecideFamily(info.model);
  if (o.value(Latin1(K::kFamily)).toString() != ToQString(FamilyName(identity.family))) {
    check.fail(text::Tr("zor::service::Snapshot", "%1 does not match %2")
                   .args(Identified(K::kFamily), Identified(K::kSystemName)));
    return std::nullopt;
  }
  return identity;
}

// ---- reading a file, part by part ------------------------------------------------------

// The file's top level: JSON, one object, no key given twice, this tool's format.
Reading<QJsonObject> SnapshotRoot(const std::string& json) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  if (error.error != QJsonParseError::NoError) {
    return Refused(text::Tr("zor::service::Snapshot", "the file is not JSON (%1 at byte %2)")
                       .args(JsonErrorText(error.error), Number(error.offset)));
  }
  if (!doc.isObject())
    return Refused(text::Tr("zor::service::Snapshot", "the file is not a settings snapshot (no JSON object)"));
  // The reader keeps the last of a key given twice: which value was meant is unknown.
  if (const auto twice = FindDuplicateKey(json)) {
    const QString key = FromFile(ToQString(twice->key));
    const QString where = FromFile(ToQString(twice->where));
    return Refused(where.isEmpty()
                       ? text::Tr("zor::service::Snapshot", "the key \"%1\" is given twice at the top level").args(key)
                       : text::Tr("zor::service::Snapshot", "the key \"%1\" is given twice in %2").args(key, where));
  }
  QJsonObject root = doc.object();
  const QString format = root.value(QLatin1String("format")).toString();
  if (format != Latin1(kSnapshotFormat)) {
    return Refused(
        text::Tr("zor::service::Snapshot", "the file is not a settings snapshot of this tool (format \"%1\")")
            .args(FromFile(format)));
  }
  return root;
}

// The file's version, when the table reads it.
Reading<int> VersionOf(const QJsonObject& root, std::span<const Setting> table) {
  const auto version = Integer(root.value(QLatin1String("version")), 1, 1e9);
  if (!version) return Refused(text::Tr("zor::service::Snapshot", "the snapshot has no valid version"));
  if (*version > SnapshotVersion(table)) {
    return Refused(text::Tr("zor::service::Snapshot",
                            "the snapshot was written by a newer version of the tool (snapshot version %1; this tool "
                            "reads version %2)")
                       .args(Number(static_cast<long long>(*version)), Number(SnapshotVersion(table))));
  }
  return static_cast<int>(*version);
}

// Reads the parts of a file of a version the table reads, into the snapshot;
// check holds the first problem found.
struct SnapshotReader {
  SnapshotReader(std::span<const Setting> rows, int version) : table(rows) { snapshot.version = version; }

  std::span<const Setting> table;
  Checker check;
  Snapshot snapshot;

  // The setting of that name a file of its version holds; a later one is no setting of it.
  const Setting* known(std::string_view name) const {
    const Setting* setting = Readable(table, name);
    return setting != nullptr && setting->since <= snapshot.version ? setting : nullptr;
  }
  // A list ("missing") names an entry that is no setting of the file's version.
  text::PeopleText namesNoSetting(const char* list, const QJsonValue& entry) const {
    const Setting* setting = Readable(table, entry.toString().toStdString());
    if (setting == nullptr || !entry.isString())
      return text::Tr("zor::service::Snapshot", "%1 names %2, which is no setting")
          .args(QString::fromLatin1(list), Named(entry));
    return text::Tr("zor::service::Snapshot",
                    "%1 names %2, which is no setting of a version %3 snapshot (it came with version %4)")
        .args(QString::fromLatin1(list), Named(entry), Number(snapshot.version), Number(setting->since));
  }
  // A key of the settings ("settings.focus_mm") whose setting came after the file's version.
  text::PeopleText laterSetting(const std::string& key, const Setting& setting) const {
    return text::Tr("zor::service::Snapshot", "%1 is no setting of a version %2 snapshot (it came with version %3)")
        .args(QString::fromStdString(key), Number(snapshot.version), Number(setting.since));
  }
  bool isMissing(std::string_view name) const {
    return std::find(snapshot.missing.begin(), snapshot.missing.end(), name) != snapshot.missing.end();
  }
  bool isNotOnFamily(std::string_view name) const {
    return std::find(snapshot.notOnFamily.begin(), snapshot.notOnFamily.end(), name) != snapshot.notOnFamily.end();
  }

  void readHeader(const QJsonObject& root) {
    const auto noKey = [&](const char* key) {
      check.fail(text::Tr("zor::service::Snapshot", "the snapshot has no %1").args(QString::fromLatin1(key)));
    };
    for (const char* key : {"time", "tool_version"})
      if (!root.value(QLatin1String(key)).isString()) noKey(key);
    for (const char* key : {"identity", "settings", "missing"})
      if (!root.contains(QLatin1String(key))) noKey(key);
    snapshot.time = root.value(QLatin1String("time")).toString().toStdString();
    snapshot.toolVersion = root.value(QLatin1String("tool_version")).toString().toStdString();
  }

  // The settings that could not be read, and those the family does not have.
  void readLists(const QJsonObject& root) {
    const QJsonValue missingValue = root.value(QLatin1String("missing"));
    for (const QJsonValue& m : missingValue.toArray()) {
      const std::string name = m.toString().toStdString();
      if (!m.isString() || (known(name) == nullptr && name != "identity")) check.fail(namesNoSetting("missing", m));
      snapshot.missing.push_back(name);
    }
    if (!missingValue.isArray()) check.fail(NotAList("missing"));
    // Files written before families were told apart have no such list.
    const QJsonValue notOnFamilyValue = root.value(QLatin1String("not_on_family"));
    for (const QJsonValue& n : notOnFamilyValue.toArray()) {
      const std::string name = n.toString().toStdString();
      if (!n.isString() || known(name) == nullptr) {
        check.fail(namesNoSetting("not_on_family", n));
      } else if (isMissing(name)) {
        check.fail(text::Tr("zor::service::Snapshot", "%1 names %2, which is also listed as missing")
                       .args(QStringLiteral("not_on_family"), Named(n)));
      }
      snapshot.notOnFamily.push_back(name);
    }
    if (!notOnFamilyValue.isUndefined() && !notOnFamilyValue.isArray()) check.fail(NotAList("not_on_family"));
  }

  void readIdentity(const QJsonObject& root) {
    const QJsonValue identity = root.value(QLatin1String("identity"));
    if (identity.isObject()) {
      if (isMissing("identity")) {
        check.fail(text::Tr("zor::service::Snapshot", "%1 is there, but it is listed as missing")
                       .args(QStringLiteral("identity")));
      }
      snapshot.identity = CheckIdentity(identity.toObject(), check);
    } else if (!identity.isNull() || !isMissing("identity")) {
      check.fail(NeitherThereNorMissing(QStringLiteral("identity")));
    }
    // Only what the file's family really lacks may be left out for it.
    const std::optional<link::Family> family = KnownFamily(snapshot.identity);
    for (const std::string& name : snapshot.notOnFamily) {
      const Setting* setting = known(name);
      if (setting != nullptr && !check.failed() && FamilyHas(family, *setting)) {
        check.fail(text::Tr("zor::service::Snapshot", "%1 names \"%2\", which %3 has")
                       .args(QStringLiteral("not_on_family"), QString::fromStdString(name), FamilySystemText(family)));
      }
    }
  }

  void readSettings(const QJsonObject& root) {
    const QJsonObject settings = root.value(QLatin1String("settings")).toObject();
    if (!root.value(QLatin1String("settings")).isObject()) {
      check.fail(text::Tr("zor::service::Snapshot", "%1 is not an object").args(QStringLiteral("settings")));
    }
    const std::vector<KeyRule> keys = Keys(table);
    for (auto it = settings.begin(); it != settings.end(); ++it) {
      const auto rule =
          std::find_if(keys.begin(), keys.end(), [&](const KeyRule& k) { return it.key() == Latin1(k.key); });
      if (rule == keys.end()) {
        check.fail(text::Tr("zor::service::Snapshot", "%1 is no setting of this tool")
                       .args(QStringLiteral("settings.") + FromFile(it.key())));
      } else if (rule->setting->since > snapshot.version) {
        check.fail(laterSetting("settings." + rule->key, *rule->setting));
      }
    }
    // Each setting of its version is there whole, or listed as missing: a file
    // cut short or edited by hand does not pass for a complete one.
    for (const KeyRule& rule : keys) {
      if (rule.setting->since > snapshot.version) continue;
      const QJsonValue v = settings.value(Latin1(rule.key));
      const std::string_view name = rule.setting->name;
      const QString where = QString::fromStdString("settings." + rule.key);
      if (isMissing(name) || isNotOnFamily(name)) {
        if (!v.isUndefined()) {
          check.fail(
              isMissing(name)
                  ? text::Tr("zor::service::Snapshot", "%1 is there, but its setting is listed as missing").args(where)
                  : text::Tr("zor::service::Snapshot", "%1 is there, but its setting is listed as not on the family")
                        .args(where));
        }
        continue;
      }
      if (v.isUndefined()) {
        check.fail(NeitherThereNorMissing(where));
        continue;
      }
      if (auto field = CheckValue(rule, v, check)) snapshot.settings.push_back(std::move(*field));
    }
  }

  // The working time's text and its seconds say the same.
  void checkWorkTime() {
    const SettingField* time = keyOfKind(KeyKind::WorkTime);
    const SettingField* seconds = keyOfKind(KeyKind::Seconds);
    if (time == nullptr || seconds == nullptr || check.failed()) return;
    if (time->text != FormatWorkTime(static_cast<std::uint32_t>(*seconds->number))) {
      check.fail(text::Tr("zor::service::Snapshot", "%1 does not match %2")
                     .args(QString::fromStdString("settings." + time->key),
                           QString::fromStdString("settings." + seconds->key)));
    }
  }

  // The snapshot's value of the table's key of that kind.
  const SettingField* keyOfKind(KeyKind kind) const {
    for (const KeyRule& rule : Keys(table))
      if (rule.kind == kind) return snapshot.find(rule.key);
    return nullptr;
  }
};

}  // namespace

const SettingField* Snapshot::find(std::string_view key) const {
  for (const SettingField& f : settings)
    if (f.key == key) return &f;
  return nullptr;
}

Snapshot TakeSnapshot(Maintenance& service, const std::function<void(int done, int total)>& progress,
                      std::span<const Setting> table) {
  const int total =
      static_cast<int>(std::count_if(table.begin(), table.end(), [](const Setting& s) { return s.read != nullptr; })) +
      1;
  int done = 0;
  auto step = [&] {
    if (progress) progress(++done, total);
  };
  Snapshot snapshot;
  snapshot.version = SnapshotVersion(table);
  snapshot.time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
  snapshot.toolVersion = ZOR_VERSION;
  if (const Reading<Identity> identity = service.readIdentity(); identity.ok()) snapshot.identity = identity.value;
  step();
  // The family the file names, so that the file bears out what it leaves out.
  const std::optional<link::Family> family = KnownFamily(snapshot.identity);
  for (const Setting& setting : table) {
    if (setting.read == nullptr) continue;
    if (!FamilyHas(family, setting)) {
      snapshot.notOnFamily.emplace_back(setting.name);
      step();
      continue;
    }
    const Reading<SettingFields> reading = setting.readFields(service);
    step();
    if (reading.ok()) {
      snapshot.settings.insert(snapshot.settings.end(), reading.value.begin(), reading.value.end());
    } else {
      snapshot.missing.emplace_back(setting.name);
      // With no system there is nothing more to read.
      if (reading.status == Status::NotConnected || reading.status == Status::NotAccepted) break;
    }
  }
  return snapshot;
}

std::string SnapshotJson(const Snapshot& snapshot) {
  QJsonObject root;
  root.insert(QStringLiteral("format"), QString::fromUtf8(kSnapshotFormat.data(), kSnapshotFormat.size()));
  root.insert(QStringLiteral("version"), snapshot.version);
  root.insert(QStringLiteral("time"), QString::fromStdString(snapshot.time));
  root.insert(QStringLiteral("tool_version"), QString::fromStdString(snapshot.toolVersion));
  if (snapshot.identity) {
    QJsonObject identity;
    for (const SettingField& f : IdentityFields(*snapshot.identity))
      identity.insert(QString::fromStdString(f.key), JsonOf(f));
    root.insert(QStringLiteral("identity"), identity);
  } else {
    root.insert(QStringLiteral("identity"), QJsonValue::Null);
  }
  QJsonObject settings;
  for (const SettingField& f : snapshot.settings) settings.insert(QString::fromStdString(f.key), JsonOf(f));
  root.insert(QStringLiteral("settings"), settings);
  QJsonArray missing;
  for (const std::string& m : snapshot.missing) missing.append(QString::fromStdString(m));
  root.insert(QStringLiteral("missing"), missing);
  QJsonArray notOnFamily;
  for (const std::string& n : snapshot.notOnFamily) notOnFamily.append(QString::fromStdString(n));
  root.insert(QStringLiteral("not_on_family"), notOnFamily);
  return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

Reading<Snapshot> ParseSnapshot(const std::string& json, std::span<const Setting> table) {
  const Reading<QJsonObject> root = SnapshotRoot(json);
  if (!root.ok()) return Outcome(root);
  const Reading<int> version = VersionOf(root.value, table);
  if (!version.ok()) return Outcome(version);
  SnapshotReader reader(table, version.value);
  reader.readHeader(root.value);
  reader.readLists(root.value);
  reader.readIdentity(root.value);
  reader.readSettings(root.value);
  reader.checkWorkTime();
  if (reader.check.failed()) return Refused(*reader.check.problem);
  return std::move(reader.snapshot);
}

Reading<Snapshot> LoadSnapshot(const std::filesystem::path& file) {
  // A file the user chose: a link to it is fine; a FIFO or a device is not.
  const Reading<std::string> read =
      ReadSmallFile(file, kMaxSnapshotBytes, true,
                    text::Tr("zor::service::Snapshot", "%1 is larger than %2: no settings snapshot is that large"));
  if (!read.ok()) return Outcome::refused(Input::None, MessageText(read));
  Reading<Snapshot> snapshot = ParseSnapshot(read.value);
  if (snapshot.ok()) return snapshot;
  // The file the problem is in, before it.
  return Outcome::refused(
      Input::None,
      text::Tr("zor::service::Snapshot", "%1: %2").args(QString::fromStdString(file.string()), MessageText(snapshot)));
}

Outcome SaveSnapshot(const Snapshot& snapshot, const std::filesystem::path& file) {
  return WriteFileAtomically(file, SnapshotJson(snapshot));
}

}  // namespace zor::service
