#pragma once
// The service report as a PDF: its content (service/report.h) laid out on
// A4 pages with Qt's PDF writer. Needs a QGuiApplication (the offscreen
// platform will do: no display is ever used). Text from outside (the
// controller, the log) is shown with its control characters made visible.

#include <QByteArray>
#include <QJsonObject>
#include <optional>
#include <string>

namespace zor::report {

// The PDF, or nullopt with why when the content is no report of this tool
// (another format, a newer version).
std::optional<QByteArray> RenderReportPdf(const QJsonObject& content, std::string* why = nullptr);

}  // namespace zor::report
