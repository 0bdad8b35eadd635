// An outcome's message for the person and its English for the record.
#include "service/outcome.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <string>
#include <vector>

#include "service/service_log.h"
#include "text/people_text.h"

namespace {

using zor::service::Outcome;
using zor::service::Status;
using zor::text::PeopleText;

PeopleText Text(const char* source, const char* local) { return {QString::fromUtf8(source), QString::fromUtf8(local)}; }

TEST(Outcome, ATextForPeopleKeepsItsEnglishForTheRecord) {
  struct Case {
    Outcome outcome;
    Status status;
    std::u16string message, source;
  };
  const std::vector<Case> cases = {
      {Outcome::refused(zor::service::Input::Lens, Text("Lens?", "Objektiv?")), Status::Refused, u"Objektiv?",
       u"Lens?"},
      {Outcome::failed(Status::FileFailed, Text("no file", "keine Datei")), Status::FileFailed, u"keine Datei",
       u"no file"},
      // Untranslated: the English once, and the record takes the message.
      {Outcome::refused(zor::service::Input::Lens, Text("Lens?", "Lens?")), Status::Refused, u"Lens?", u"Lens?"},
      {Outcome::refused(zor::service::Input::Lens, u"Lens?"), Status::Refused, u"Lens?", u"Lens?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.outcome.status, c.status);
    EXPECT_EQ(c.outcome.message, c.message);
    EXPECT_EQ(zor::service::SourceMessage(c.outcome), c.source);
    EXPECT_EQ(c.outcome.sourceMessage.empty(), c.message == c.source) << "kept only when it differs";
  }
}

TEST(Outcome, TheServiceLogKeepsTheEnglish) {
  Outcome outcome = Outcome::failed(Status::NotAccepted, Text("not taken", "nicht angenommen"));
  outcome.notKept = true;
  const std::string line = zor::service::ServiceLogLine("panel", std::nullopt, {u"set lens", u"60", outcome},
                                                        QDateTime::currentDateTimeUtc());
  const QString message = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object()[u"message"].toString();
  EXPECT_EQ(message.toStdU16String(), u"not taken\n\n" + std::u16string(zor::service::kNotKeptMessage));
  EXPECT_EQ(zor::service::FullMessage(outcome).substr(0, 16), u"nicht angenommen");
}

}  // namespace
