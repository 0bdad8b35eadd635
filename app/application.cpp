#include "app/application.h"

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "app/main_dialog.h"
#include "link/load_device_link.h"
#include "platform/qt_prompter.h"

namespace {

long residentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

class StartupProbe : public QObject {
 public:
  explicit StartupProbe(CZORSystemMaintenanceDlg& dialog) : dialog_(dialog) { dialog.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("panel-shown-monotonic-ns %lld\nresident-kb %ld\n",
                  static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, residentKilobytes());
      std::fflush(stdout);
      QTimer::singleShot(0, &dialog_, [this] { dialog_.EndDialog(platform::IDCANCEL); });
    }
    return false;
  }

 private:
  CZORSystemMaintenanceDlg& dialog_;
  bool reported_ = false;
};

}  // namespace

bool CZORSystemMaintenanceApp::InitInstance() {
  platform::QtPrompter prompter;
  platform::BlockingPacer pacer;
  CZORSystemMaintenanceDlg dialog({pacer, prompter, [](zor::DeviceLink& link) {
                                     return zor::LoadDeviceLink(link, zor::SystemLibraryLoader(ZOR_BIN_TO_LIB));
                                   }});
  std::unique_ptr<StartupProbe> probe;
  if (options_.startupProbe) probe = std::make_unique<StartupProbe>(dialog);
  dialog.DoModal();
  return false;
}
