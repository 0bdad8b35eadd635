#pragma once
// The characters a PDF names for its glyphs, for copying, searching and
// reading the text back. Qt's PDF writer names each embedded glyph, in the
// font's ToUnicode map, by the lowest code point the font maps to it. A CJK
// font draws a Kangxi radical (U+2F00...) or a radical of the supplement
// (U+2E80...) with the glyph of its ideograph, so a Chinese report's 日 would
// be copied and found as ⽇ (U+2F47), 页 as ⻚ (U+2EDA). The report never
// draws a radical as such: these give each such glyph its ideograph back.

#include <QByteArray>
#include <QRawFont>
#include <map>
#include <set>

namespace zor::report {

// The radicals that the ToUnicode maps of pdf give as a glyph's character.
std::set<char16_t> RadicalsNamed(const QByteArray& pdf);

// The ideograph the font draws with the same glyph as each of radicals; a
// radical with a glyph of its own, or none, is left out.
std::map<char16_t, char16_t> IdeographsOf(const std::set<char16_t>& radicals, const QRawFont& font);

// Names each glyph named by a radical of ideographs by its ideograph instead,
// in place: the same number of bytes, so the PDF's offsets stay right. Only
// the characters of the ToUnicode maps change (a range's first character only
// where the range is one glyph: a longer one counts on from it). Returns how
// many were changed.
int NameIdeographs(QByteArray& pdf, const std::map<char16_t, char16_t>& ideographs);

}  // namespace zor::report
