#pragma once
// Settings snapshot files for tests, written into a temporary folder that
// lives as long as the test process.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zortest {

// A snapshot as the tool writes one, of a system with this serial number and
// maximum current; the other values are those of PanelHarness::IdentityBlock
// ("NZ-SIM") and of a controller that reports zeros.
QByteArray SnapshotText(std::int32_t serial, double maxCurrent = 20);
QString WriteSnapshotFile(std::int32_t serial, double maxCurrent = 20);
// Any bytes as a file; returns its path.
QString WriteTestFile(const QString& name, const QByteArray& bytes);

}  // namespace zortest
