#include "service/json_keys.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <vector>

#include "service/text.h"

namespace zor::service {

namespace {

// The string whose opening quote is at json[at], decoded; at ends past its
// closing quote. Escapes are ASCII, so the runs between them are whole UTF-8.
std::u16string ReadString(std::string_view json, std::size_t& at) {
  std::u16string text;
  std::size_t run = ++at;
  while (at < json.size() && json[at] != '"') {
    if (json[at] != '\\') {
      ++at;
      continue;
    }
    text += FromUtf8(json.substr(run, at - run));
    const char escape = at + 1 < json.size() ? json[at + 1] : '\\';
    at = std::min(at + 2, json.size());
    switch (escape) {
      case 'b':
        text += u'\b';
        break;
      case 'f':
        text += u'\f';
        break;
      case 'n':
        text += u'\n';
        break;
      case 'r':
        text += u'\r';
        break;
      case 't':
        text += u'\t';
        break;
      case 'u': {
        // A surrogate pair arrives as two escapes, one unit each.
        const std::size_t end = std::min(at + 4, json.size());
        unsigned unit = 0;
        std::from_chars(json.data() + at, json.data() + end, unit, 16);
        text += static_cast<char16_t>(unit);
        at = end;
        break;
      }
      default:
        text += static_cast<char16_t>(escape);  // " \ /
    }
    run = at;
  }
  text += FromUtf8(json.substr(run, std::min(at, json.size()) - run));
  ++at;
  return text;
}

struct Level {
  bool object = false;
  std::u16string path;
  std::set<std::u16string> keys;  // an object's, so far
  std::u16string member;          // an object's latest key
  std::size_t index = 0;          // an array's element
  bool keyNext = true;            // an object's next string is a key
};

// Where a value that starts inside the level sits.
std::u16string PathIn(const Level& level) {
  if (!level.object) return level.path + u"[" + Decimal(static_cast<long long>(level.index)) + u"]";
  return level.path.empty() ? level.member : level.path + u"." + level.member;
}

}  // namespace

std::optional<DuplicateKey> FindDuplicateKey(std::string_view json) {
  std::vector<Level> levels;
  for (std::size_t at = 0; at < json.size();) {
    const char c = json[at];
    if (c == '"') {
      std::u16string text = ReadString(json, at);
      if (levels.empty() || !levels.back().object || !levels.back().keyNext) continue;
      Level& level = levels.back();
      if (!level.keys.insert(text).second) return DuplicateKey{std::move(text), level.path};
      level.member = std::move(text);
      level.keyNext = false;
      continue;
    }
    if (c == '{' || c == '[') {
      Level inner;
      inner.object = c == '{';
      if (!levels.empty()) inner.path = PathIn(levels.back());
      levels.push_back(std::move(inner));
    } else if ((c == '}' || c == ']') && !levels.empty()) {
      levels.pop_back();
    } else if (c == ',' && !levels.empty()) {
      ++levels.back().index;
      levels.back().keyNext = true;
    }
    ++at;
  }
  return std::nullopt;
}

}  // namespace zor::service
