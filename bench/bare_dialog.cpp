// bare_dialog: the yardstick for bench/startup. A QApplication and an empty
// QDialog the size of the main panel with OK and Cancel, reporting its first
// paint the same way as `zor-maintenance --startup-probe`.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <ctime>

namespace {

long residentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QDialog& dialog) : dialog_(dialog) { dialog.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("panel-shown-monotonic-ns %lld\nresident-kb %ld\n",
                  static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, residentKilobytes());
      std::fflush(stdout);
      QTimer::singleShot(0, &dialog_, &QDialog::reject);
    }
    return false;
  }

 private:
  QDialog& dialog_;
  bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare dialog"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  // The main panel's 335 x 393 dialog units, converted the same way.
  const QFontMetrics metrics(dialog.font());
  const double baseX = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
  dialog.resize(qRound(335 * baseX / 4), qRound(393 * metrics.height() / 8.0));
  FirstPaint probe(dialog);
  return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
