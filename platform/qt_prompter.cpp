#include "platform/qt_prompter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <thread>

#include "platform/pacer.h"

namespace zor::platform {

QString applicationTitle() { return QStringLiteral("ZORSystemMaintenance"); }

void QtPrompter::showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon) {
  static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Warning,
                                                 QMessageBox::Critical};
  QMessageBox box(kIcons[static_cast<int>(icon)], title, text, QMessageBox::Ok, owner);
  box.exec();
}

int QtPrompter::runModal(QDialog& dialog) { return dialog.exec(); }

QString QtPrompter::chooseFile(QWidget* owner, FileChoice choice, const QString& title, const QString& suggestion,
                               const QString& filter) {
  return choice == FileChoice::Save ? QFileDialog::getSaveFileName(owner, title, suggestion, filter)
                                    : QFileDialog::getOpenFileName(owner, title, suggestion, filter);
}

// The controller needs these pauses between packets; the GUI thread waits
// them out. Pending repaints go out first, so a box closed
// a moment ago does not leave a hole in the panel while it waits; user input
// and timers stay queued until the operation is over.
void BlockingPacer::sleep(int milliseconds) {
  if (responsive_) {
    // A long transfer with a progress window of its own: the windows keep
    // painting and that window takes its Cancel; it is modal, so nothing
    // else takes input. The timer fires no earlier than asked.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    return;
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace zor::platform
