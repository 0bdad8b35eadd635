// The service report's PDF: the measured square's outline, which rounds can
// be drawn, and the pages read back as text (pdftotext, when installed).
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

#include "report/pdf_report.h"
#include "report/squares.h"

namespace {

using zor::report::Measured;

bool Near(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()) < 1e-9; }

// Each edge is one Bezier curve (a quadratic one, stored as cubic): its point half-way.
QPointF MidpointOfEdge(const QPainterPath& path, int edge) {
  const QPointF a = path.elementAt(3 * edge), c1 = path.elementAt(3 * edge + 1), c2 = path.elementAt(3 * edge + 2),
                b = path.elementAt(3 * edge + 3);
  return (a + 3 * c1 + 3 * c2 + b) / 8;
}

TEST(MeasuredOutline, CornersFromTheEdgesAndEdgesThroughTheirMidPoints) {
  const QPainterPath bowed = zor::report::MeasuredOutline(Measured{56, 54, 55.6, 53.8});
  ASSERT_EQ(bowed.elementCount(), 13);  // move, then four curves of three points
  const QPointF corners[] = {{-27.8, 26.9}, {27.8, 26.9}, {27.8, -26.9}, {-27.8, -26.9}, {-27.8, 26.9}};
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Near(bowed.elementAt(3 * i), corners[i])) << i;
  const QPointF mids[] = {{0, 27}, {28, 0}, {0, -27}, {-28, 0}};
  for (int edge = 0; edge < 4; ++edge) EXPECT_TRUE(Near(MidpointOfEdge(bowed, edge), mids[edge])) << edge;

  // Without both edges the square is a rectangle of the sizes across its middle.
  const QRectF plain = zor::report::MeasuredOutline(Measured{56, 54, 55.6, std::nullopt}).boundingRect();
  EXPECT_EQ(plain, QRectF(-28, -27, 56, 54));
}

TEST(ShapesOf, DrawsOnlySizesThatCanBeMarked) {
  const auto round = [](QJsonValue width, QJsonValue nominal = 55.0125) {
    return QJsonObject{{"measured", QJsonObject{{"width_mm", width}, {"height_mm", 54.2}}}, {"nominal_mm", nominal}};
  };
  const struct {
    QJsonObject calibration;
    bool drawn;
  } cases[] = {
      {round(55.8), true},    {round(0), false},   {round(-55.8), false},
      {round("55.8"), false}, {round(1e9), false}, {round(55.8, QJsonValue()), false},
      {QJsonObject(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(zor::report::ShapesOf(c.calibration).has_value(), c.drawn);
  // One edge alone places no corners; an expected size needs both its sides.
  QJsonObject oneEdge = round(55.8);
  oneEdge["measured"] = QJsonObject{{"width_mm", 55.8}, {"height_mm", 54.2}, {"top_mm", 55.6}};
  oneEdge["expected"] = QJsonObject{{"width_mm", 55.0}};
  const auto shapes = zor::report::ShapesOf(oneEdge);
  ASSERT_TRUE(shapes);
  EXPECT_FALSE(shapes->measured.top);
  EXPECT_FALSE(shapes->expectedWidth);
}

QJsonObject Content() {
  const QJsonObject calibration{
      {"measured",
       QJsonObject{{"width_mm", 55.7927}, {"height_mm", 54.1485}, {"top_mm", 55.5828}, {"left_mm", 53.9448}}},
      {"nominal_mm", 55.0125},
      {"old", QJsonObject{{"scale_x", 1.0}, {"scale_y", 1.0}, {"distortion_x", 32768}, {"distortion_y", 32768}}},
      {"new",
       QJsonObject{{"scale_x", 0.98602}, {"scale_y", 1.01596}, {"distortion_x", 32918}, {"distortion_y", 32918}}},
      {"expected", QJsonObject{{"width_mm", 55.0185}, {"height_mm", 55.0061}}},
      {"within_tolerance", false},
      {"sent", true}};
  return QJsonObject{
      {"format", "zor-maintenance-report"},
      {"version", 1},
      {"made", "2026-12-10T12:00:00.000Z"},
      {"since", "2026-12-10T00:00:00.000Z"},
      {"host", "bench-7"},
      {"tool_version", "1.0.0"},
      {"identity", QJsonObject{{"system_name", "NZ\u001B[2J"},
                               {"serial_number", "100001"},
                               {"version", "SIM-1.00"},
                               {"release_date", "6/3/24"},
                               {"lens_mm", "163"},
                               {"family", "NZ"}}},
      {"settings",
       QJsonArray{
           QJsonObject{{"setting", "currents"},
                       {"keys", QJsonArray{"min_current", "max_current"}},
                       {"fields", QJsonArray{QJsonObject{{"key", "min_current"}, {"text", "0.50000"}},
                                             QJsonObject{{"key", "max_current"}, {"text", "20.00000"}}}}},
           QJsonObject{
               {"setting", "work-time"}, {"keys", QJsonArray{"work_time", "work_seconds"}}, {"not_read", true}}}},
      {"not_on_family", QJsonArray{"shutter"}},
      {"log", QJsonObject{{"entries", QJsonArray{QJsonObject{{"time", "2026-12-10T09:00:00.000Z"},
                                                             {"front_end", "zorctl"},
                                                             {"operation", "set lens"},
                                                             {"value", "254"},
                                                             {"outcome", "done"}}}}}},
      {"calibrations", QJsonArray{QJsonObject{
                           {"time", "2026-12-10T09:30:00.000Z"}, {"outcome", "done"}, {"calibration", calibration}}}},
  };
}

// The PDF's text, as pdftotext reads it; empty when it is not installed.
QString PdfText(const QByteArray& pdf) {
  const QString tool = QStandardPaths::findExecutable("pdftotext");
  if (tool.isEmpty()) return {};
  QTemporaryDir dir;
  QFile file(dir.filePath("r.pdf"));
  file.open(QIODevice::WriteOnly);
  file.write(pdf);
  file.close();
  QProcess p;
  p.start(tool, {"-layout", file.fileName(), "-"});
  p.waitForFinished(20000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ReportPdf, ShowsEveryPartAndNeverAFailedReadAsAValue) {
  const auto pdf = zor::report::RenderReportPdf(Content());
  ASSERT_TRUE(pdf);
  EXPECT_TRUE(pdf->startsWith("%PDF-"));
  const QString text = PdfText(*pdf);
  if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  for (const char* shown : {"Service Report", "bench-7", "NZ\\x1B[2J", "100001", "SIM-1.00", "6/3/24", "163", "0.50000",
                            "20.00000", "Not on this system's family: shutter", "set lens", "254", "Round 1", "55.7927",
                            "0.98602", "32918", "Measured before", "Expected after", "Nominal: 55.0125 x 55.0125 mm"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
  // The working time could not be read: its rows say so, in the system's part and the settings'.
  EXPECT_EQ(text.count(QRegularExpression("Working time\\s+not read")), 1) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression("work-time\\s+work_time, work_seconds\\s+not read")));
  EXPECT_FALSE(text.contains(QChar(0x1B)));
}

TEST(ReportPdf, RefusesContentOfAnotherKind) {
  QJsonObject other = Content();
  other["version"] = 2;
  std::string why;
  EXPECT_FALSE(zor::report::RenderReportPdf(other, &why));
  EXPECT_EQ(why, "the content is not a service report of this tool");
  EXPECT_FALSE(zor::report::RenderReportPdf(QJsonObject{{"format", "zor-maintenance-settings"}}));
}

}  // namespace
