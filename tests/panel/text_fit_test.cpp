// No text of any window is cut off: every label, button, check box and group
// box title of every window the tool shows (tests/support/window_catalogue)
// has room for its whole text. CTest runs this at screen scale 1 and 2
// (QT_SCALE_FACTOR). Qt lays windows out in device-independent pixels, so a
// screen scale alone leaves the layout as it is; each window is therefore also
// checked with its font twice as large, where the dialog units grow with the
// font and the style's margins do not. Each window is shown in English and
// in each language the program carries (Chinese needs a CJK font, such as
// Debian's fonts-noto-cjk, for its glyphs to be measured), and in another
// language no text it shows is an English one that language translates.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/i18n/ts_checks.h"
#include "tests/support/bracketed_texts.h"
#include "tests/support/installed_translations.h"
#include "tests/support/panel_harness.h"
#include "tests/support/window_catalogue.h"
#include "text/translations.h"

namespace zortest {
void PrintTo(const WindowEntry& window, std::ostream* out) { *out << window.name; }
}  // namespace zortest

namespace {

using zortest::WindowEntry;

struct Room {
  QSize needed;
  QRect available;
};

// The text of a control and the rectangle its style draws that text in.
std::optional<Room> TextRoom(QWidget& w) {
  if (auto* label = qobject_cast<QLabel*>(&w)) {
    if (label->text().isEmpty()) return std::nullopt;  // a picture
    const int inset = label->margin() + std::max(label->indent(), 0);
    const QRect r = label->contentsRect().adjusted(inset, label->margin(), -inset, -label->margin());
    // A wrapping label needs its lines' height within its own width.
    if (label->wordWrap())
      return Room{
          label->fontMetrics().boundingRect(QRect(0, 0, r.width(), 100000), Qt::TextWordWrap, label->text()).size(), r};
    return Room{label->fontMetrics().size(Qt::TextSingleLine, label->text()), r};
  }
  if (auto* button = qobject_cast<QPushButton*>(&w)) {
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    if (button->isDefault()) opt.features |= QStyleOptionButton::DefaultButton;
    const QRect r = button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
    return Room{button->fontMetrics().size(Qt::TextShowMnemonic, button->text()), r};
  }
  if (auto* check = qobject_cast<QCheckBox*>(&w)) {
    QStyleOptionButton opt;
    opt.initFrom(check);
    opt.text = check->text();
    const QRect r = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, check);
    return Room{check->fontMetrics().size(Qt::TextShowMnemonic, check->text()), r};
  }
  if (auto* group = qobject_cast<QGroupBox*>(&w)) {
    // The style sizes the title's rectangle to the text; it must stay inside the box.
    QStyleOptionGroupBox opt;
    opt.initFrom(group);
    opt.text = group->title();
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, group);
    return Room{title.size(), title.intersected(group->rect())};
  }
  return std::nullopt;
}

// 'QLabel "CENTER OF RIGHT BOTTOM": needs 152x13, has 120x12' for every text that does not fit.
std::vector<std::string> ClippedTexts(QWidget& window) {
  std::vector<std::string> clipped;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    const std::optional<Room> room = TextRoom(*w);
    if (!room) continue;
    if (room->needed.width() <= room->available.width() && room->needed.height() <= room->available.height()) continue;
    const QString text =
        w->property("text").isValid() ? w->property("text").toString() : w->property("title").toString();
    clipped.push_back(QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                          .arg(QString::fromLatin1(w->metaObject()->className()), text)
                          .arg(room->needed.width())
                          .arg(room->needed.height())
                          .arg(room->available.width())
                          .arg(room->available.height())
                          .toStdString());
  }
  return clipped;
}

// The languages besides English ("" here): those the program carries, which
// the build embeds from i18n/.
std::vector<std::string> Languages() {
  std::vector<std::string> languages{""};
  for (const QString& language : zor::text::EmbeddedLanguages()) languages.push_back(language.toStdString());
  return languages;
}

class TextFit : public ::testing::TestWithParam<std::tuple<WindowEntry, std::string>> {};

TEST_P(TextFit, EveryTextHasRoom) {
  const auto& [entry, language] = GetParam();
  const zor::test::Installed texts(language);
  const std::string in = language.empty() ? "English" : language;
  zortest::PanelHarness h;
  int looked = 0;
  entry.open(h, [&](QWidget& window) {
    ++looked;
    const qreal scale = window.devicePixelRatio();
    EXPECT_EQ(ClippedTexts(window), std::vector<std::string>{}) << "in " << in << ", scale " << scale;
    const QFont font = window.font();
    QFont twice = font;
    twice.setPointSizeF(font.pointSizeF() * 2);
    window.setFont(twice);
    // A window laid out by a layout grows with its font once the layout runs.
    if (QLayout* layout = window.layout()) layout->activate();
    EXPECT_EQ(ClippedTexts(window), std::vector<std::string>{})
        << "in " << in << ", font twice as large, scale " << scale;
    window.setFont(font);
  });
  EXPECT_EQ(looked, 1) << "the window was not shown";
}

// The English texts the language's translation files translate into other words.
QSet<QString> TranslatedAway(const std::string& language) {
  QStringList errors;
  QSet<QString> sources;
  for (const zortest::TsMessage& m : zortest::ReadAllTs(QStringLiteral(ZOR_SOURCE_DIR), &errors))
    if (m.language.toStdString() == language && m.finished && !m.translations.contains(m.source)) sources << m.source;
  return sources;
}

TEST_P(TextFit, NoTextIsLeftInEnglish) {
  const auto& [entry, language] = GetParam();
  if (language.empty()) GTEST_SKIP() << "English";
  const QSet<QString> english = TranslatedAway(language);
  const zor::test::Installed texts(language);
  zortest::PanelHarness h;
  entry.open(h, [&](QWidget& window) {
    QStringList left;
    for (const QString& text : zor::test::ShownTexts(window))
      if (english.contains(text.section(QStringLiteral(": "), 1))) left << text;
    EXPECT_EQ(left.join(u'\n').toStdString(), "") << "in " << language;
  });
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, TextFit,
                         ::testing::Combine(::testing::ValuesIn(zortest::WindowCatalogue().begin(),
                                                                zortest::WindowCatalogue().end()),
                                            ::testing::ValuesIn(Languages())),
                         [](const auto& info) {
                           const std::string& language = std::get<1>(info.param);
                           std::string name = std::get<0>(info.param).name + (language.empty() ? "" : "_" + language);
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

}  // namespace
