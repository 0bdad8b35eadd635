#include "platform/qt_prompter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <chrono>
#include <thread>

#include "platform/pacer.h"

namespace platform {

QString applicationTitle() { return QStringLiteral("ZORSystemMaintenance"); }

void QtPrompter::showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon) {
  static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                 QMessageBox::Warning, QMessageBox::Critical};
  QMessageBox box(kIcons[static_cast<int>(icon)], title, text, QMessageBox::Ok, owner);
  box.exec();
}

int QtPrompter::runModal(QDialog& dialog) { return dialog.exec(); }

// The controller needs these pauses between packets; the GUI thread waits
// them out. Pending repaints go out first, so a box closed
// a moment ago does not leave a hole in the panel while it waits; user input
// and timers stay queued until the operation is over.
void BlockingPacer::sleep(int milliseconds) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace platform
