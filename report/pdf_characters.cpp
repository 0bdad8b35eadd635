#include "report/pdf_characters.h"

#include <QString>
#include <algorithm>
#include <utility>
#include <vector>

namespace zor::report {

namespace {

bool IsRadical(char16_t c) { return (c >= 0x2E80 && c <= 0x2EFF) || (c >= 0x2F00 && c <= 0x2FDF); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The four-digit hexadecimal codes <XXXX> of a line, by their offsets in the PDF.
std::vector<std::pair<qsizetype, char16_t>> Codes(const QByteArray& pdf, qsizetype from, qsizetype to) {
  std::vector<std::pair<qsizetype, char16_t>> codes;
  for (qsizetype i = from; i + 6 <= to; ++i) {
    if (pdf[i] != '<' || pdf[i + 5] != '>') continue;
    int value = 0;
    for (qsizetype d = 1; d <= 4 && value >= 0; ++d) {
      const int digit = HexDigit(pdf[i + d]);
      value = digit < 0 ? -1 : value * 16 + digit;
    }
    if (value < 0) continue;
    codes.emplace_back(i + 1, static_cast<char16_t>(value));
    i += 5;
  }
  return codes;
}

// Calls visit(offset, character) for each character a bfrange section of a
// ToUnicode map gives a glyph: "<first> <last> [<c1> <c2> ...]" names each
// glyph of the range, "<first> <last> <c>" the first, the others counting on.
// Only a range of one glyph offers its character, so a change never shifts
// the characters of the glyphs after it.
template <typename Visit>
void ForEachCharacter(const QByteArray& pdf, Visit visit) {
  static const QByteArray kBegin("beginbfrange\n"), kEnd("endbfrange");
  for (qsizetype at = pdf.indexOf(kBegin); at >= 0; at = pdf.indexOf(kBegin, at)) {
    at += kBegin.size();
    const qsizetype end = pdf.indexOf(kEnd, at);
    if (end < 0) return;
    while (at < end) {
      qsizetype eol = pdf.indexOf('\n', at);
      if (eol < 0 || eol > end) eol = end;
      const auto codes = Codes(pdf, at, eol);
      const bool array = std::find(pdf.begin() + at, pdf.begin() + eol, '[') != pdf.begin() + eol;
      if (codes.size() >= 3 && (array || (codes.size() == 3 && codes[0].second == codes[1].second)))
        for (std::size_t i = 2; i < codes.size(); ++i) visit(codes[i].first, codes[i].second);
      at = eol + 1;
    }
    at = end;
  }
}

}  // namespace

std::set<char16_t> RadicalsNamed(const QByteArray& pdf) {
  std::set<char16_t> radicals;
  ForEachCharacter(pdf, [&](qsizetype, char16_t c) {
    if (IsRadical(c)) radicals.insert(c);
  });
  return radicals;
}

std::map<char16_t, char16_t> IdeographsOf(const std::set<char16_t>& radicals, const QRawFont& font) {
  std::map<char16_t, char16_t> ideographs;
  if (radicals.empty() || !font.isValid()) return ideographs;
  std::map<quint32, char16_t> radicalOfGlyph;
  for (char16_t radical : radicals) {
    const QList<quint32> glyph = font.glyphIndexesForString(QString(QChar(radical)));
    if (glyph.size() == 1 && glyph.front() != 0) radicalOfGlyph.emplace(glyph.front(), radical);
  }
  // CJK Unified Ideographs and their Extension A: every ideograph a radical stands for.
  QString candidates;
  for (char16_t c = 0x3400; c <= 0x4DBF; ++c) candidates.append(QChar(c));
  for (char16_t c = 0x4E00; c <= 0x9FFF; ++c) candidates.append(QChar(c));
  const QList<quint32> glyphs = font.glyphIndexesForString(candidates);
  for (qsizetype i = 0; i < glyphs.size() && i < candidates.size(); ++i) {
    const auto it = radicalOfGlyph.find(glyphs[i]);
    if (it != radicalOfGlyph.end()) ideographs.try_emplace(it->second, candidates[i].unicode());
  }
  return ideographs;
}

int NameIdeographs(QByteArray& pdf, const std::map<char16_t, char16_t>& ideographs) {
  std::vector<std::pair<qsizetype, char16_t>> changes;
  ForEachCharacter(pdf, [&](qsizetype offset, char16_t c) {
    if (const auto it = ideographs.find(c); it != ideographs.end()) changes.emplace_back(offset, it->second);
  });
  for (const auto& [offset, ideograph] : changes) {
    const QByteArray hex = QByteArray::number(ideograph, 16).toUpper().rightJustified(4, '0');
    pdf.replace(offset, 4, hex);
  }
  return static_cast<int>(changes.size());
}

}  // namespace zor::report
