// The window menu's "Back Up Settings..." and "Compare/Restore Settings...":
// a snapshot of every setting to a file, and back from one; and "Service
// Report...": the settings read now and the service log since the panel
// started, as a PDF. The transfers show a modal progress window; the panel
// keeps painting behind it.

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>

#include "dialogs/compare_restore_dialog.h"
#include "dialogs/outcome_view.h"
#include "link/pacer.h"
#include "panel/main_dialog.h"
#include "platform/utf16.h"
#include "report/pdf_report.h"
#include "service/files.h"
#include "service/report.h"
#include "service/restore.h"
#include "service/snapshot.h"

namespace zor::panel {

namespace svc = zor::service;
using zor::dialogs::qstr;

namespace {

QString BackUpTitle() { return QCoreApplication::translate("CZORSystemMaintenanceDlg", "Back Up Settings"); }
QString RestoreTitle() { return QCoreApplication::translate("CZORSystemMaintenanceDlg", "Compare/Restore Settings"); }
// The file patterns stay as they are; only their descriptions are translated.
QString SnapshotFilter() {
  return QStringLiteral("%1 (*.json);;%2 (*)")
      .arg(QCoreApplication::translate("CZORSystemMaintenanceDlg", "Settings snapshots"),
           QCoreApplication::translate("CZORSystemMaintenanceDlg", "All files"));
}
QString ReportTitle() { return QCoreApplication::translate("CZORSystemMaintenanceDlg", "Service Report"); }

// A modal progress window over the panel; while it is up, the pacer's waits
// let the windows paint and take the window's Cancel.
class TransferProgress final : public svc::RestoreProgress {
 public:
  TransferProgress(CZORSystemMaintenanceDlg& panel, zor::link::Pacer& pacer, const QString& title, bool cancellable)
      : responsive_(pacer), dialog_(&panel) {
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    if (!cancellable) dialog_.setCancelButton(nullptr);
    dialog_.setAccessibleName(title);
  }

  void step(int done, int total, const QString& what) {
    dialog_.setMaximum(total);
    dialog_.setLabelText(what);
    dialog_.setValue(done);
  }

  // Cancel is looked at between settings only: a text is never cut short.
  bool proceed(int index, int total, const std::string& name) override {
    if (dialog_.wasCanceled()) return false;
    step(index, total,
         QCoreApplication::translate("CZORSystemMaintenanceDlg", "Restoring %1 (%2 of %3)...")
             .arg(zor::dialogs::SettingTitle(name))
             .arg(index + 1)
             .arg(total));
    return !dialog_.wasCanceled();
  }

 private:
  zor::link::ResponsiveWaits responsive_;
  QProgressDialog dialog_;
};

// "zor-settings-100001-2026-12-10.json", "zor-report-...pdf" in the home folder.
QString SuggestedFile(const std::optional<svc::Identity>& identity, const QString& kind = QStringLiteral("settings"),
                      const QString& suffix = QStringLiteral("json")) {
  const QString serial =
      identity && identity->readable ? QString::number(identity->info.serial) : QStringLiteral("unknown");
  return QDir::home().filePath(
      QStringLiteral("zor-%1-%2-%3.%4").arg(kind, serial, QDate::currentDate().toString(Qt::ISODate), suffix));
}

QString Names(const std::vector<std::string>& names) {
  QStringList titles;
  for (const std::string& name : names)
    titles << (name == "identity" ? QCoreApplication::translate("CZORSystemMaintenanceDlg", "Identity")
                                  : zor::dialogs::SettingTitle(name));
  return titles.join(QStringLiteral(", "));
}

}  // namespace

void CZORSystemMaintenanceDlg::OnBackUpSettings() {
  if (!zor::dialogs::ShowOutcome(*this, service_.checkConnection())) return;
  QString file = prompter().chooseFile(this, zor::platform::Prompter::FileChoice::Save, BackUpTitle(),
                                       SuggestedFile(service_.identity()), SnapshotFilter());
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".json");

  svc::Snapshot snapshot;
  {
    TransferProgress progress(*this, services_.pacer, BackUpTitle(), false);
    snapshot = svc::TakeSnapshot(service_, [&](int done, int total) {
      progress.step(done, total, tr("Reading the settings from the controller..."));
    });
  }
  if (const svc::Outcome saved = svc::SaveSnapshot(snapshot, file.toStdString()); !saved.ok()) {
    prompter().showMessage(this, tr("The settings could not be saved: %1").arg(qstr(saved.message)), BackUpTitle(),
                           zor::platform::Prompter::Icon::Warning);
    return;
  }
  std::vector<std::string> missing = snapshot.missing;
  if (!snapshot.identity) missing.insert(missing.begin(), "identity");
  QString text = tr("The settings were saved to %1.").arg(file);
  if (!missing.empty())
    text += QStringLiteral("\n\n") + tr("These could not be read and are not in the file: %1.").arg(Names(missing));
  if (!snapshot.notOnFamily.empty()) {
    text += QStringLiteral("\n\n") +
            tr("Not on %1, so not in the file: %2.")
                .arg(qstr(svc::FamilySystem(svc::KnownFamily(snapshot.identity))), Names(snapshot.notOnFamily));
  }
  prompter().showMessage(
      this, text, BackUpTitle(),
      missing.empty() ? zor::platform::Prompter::Icon::Information : zor::platform::Prompter::Icon::Warning);
}

