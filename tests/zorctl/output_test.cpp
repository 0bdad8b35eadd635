// zorctl tells the person in their language and keeps JSON in English.
#include "zorctl/output.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <string>
#include <vector>

#include "service/outcome.h"
#include "text/people_text.h"

namespace {

using zor::service::Outcome;
using zor::text::PeopleText;

const PeopleText kRefused(QStringLiteral("lens: refused"), QStringLiteral("Objektiv: abgelehnt"));

TEST(Output, TheJsonMessageIsTheEnglishAndStandardErrorTheUsers) {
  struct Case {
    const char* what;
    bool json;
    int (*finish)(zor::zorctl::Output&);
    const char* standardError;
    const char* jsonMessage;  // nullptr: no JSON
  };
  const std::vector<Case> cases = {
      {"outcome, JSON", true,
       [](zor::zorctl::Output& o) { return o.finish(Outcome::refused(zor::service::Input::Lens, kRefused)); },
       "zorctl: Objektiv: abgelehnt\n", "lens: refused"},
      {"text for people, JSON", true,
       [](zor::zorctl::Output& o) { return o.finish(zor::zorctl::kRefused, kRefused, "refused"); },
       "zorctl: Objektiv: abgelehnt\n", "lens: refused"},
      {"plain text, JSON", true,
       [](zor::zorctl::Output& o) { return o.finish(zor::zorctl::kRefused, "as is", "refused"); }, "zorctl: as is\n",
       "as is"},
  };
  for (const Case& c : cases) {
    zor::zorctl::Output out(c.json, false, "set lens");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(c.finish(out), zor::zorctl::kRefused) << c.what;
    const std::string standardOutput = testing::internal::GetCapturedStdout();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.standardError) << c.what;
    if (!c.jsonMessage) continue;
    const QJsonObject error =
        QJsonDocument::fromJson(QByteArray::fromStdString(standardOutput)).object()[u"error"].toObject();
    EXPECT_EQ(error[u"message"].toString().toStdString(), c.jsonMessage) << c.what;
  }
}

}  // namespace
