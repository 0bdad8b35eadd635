// zorctl report: the service report as a PDF. zorctl gathers its content
// through the service layer, as backup does, and zor-report lays it out:
// zorctl itself stays free of Qt's GUI libraries.

#include "service/report.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "service/files.h"
#include "service/snapshot.h"
#include "zorctl/commands_common.h"
#include "zorctl/run_program.h"

namespace zor::zorctl {

namespace {

namespace svc = zor::service;

// A report takes well under a second to lay out; this is for a helper that hangs.
constexpr std::chrono::milliseconds kReportBound{60000};
constexpr std::size_t kMaxPdf = 64 * 1024 * 1024;

std::string FirstLine(const std::string& text) {
  const std::string line = text.substr(0, text.find('\n'));
  return line.rfind("zor-report: ", 0) == 0 ? line.substr(12) : line;
}

}  // namespace

int Report(Context& c) {
  const auto& output = c.inv.options.output;
  if (!output || output->empty()) return Usage(c.out, Tr("zorctl::Report", "report needs --output FILE.pdf"));
  QDateTime since = svc::StartOfToday();
  if (const auto& text = c.inv.options.since) {
    const auto parsed = svc::ParseSince(*text);
    if (!parsed)
      return Usage(c.out,
                   Tr("zorctl::Report", "--since '%1' is not a date (2026-12-01) or a date and time (2026-12-01T08:00)")
                       .arg(Value(*text)));
    since = *parsed;
  }
  if (c.inv.options.dryRun)
    return DryRead(c, [](svc::Maintenance& m) {
      svc::TakeSnapshot(m);
      return svc::Outcome::done();
    });
  const std::string program = FindHelperProgram("zor-report", ZOR_BIN_TO_LIB);
  if (program.empty())
    return c.out.finish(kFileProblem,
                        Tr("zorctl::Report", "report: zor-report, which makes the PDF, is not installed beside zorctl"),
                        "file");
  // The file first: one that cannot be written is said before the controller is read.
  svc::PendingFile file;
  if (const svc::Outcome created = file.create(*output); !created.ok()) return c.out.finish(created);
  if (const int status = c.open(); status != kDone) return status;

  const svc::Snapshot snapshot = svc::TakeSnapshot(c.session.service());
  const svc::Reading<svc::ServiceLogContents> log = svc::ReadServiceLog(svc::ServiceLogPath(), since);
  const QJsonObject content = svc::ReportContent(snapshot, log, svc::ReportFactsNow(since));
  const ProgramRun run = RunProgram(program, {}, QJsonDocument(content).toJson(QJsonDocument::Compact).toStdString(),
                                    kReportBound, kMaxPdf);
  if (!run.ran || run.exitStatus != 0) {
    // zor-report's own words stay as it wrote them.
    const std::string said = run.ran ? FirstLine(run.err) : std::string();
    const PeopleText why = !said.empty()                ? PeopleText(Value(said), Value(said))
                           : run.ran || run.why.empty() ? PeopleText(Value(program), Value(program))
                                                        : PeopleText(Value(run.why), Value(run.localWhy));
    return c.out.finish(kFileProblem, Tr("zorctl::Report", "report: the PDF could not be made: %1").arg(why), "file");
  }
  if (svc::Outcome written = file.write(run.out); !written.ok()) return c.out.finish(written);
  if (svc::Outcome committed = file.commit(); !committed.ok()) return c.out.finish(committed);

  QJsonArray notRead;
  std::string notReadText;
  if (!snapshot.identity) notRead.append(QStringLiteral("identity"));
  for (const std::string& m : snapshot.missing) notRead.append(QString::fromStdString(m));
  for (const QJsonValue& name : notRead)
    notReadText += (notReadText.empty() ? "" : ", ") + name.toString().toStdString();
  c.out.set("file", QString::fromStdString(*output));
  c.out.set("not_read", notRead);
  c.out.set("log_entries",
            content.value(QLatin1String("log")).toObject().value(QLatin1String("entries")).toArray().size());
  c.out.set("calibrations", content.value(QLatin1String("calibrations")).toArray().size());
  c.out.info(Local(Tr("zorctl::Report", "report written to %1").arg(Value(*output))));
  if (!log.ok()) {
    return c.out.finish(
        kFileProblem,
        Tr("zorctl::Report", "the report holds no service-log entries: the service log could not be read: %1")
            .arg(Told(log)),
        "file");
  }
  if (!notReadText.empty()) {
    return c.out.finish(
        kReadFailed,
        Tr("zorctl::Report", "the report lists as not read what could not be read: %1").arg(Value(notReadText)),
        "read-failed");
  }
  return c.out.finish(kDone);
}

}  // namespace zor::zorctl
