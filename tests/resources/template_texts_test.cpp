// Every text of a dialog template reaches the translations: lupdate finds
// only texts marked where they are written, so a caption added without its
// mark would stay English in every language.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <set>
#include <utility>
#include <vector>

#include "dialogs/aiming_alignment.h"
#include "dialogs/calibrate_field_dialog.h"
#include "dialogs/jog_adjustment.h"
#include "dialogs/password_dialog.h"
#include "dialogs/working_time_dialog.h"
#include "lan/config_lan.h"
#include "resources/templates.h"

namespace {

using Message = std::pair<QString, QString>;  // context, source

// The finished messages of one translation file.
std::set<Message> FinishedMessages(const QString& path) {
  std::set<Message> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return messages;
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"source") {
      source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
      if (!unfinished && !xml.readElementText().isEmpty()) messages.emplace(context, source);
    }
  }
  return messages;
}

TEST(TemplateTexts, EveryCaptionAndNameIsTranslatedUnderItsTemplatesContext) {
  const struct {
    const zor::platform::DialogTemplate* tmpl;
    const char* folder;  // of the translation files
  } templates[] = {
      {&zor::resources::kMainPanelTemplate, "resources"},
      {&zor::resources::kAboutBoxTemplate, "resources"},
      {&zor::lan::kConfigLanTemplate, "lan"},
      {&zor::dialogs::kPasswordTemplate, "dialogs"},
      {&zor::dialogs::kWorkingTimeTemplate, "dialogs"},
      {&zor::dialogs::kAimingTemplate, "dialogs"},
      {&zor::dialogs::kJogTemplate, "dialogs"},
      {&zor::dialogs::kCalibrateTemplate, "dialogs"},
  };
  for (const auto& [tmpl, folder] : templates) {
    ASSERT_NE(tmpl->context, nullptr) << tmpl->caption;
    const QString context = QString::fromUtf8(tmpl->context);
    std::vector<const char*> texts{tmpl->caption};
    for (const zor::platform::ControlTemplate& c : tmpl->controls) {
      if (c.kind != zor::platform::Kind::Edit && *c.caption) texts.push_back(c.caption);
      if (c.accessibleName) texts.push_back(c.accessibleName);
    }
    for (const char* lang : {"de", "zh_CN"}) {
      const QString path = QStringLiteral(ZOR_I18N_DIR "/%1_%2.ts").arg(QLatin1String(folder), QLatin1String(lang));
      const std::set<Message> finished = FinishedMessages(path);
      ASSERT_FALSE(finished.empty()) << path.toStdString();
      for (const char* text : texts)
        EXPECT_TRUE(finished.count({context, QString::fromUtf8(text)}))
            << tmpl->context << ": \"" << text << "\" in " << path.toStdString();
    }
  }
}

}  // namespace