void CZORSystemMaintenanceDlg::OnCompareRestoreSettings() {
  const QString file = prompter().chooseFile(this, zor::platform::Prompter::FileChoice::Open, RestoreTitle(),
                                             QDir::homePath(), SnapshotFilter());
  if (file.isEmpty()) return;
  const svc::Reading<svc::Snapshot> loaded = svc::LoadSnapshot(file.toStdString());
  if (!loaded.ok()) {
    prompter().showMessage(this, tr("This file cannot be restored: %1. Nothing was sent.").arg(qstr(loaded.message)),
                           RestoreTitle(), zor::platform::Prompter::Icon::Warning);
    return;
  }
  const svc::Snapshot& snapshot = loaded.value;
  if (!zor::dialogs::ShowOutcome(*this, service_.checkConnection())) return;

  svc::Comparison comparison;
  {
    TransferProgress progress(*this, services_.pacer, RestoreTitle(), false);
    progress.step(0, 1, tr("Reading the settings from the controller..."));
    comparison = svc::Compare(service_, snapshot, false);
  }
  if (!zor::dialogs::ShowOutcome(*this, comparison.outcome, RestoreTitle())) return;

  zor::dialogs::CompareRestoreDialog compare(snapshot, QFileInfo(file).fileName(), comparison, this);
  if (prompter().runModal(compare) != QDialog::Accepted) return;

  svc::RestoreOptions options;
  options.identity = compare.includeIdentity();
  options.otherSystem = compare.otherSystemConfirmed();
  options.source = file.toStdString();
  if (options.identity) {
    const std::optional<QString> password = VerifyServicePassword();
    if (!password) return;
    options.password = zor::platform::Utf16View(*password);
  }
  svc::RestoreReport report;
  {
    TransferProgress progress(*this, services_.pacer, RestoreTitle(), true);
    report = svc::Restore(service_, snapshot, options, &progress);
  }
  // Nothing was tried: the refusal, or the not-connected message already shown, says it all.
  if (report.settings.empty() || report.outcome.status == svc::Status::Refused) {
    zor::dialogs::ShowOutcome(*this, report.outcome, RestoreTitle());
    return;
  }
  QString text = report.summaryText().local() + QLatin1Char('\n');
  for (const svc::RestoredSetting& s : report.settings) {
    if (s.comparison.plan != svc::RestorePlan::Send) continue;
    text += QStringLiteral("\n%1: %2")
                .arg(zor::dialogs::SettingTitle(s.comparison.name), svc::RestoreResultText(s.result).local());
  }
  if (const std::u16string told = svc::FullMessage(report.outcome); !told.empty())
    text += QStringLiteral("\n\n") + qstr(told);
  const bool clean = report.outcome.ok() && !report.outcome.notKept && !report.cancelled &&
                     std::all_of(report.settings.begin(), report.settings.end(), [](const svc::RestoredSetting& s) {
                       return s.result == svc::RestoreResult::Unchanged || s.result == svc::RestoreResult::Verified;
                     });
  prompter().showMessage(this, text, RestoreTitle(),
                         clean ? zor::platform::Prompter::Icon::Information : zor::platform::Prompter::Icon::Warning);
}

void CZORSystemMaintenanceDlg::OnServiceReport() {
  if (!zor::dialogs::ShowOutcome(*this, service_.checkConnection())) return;
  QString file =
      prompter().chooseFile(this, zor::platform::Prompter::FileChoice::Save, ReportTitle(),
                            SuggestedFile(service_.identity(), QStringLiteral("report"), QStringLiteral("pdf")),
                            QStringLiteral("%1 (*.pdf);;%2 (*)").arg(tr("PDF documents"), tr("All files")));
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
  const auto failed = [&](const QString& why) {
    prompter().showMessage(this, tr("The service report could not be saved: %1").arg(why), ReportTitle(),
                           zor::platform::Prompter::Icon::Warning);
  };
  // The file first: one that cannot be written is said before the controller is read.
  svc::PendingFile pending;
  if (const svc::Outcome created = pending.create(file.toStdString()); !created.ok())
    return failed(qstr(created.message));

  svc::Snapshot snapshot;
  {
    TransferProgress progress(*this, services_.pacer, ReportTitle(), false);
    snapshot = svc::TakeSnapshot(service_, [&](int done, int total) {
      progress.step(done, total, tr("Reading the settings from the controller..."));
    });
  }
  const svc::Reading<svc::ServiceLogContents> log = svc::ReadServiceLog(serviceLog_.path(), started_);
  const auto pdf = zor::report::RenderReportPdf(svc::ReportContent(snapshot, log, svc::ReportFactsNow(started_)));
  if (!pdf) return failed(tr("the PDF could not be made"));
  svc::Outcome saved = pending.write(pdf->toStdString());
  if (saved.ok()) saved = pending.commit();
  if (!saved.ok()) return failed(qstr(saved.message));

  std::vector<std::string> missing = snapshot.missing;
  if (!snapshot.identity) missing.insert(missing.begin(), "identity");
  QString text = tr("The service report was saved to %1.").arg(file);
  if (!missing.empty())
    text += QStringLiteral("\n\n") + tr("These could not be read and are listed as not read: %1.").arg(Names(missing));
  if (!log.ok())
    text += QStringLiteral("\n\n") +
            tr("It holds no service-log entries: the service log could not be read: %1.").arg(qstr(log.message));
  prompter().showMessage(this, text, ReportTitle(),
                         missing.empty() && log.ok() ? zor::platform::Prompter::Icon::Information
                                                     : zor::platform::Prompter::Icon::Warning);
}

}  // namespace zor::panel
