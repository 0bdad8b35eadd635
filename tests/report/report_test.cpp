// The service report's PDF: the measured square's outline, which rounds can
// be drawn, the characters its glyphs are named by, and the pages read back
// as text (pdftotext, when installed), in English, German and Chinese.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <cmath>
#include <memory>
#include <vector>

#include "report/pdf_characters.h"
#include "report/pdf_report.h"
#include "report/squares.h"
#include "tests/support/installed_translations.h"
#include "text/translations.h"

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
                                                             {"outcome", "done"}}}},
                          {"skipped", 2}}},
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
  for (const char* shown : {"Service Report",
                            "bench-7",
                            "NZ\\x1B[2J",
                            "100001",
                            "SIM-1.00",
                            "6/3/24",
                            "163",
                            "0.50000",
                            "20.00000",
                            "Not on this system's family: shutter",
                            "set lens",
                            "254",
                            "Round 1",
                            "55.7927",
                            "0.98602",
                            "32918",
                            "Measured before",
                            "Expected after",
                            "Nominal: 55.0125 x 55.0125 mm",
                            "2 lines of the service log could not be read."})
    EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
  // The working time could not be read: its rows say so, in the system's part and the settings'.
  EXPECT_EQ(text.count(QRegularExpression("Working time\\s+not read")), 1) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression("work-time\\s+work_time, work_seconds\\s+not read")));
  EXPECT_FALSE(text.contains(QChar(0x1B)));
}

TEST(ReportPdf, PagesInTheReadersLanguageValuesAsRead) {
  const struct {
    const char* language;
    std::vector<const char*> shown;
  } cases[] = {
      {"de",
       {"Servicebericht", "Einstellungen, wie jetzt gelesen", "Serviceprotokoll seit 2026-12-10", "Kalibrierrunden",
        "Nicht in der Gerätefamilie dieses Systems: shutter", "Sollmaß: 55.0125 x 55.0125 mm", "Seite 1",
        "2 Zeilen des Serviceprotokolls konnten nicht gelesen werden."}},
      // 日 of 维护日志 and 页 share their glyphs with radicals: read back as the ideographs.
      {"zh_CN", {"维护报告", "当前读取的设置", "起的维护日志", "校准轮次", "本系统的设备系列不支持：shutter", "页"}},
  };
  for (const auto& c : cases) {
    const zor::test::Installed installed(c.language);
    const auto pdf = zor::report::RenderReportPdf(Content());
    ASSERT_TRUE(pdf);
    const QString text = PdfText(*pdf);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const char* shown : c.shown)
      EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << c.language << ": " << shown << "\n" << text.toStdString();
    // Values, keys and setting names, and the log's record, as they were read.
    for (const char* kept : {"0.50000", "work_time, work_seconds", "set lens", "scale_x", "0.98602",
                             "2026-12-10 09:00:00", "NZ\\x1B[2J", "done"})
      EXPECT_TRUE(text.contains(QString::fromUtf8(kept))) << c.language << ": " << kept;
    EXPECT_FALSE(text.contains(QStringLiteral("Service Report"))) << c.language;
  }
}

TEST(ReportPdf, SaysWhyTheLogHoldsNoEntriesInTheReadersWords) {
  const QJsonObject unreadable{{"entries", QJsonArray()},
                               {"problem", "the service log could not be read: cannot open /x: Permission denied"},
                               {"problem_kind", "log-unreadable"},
                               {"reason", "cannot open /x: Permission denied"}};
  const QJsonObject unidentified{{"entries", QJsonArray()},
                                 {"problem", "the system's identity could not be read, so its entries are not known"},
                                 {"problem_kind", "identity-unread"}};
  const struct {
    const char* language;  // "" for English
    QJsonObject log;
    const char* said;
  } cases[] = {
      {"", unreadable, "the service log could not be read: cannot open /x: Permission denied."},
      {"de", unreadable, "Das Serviceprotokoll konnte nicht gelesen werden: cannot open /x: Permission denied."},
      {"zh_CN", unidentified, "无法读取系统的标识，因此不知道其日志条目。"},
  };
  for (const auto& c : cases) {
    const zor::test::Installed installed(c.language);
    QJsonObject content = Content();
    content["log"] = c.log;
    const QString text = PdfText(*zor::report::RenderReportPdf(content)).simplified();
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.said))) << c.language << ": " << c.said << "\n" << text.toStdString();
  }
}

// Glyphs named in a ToUnicode map the way Qt's PDF writer names them.
TEST(PdfCharacters, NamesGlyphsByTheirIdeographs) {
  const QByteArray map =
      "3 beginbfrange\n"
      "<0000> <0000> <0000>\n"
      "<0001> <0003> [<2F47> <0041> <2F63> ]\n"  // each glyph its own character
      "<2F47> <2F47> <2EDA>\n"                   // one glyph: its character; the glyph's own code stays
      "<0010> <0011> <2F00>\n"                   // a range counting on: left as it is
      "endbfrange\n"
      "<2F47> outside a map\n";
  EXPECT_EQ(zor::report::RadicalsNamed(map), (std::set<char16_t>{0x2EDA, 0x2F47, 0x2F63}));
  QByteArray named = map;
  EXPECT_EQ(
      zor::report::NameIdeographs(named, {{0x2F47, 0x65E5}, {0x2F63, 0x751F}, {0x2EDA, 0x9875}, {0x2F00, 0x4E00}}), 3);
  QByteArray expected = map;
  expected.replace("[<2F47> <0041> <2F63> ]", "[<65E5> <0041> <751F> ]");
  expected.replace("<2F47> <2F47> <2EDA>", "<2F47> <2F47> <9875>");
  EXPECT_EQ(named, expected);

  // The ideographs from the font that draws them, where it is installed.
  const QRawFont font = QRawFont::fromFont(QFont(QStringLiteral("Noto Sans CJK SC")));
  if (!font.familyName().startsWith(QStringLiteral("Noto Sans CJK"))) GTEST_SKIP() << "fonts-noto-cjk is not installed";
  const auto ideographs = zor::report::IdeographsOf({0x2F47, 0x2EDA, 0x2F63}, font);
  EXPECT_EQ(ideographs, (std::map<char16_t, char16_t>{{0x2EDA, 0x9875}, {0x2F47, 0x65E5}, {0x2F63, 0x751F}}));
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
