#include "tests/support/snapshot_files.h"

#include <QFile>
#include <QTemporaryDir>

namespace zortest {

QByteArray SnapshotText(std::int32_t serial, double maxCurrent) {
  return QStringLiteral(R"({
    "format": "zor-maintenance-settings", "version": 1, "time": "2026-12-09T10:00:00Z", "tool_version": "1.0.0",
    "identity": {"serial_number": %1, "system_name": "NZ-SIM", "version": "V1.00", "release_date": "01/02/26",
                 "lens_mm": 163, "family": "NZ"},
    "settings": {"min_current": 0, "max_current": %2, "distortion_x": 0, "distortion_y": 0,
                 "scale_x": 0, "scale_y": 0, "controller_model": "00000000", "work_time": "0,00:00:00",
                 "work_seconds": 0, "mac_address": "00:00:00:00:00:00", "ip_address": "0.0.0.0",
                 "subnet_mask": "0.0.0.0", "gateway": "0.0.0.0", "ship_id": "00000000"},
    "missing": []})")
      .arg(serial)
      .arg(maxCurrent)
      .toUtf8();
}

QString WriteTestFile(const QString& name, const QByteArray& bytes) {
  static QTemporaryDir folder;
  QFile file(folder.filePath(name));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  file.write(bytes);
  return file.fileName();
}

QString WriteSnapshotFile(std::int32_t serial, double maxCurrent) {
  return WriteTestFile(QStringLiteral("snapshot-%1.json").arg(serial), SnapshotText(serial, maxCurrent));
}

}  // namespace zortest
