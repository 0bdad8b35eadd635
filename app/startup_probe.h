#pragma once
// Reports the first paint of a dialog for start-up measurements: the
// monotonic time and the resident memory on standard output, then closes the
// dialog. Header-only and Qt-only, so the bare-dialog yardstick of the
// start-up benchmark measures itself exactly the same way as the tool.

#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace zor::app {

class StartupProbe : public QObject {
 public:
  explicit StartupProbe(QDialog& dialog) : dialog_(dialog) { dialog.installEventFilter(this); }

  static long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
      if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("panel-shown-monotonic-ns %lld\nresident-kb %ld\n",
                  static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, residentKilobytes());
      std::fflush(stdout);
      // Closed the way Esc closes it, once the paint is done.
      QTimer::singleShot(0, &dialog_, &QDialog::reject);
    }
    return false;
  }

 private:
  QDialog& dialog_;
  bool reported_ = false;
};

}  // namespace zor::app
