#include "controller/state_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <vector>

namespace zor::controller {
namespace {

struct Field {
  const char* key;
  std::function<std::string(const ControllerState&)> format;
  std::function<bool(ControllerState&, std::string_view)> parse;
};

std::string number(double v) {
  char buf[64];
  auto [end, error] = std::to_chars(buf, buf + sizeof buf, v);
  return error == std::errc() ? std::string(buf, end) : std::string("nan");
}

std::string hex(std::uint64_t v, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*llx", digits, static_cast<unsigned long long>(v));
  return buf;
}

std::string dotted(const Ipv4& ip) {
  return std::to_string(ip[0]) + "." + std::to_string(ip[1]) + "." + std::to_string(ip[2]) + "." +
         std::to_string(ip[3]);
}

std::string escaped(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7f) {
      out += "\\x" + hex(c, 2);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// Exactly as many hexadecimal digits as given, nothing else.
std::optional<std::uint32_t> parseHex(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> unescaped(std::string_view text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
  text = text.substr(1, text.size() - 2);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') return std::nullopt;
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i >= text.size()) return std::nullopt;
    if (text[i] == '"' || text[i] == '\\') {
      out += text[i];
    } else if (text[i] == 'x' && i + 2 < text.size()) {
      auto byte = parseHex(text.substr(i + 1, 2));
      if (!byte) return std::nullopt;
      out += static_cast<char>(*byte);
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

// "x,y", each within the adjustment range.
std::optional<Offset> parseOffset(std::string_view text) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  auto x = parseInt32(text.substr(0, comma));
  auto y = parseInt32(text.substr(comma + 1));
  if (!x || !y || !validOffset({*x, *y})) return std::nullopt;
  return Offset{*x, *y};
}

// "from:to from:to ...": spans of the monotonic clock, in milliseconds.
std::string formatSpans(const std::vector<Span>& spans) {
  std::string out;
  for (const Span& span : spans)
    out += (out.empty() ? "" : " ") + std::to_string(span.from) + ":" + std::to_string(span.to);
  return out;
}

std::optional<std::int64_t> parseInt64(std::string_view text) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Spans in any order, touching or not, are taken as the one set they make.
std::optional<std::vector<Span>> parseSpans(std::string_view text) {
  std::vector<Span> spans;
  while (!text.empty()) {
    const auto blank = text.find(' ');
    const std::string_view item = text.substr(0, blank);
    text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    if (item.empty()) continue;
    const auto colon = item.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    auto from = parseInt64(item.substr(0, colon));
    auto to = parseInt64(item.substr(colon + 1));
    if (!from || !to || *from >= *to) return std::nullopt;
    spans = withSpan(std::move(spans), {*from, *to});
  }
  return spans;
}

template <typename T>
Field decimalField(const char* key, T ControllerState::*member, bool (*valid)(double)) {
  return {key, [member](const ControllerState& s) { return number(s.*member); },
          [member, valid](ControllerState& s, std::string_view v) {
            auto value = parseDecimal(v);
            if (!value || !valid(*value)) return false;
            s.*member = *value;
            return true;
          }};
}

Field u16Field(const char* key, std::uint16_t ControllerState::*member) {
  return {key, [member](const ControllerState& s) { return std::to_string(s.*member); },
          [member](ControllerState& s, std::string_view v) {
            auto value = parseUnsigned(v, 65535);
            if (!value) return false;
            s.*member = static_cast<std::uint16_t>(*value);
            return true;
          }};
}

Field offsetField(const char* key, Offset ControllerState::*member) {
  return {key,
          [member](const ControllerState& s) {
            return std::to_string((s.*member).x) + "," + std::to_string((s.*member).y);
          },
          [member](ControllerState& s, std::string_view v) {
            auto value = parseOffset(v);
            if (!value) return false;
            s.*member = *value;
            return true;
          }};
}

Field addressField(const char* key, Ipv4 ControllerState::*member) {
  return {key, [member](const ControllerState& s) { return dotted(s.*member); },
          [member](ControllerState& s, std::string_view v) {
            auto value = parseDecimalOctets(v);
            if (!value) return false;
            s.*member = *value;
            return true;
          }};
}

const std::vector<Field>& fields() {
  // Never destroyed: the link saves from its own destructor at exit, which may
  // run after this table's would have.
  static const std::vector<Field>& table = *new std::vector<Field>{
      {"serial", [](const ControllerState& s) { return std::to_string(s.serial); },
       [](ControllerState& s, std::string_view v) {
         auto value = parseInt32(v);
         if (value) s.serial = *value;
         return value.has_value();
       }},
      {"model_name", [](const ControllerState& s) { return escaped(s.modelName); },
       [](ControllerState& s, std::string_view v) {
         auto value = unescaped(v);
         if (!value || value->size() > kModelNameLength) return false;
         s.modelName = *value;
         return true;
       }},
      u16Field("lens", &ControllerState::lens),
      decimalField("min_current", &ControllerState::minCurrent, validCurrent),
      decimalField("max_current", &ControllerState::maxCurrent, validCurrent),
      decimalField("current_20_percent", &ControllerState::current20Percent, validCurrent),
      decimalField("x_scale", &ControllerState::xScale, validScale),
      decimalField("y_scale", &ControllerState::yScale, validScale),
      u16Field("x_distortion", &ControllerState::xDistortion),
      u16Field("y_distortion", &ControllerState::yDistortion),
      offsetField("distortion_offset", &ControllerState::distortionOffset),
      offsetField("center_offset", &ControllerState::centerOffset),
      offsetField("aim_top_left", &ControllerState::aimTopLeft),
      offsetField("aim_bottom_right", &ControllerState::aimBottomRight),
      decimalField("x_multiplier", &ControllerState::xMultiplier, validFactor),
      decimalField("y_multiplier", &ControllerState::yMultiplier, validFactor),
      decimalField("rc_jump_delay", &ControllerState::rcJumpDelay, validFactor),
      {"controller_model",
       [](const ControllerState& s) {
         return hex(s.controllerModel.flag, 2) + hex(s.controllerModel.code & 0xffffff, 6);
       },
       [](ControllerState& s, std::string_view v) {
         auto value = parseControllerModel(v);
         if (!value || v.size() != 8) return false;
         s.controllerModel = *value;
         return true;
       }},
      {"mac_address",
       [](const ControllerState& s) {
         std::string out;
         for (std::size_t i = 0; i < s.mac.size(); ++i) out += (i ? ":" : "") + hex(s.mac[i], 2);
         return out;
       },
       [](ControllerState& s, std::string_view v) {
         auto value = parseMac(v);
         if (value) s.mac = *value;
         return value.has_value();
       }},
      addressField("ip_address", &ControllerState::ip),
      addressField("gateway", &ControllerState::gateway),
      addressField("subnet_mask", &ControllerState::subnetMask),
      {"ship_id", [](const ControllerState& s) { return hex(s.shipId, 8); },
       [](ControllerState& s, std::string_view v) {
         auto value = v.size() == 8 ? parseHex(v) : std::nullopt;
         if (value) s.shipId = *value;
         return value.has_value();
       }},
      {"work_seconds", [](const ControllerState& s) { return std::to_string(s.workSeconds); },
       [](ControllerState& s, std::string_view v) {
         auto value = parseUnsigned(v, 0xffffffffu);
         if (value) s.workSeconds = static_cast<std::uint32_t>(*value);
         return value.has_value();
       }},
      {"work_counted_boot", [](const ControllerState& s) { return escaped(s.workCounted.boot); },
       [](ControllerState& s, std::string_view v) {
         auto value = unescaped(v);
         if (!value || value->size() > kMaxBootLength) return false;
         s.workCounted.boot = *value;
         return true;
       }},
      {"work_counted", [](const ControllerState& s) { return formatSpans(s.workCounted.spans); },
       [](ControllerState& s, std::string_view v) {
         auto value = parseSpans(v);
         if (value) s.workCounted.spans = std::move(*value);
         return value.has_value();
       }},
  };
  return table;
}

constexpr std::string_view kHeading = "# ZOR simulated marking controller: kept state. key = value";

// Letters, digits and '_': what our keys, and those of a later version, are made of.
bool plainKey(std::string_view key) {
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  });
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string formatState(const ControllerState& state) {
  std::string out = std::string(kHeading) + "\n";
  for (const Field& field : fields()) {
    const std::string value = field.format(state);
    out += std::string(field.key) + (value.empty() ? " =\n" : " = " + value + "\n");
  }
  return out;
}

files::Result<ControllerState> parseState(std::string_view text, const ControllerState& defaults) {
  ControllerState state = defaults;
  int lineNumber = 0;
  bool blank = true;  // nothing but blank lines: an emptied file, nothing in it to keep
  bool ours = false;  // our heading, or one of our keys
  while (!text.empty()) {
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    ++lineNumber;
    line = trimmed(line);
    if (line.empty()) continue;
    blank = false;
    if (line == kHeading) ours = true;
    if (line.front() == '#') continue;
    const auto equals = line.find('=');
    auto fail = [&](const std::string& what) {
      return files::Failure{"line " + std::to_string(lineNumber) + ": " + what};
    };
    if (equals == std::string_view::npos) return fail("no \"key = value\"");
    const std::string_view key = trimmed(line.substr(0, equals));
    if (!plainKey(key)) return fail("a key that is not a name of letters, digits and '_'");
    const std::string_view value = trimmed(line.substr(equals + 1));
    for (const Field& field : fields()) {
      if (key != field.key) continue;
      if (!field.parse(state, value)) return fail("bad value for " + std::string(key));
      ours = true;
      break;
    }
  }
  if (!blank && !ours)
    return files::Failure{"not a controller state file: it holds neither the heading nor any key of one"};
  return state;
}

}  // namespace zor::controller
