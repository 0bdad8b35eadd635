#include "report/pdf_report.h"

#include <QBuffer>
#include <QJsonArray>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "report/squares.h"
#include "service/report.h"
#include "text/one_line.h"

namespace zor::report {

namespace {

namespace svc = zor::service;

constexpr int kDpi = 300;
constexpr double kMargin = 15;  // mm, all round
const QString kNotRead = QStringLiteral("not read");

double Mm(double mm) { return mm * kDpi / 25.4; }

// A value as the log or the controller gave it, made safe to show.
QString Text(const QJsonValue& value) {
  switch (value.type()) {
    case QJsonValue::Double:
      return QString::number(value.toDouble(), 'g', 12);
    case QJsonValue::Bool:
      return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::String:
      return text::OneLine(value.toString());
    case QJsonValue::Array: {
      QStringList parts;
      for (const QJsonValue& v : value.toArray()) parts << Text(v);
      return parts.join(QStringLiteral(", "));
    }
    case QJsonValue::Object: {
      QStringList parts;
      const QJsonObject object = value.toObject();
      for (auto it = object.begin(); it != object.end(); ++it)
        parts << text::OneLine(it.key()) + QStringLiteral(": ") + Text(it.value());
      return parts.join(QStringLiteral(", "));
    }
    default:
      return QStringLiteral("-");
  }
}

// Local time, with its zone unless the table's heading names it.
QString LocalTime(const QJsonValue& iso, bool zone = true) {
  const QDateTime time = QDateTime::fromString(iso.toString(), Qt::ISODateWithMs);
  if (!time.isValid()) return Text(iso);
  return time.toLocalTime().toString(zone ? QStringLiteral("yyyy-MM-dd HH:mm:ss t")
                                          : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Pages filled from the top down; a row that does not fit starts a new page.
class Pages {
 public:
  Pages(QPdfWriter& writer, QPainter& painter, QString footer)
      : writer_(writer), painter_(painter), footer_(std::move(footer)) {
    body_ = QFont(QStringLiteral("DejaVu Sans"), 9);
    bottom_ = writer_.height() - Mm(8);
    drawFooter();
  }

  double width() const { return writer_.width(); }
  double y() const { return y_; }
  QPainter& painter() { return painter_; }

  void title(const QString& text) { line(text, 18, true, Mm(3)); }
  void heading(const QString& text) {
    y_ += Mm(5);
    need(Mm(16));  // a heading never ends a page alone
    line(text, 13, true, Mm(2));
  }
  void subheading(const QString& text) {
    y_ += Mm(3);
    need(Mm(14));
    line(text, 10.5, true, Mm(1.5));
  }
  void paragraph(const QString& text, bool italic = false) {
    QFont font = body_;
    font.setItalic(italic);
    painter_.setFont(font);
    const QRectF box = painter_.boundingRect(QRectF(0, 0, width(), 1e6), Flags(), text);
    need(box.height());
    painter_.drawText(QRectF(0, y_, width(), box.height()), Flags(), text);
    y_ += box.height() + Mm(1.5);
  }

  // A table whose columns take these shares of the width; the header repeats on each page.
  void table(const QStringList& header, const std::vector<double>& shares, const std::vector<QStringList>& rows) {
    const double pad = Mm(1.2);
    std::vector<double> widths;
    for (double share : shares) widths.push_back(share * width());
    auto heightOf = [&](const QStringList& cells, const QFont& font) {
      painter_.setFont(font);
      double h = 0;
      for (qsizetype i = 0; i < cells.size(); ++i) {
        const QRectF box = painter_.boundingRect(QRectF(0, 0, widths[i] - 2 * pad, 1e6), Flags(), cells[i]);
        h = std::max(h, box.height());
      }
      return h + 2 * pad;
    };
    QFont bold = body_;
    bold.setBold(true);
    auto draw = [&](const QStringList& cells, const QFont& font, double h, bool shaded) {
      if (shaded) painter_.fillRect(QRectF(0, y_, width(), h), QColor(0xE8, 0xEC, 0xF0));
      painter_.setFont(font);
      painter_.setPen(Qt::black);
      double x = 0;
      for (qsizetype i = 0; i < cells.size(); ++i) {
        painter_.drawText(QRectF(x + pad, y_ + pad, widths[i] - 2 * pad, h - 2 * pad), Flags(), cells[i]);
        x += widths[i];
      }
      painter_.setPen(QPen(QColor(0xB0, 0xB8, 0xC0), Mm(0.15)));
      painter_.drawLine(QPointF(0, y_ + h), QPointF(width(), y_ + h));
      y_ += h;
    };
    const double headerHeight = heightOf(header, bold);
    need(headerHeight + Mm(6));
    draw(header, bold, headerHeight, true);
    for (const QStringList& row : rows) {
      const double h = heightOf(row, body_);
      if (y_ + h > bottom_) {
        newPage();
        draw(header, bold, headerHeight, true);
      }
      draw(row, body_, h, false);
    }
    y_ += Mm(2);
  }

  // Room for a block of that height: the rest of this page, or a new one.
  void need(double height) {
    if (y_ + height > bottom_ && y_ > 0) newPage();
  }
  void advance(double height) { y_ += height; }

 private:
  static int Flags() { return Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere; }

  void line(const QString& text, double points, bool bold, double after) {
    QFont font = body_;
    font.setPointSizeF(points);
    font.setBold(bold);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const QRectF box = painter_.boundingRect(QRectF(0, 0, width(), 1e6), Flags(), text);
    need(box.height());
    painter_.drawText(QRectF(0, y_, width(), box.height()), Flags(), text);
    y_ += box.height() + after;
  }

  void newPage() {
    writer_.newPage();
    ++page_;
    y_ = 0;
    drawFooter();
  }

  void drawFooter() {
    QFont font = body_;
    font.setPointSizeF(7.5);
    painter_.setFont(font);
    painter_.setPen(QColor(0x50, 0x50, 0x50));
    const QRectF box(0, writer_.height() - Mm(5), width(), Mm(5));
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, footer_);
    painter_.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1").arg(page_));
  }

  QPdfWriter& writer_;
  QPainter& painter_;
  QString footer_;
  QFont body_;
  double y_ = 0;
  double bottom_ = 0;
  int page_ = 1;
};

// The settings' fields by key, and the keys of those not read.
struct SettingValues {
  std::map<QString, QString> text;
  std::set<QString> notRead;
  std::set<QString> notOnFamily;  // setting names
  QString of(const QString& key, const QString& setting) const {
    if (const auto it = text.find(key); it != text.end()) return it->second;
    if (notRead.contains(key)) return kNotRead;
    if (notOnFamily.contains(setting)) return QStringLiteral("not on this family");
    return QStringLiteral("-");
  }
};

void SystemPart(Pages& pages, const QJsonObject& content, const SettingValues& values) {
  const QJsonValue identity = content.value(QLatin1String("identity"));
  const QJsonObject id = identity.toObject();
  auto field = [&](const char* key) { return identity.isObject() ? Text(id.value(QLatin1String(key))) : kNotRead; };
  pages.heading(QStringLiteral("System"));
  pages.table({QStringLiteral("Item"), QStringLiteral("Value")}, {0.35, 0.65},
              {{QStringLiteral("System name"), field("system_name")},
               {QStringLiteral("Serial number"), field("serial_number")},
               {QStringLiteral("Version"), field("version")},
               {QStringLiteral("Release date"), field("release_date")},
               {QStringLiteral("Lens (mm)"), field("lens_mm")},
               {QStringLiteral("Family"), field("family")},
               {QStringLiteral("Controller model"),
                values.of(QStringLiteral("controller_model"), QStringLiteral("controller-model"))},
               {QStringLiteral("Working time"), values.of(QStringLiteral("work_time"), QStringLiteral("work-time"))}});
  if (!identity.isObject()) pages.paragraph(QStringLiteral("The system's identity could not be read."), true);
}

void SettingsPart(Pages& pages, const QJsonObject& content) {
  pages.heading(QStringLiteral("Settings as read now"));
  std::vector<QStringList> rows;
  for (const QJsonValue& v : content.value(QLatin1String("settings")).toArray()) {
    const QJsonObject row = v.toObject();
    const QString setting = Text(row.value(QLatin1String("setting")));
    if (row.value(QLatin1String("not_read")).toBool()) {
      QStringList keys;
      for (const QJsonValue& k : row.value(QLatin1String("keys")).toArray()) keys << Text(k);
      rows.push_back({setting, keys.join(QStringLiteral(", ")), kNotRead});
      continue;
    }
    for (const QJsonValue& f : row.value(QLatin1String("fields")).toArray())
      rows.push_back(
          {setting, Text(f.toObject().value(QLatin1String("key"))), Text(f.toObject().value(QLatin1String("text")))});
  }
  pages.table({QStringLiteral("Setting"), QStringLiteral("Key"), QStringLiteral("Value")}, {0.28, 0.30, 0.42}, rows);
  QStringList lacking;
  for (const QJsonValue& n : content.value(QLatin1String("not_on_family")).toArray()) lacking << Text(n);
  if (!lacking.isEmpty())
    pages.paragraph(QStringLiteral("Not on this system's family: %1.").arg(lacking.join(QStringLiteral(", "))), true);
}

void LogPart(Pages& pages, const QJsonObject& content) {
  const QString since = LocalTime(content.value(QLatin1String("since")));
  pages.heading(QStringLiteral("Service log since %1").arg(since));
  const QJsonObject log = content.value(QLatin1String("log")).toObject();
  const QJsonArray entries = log.value(QLatin1String("entries")).toArray();
  if (log.contains(QLatin1String("problem"))) pages.paragraph(Text(log.value(QLatin1String("problem"))) + ".", true);
  if (log.value(QLatin1String("older_left_out")).toBool())
    pages.paragraph(
        QStringLiteral("The service log is larger than can be read at once: only its newest entries were read."), true);
  if (const int skipped = log.value(QLatin1String("skipped")).toInt(); skipped > 0)
    pages.paragraph(QStringLiteral("%1 lines of the service log could not be read.").arg(skipped), true);
  if (entries.isEmpty()) {
    if (!log.contains(QLatin1String("problem")))
      pages.paragraph(QStringLiteral("No operations were logged for this system in that time."), true);
    return;
  }
  std::vector<QStringList> rows;
  for (const QJsonValue& v : entries) {
    const QJsonObject e = v.toObject();
    QString outcome = Text(e.value(QLatin1String("outcome")));
    if (e.contains(QLatin1String("message"))) outcome += QStringLiteral(": ") + Text(e.value(QLatin1String("message")));
    const QString value = e.value(QLatin1String("value")).toString();
    rows.push_back({LocalTime(e.value(QLatin1String("time")), false), Text(e.value(QLatin1String("front_end"))),
                    Text(e.value(QLatin1String("operation"))), value.isEmpty() ? QStringLiteral("-") : Text(value),
                    outcome});
  }
  pages.table({QStringLiteral("Time"), QStringLiteral("From"), QStringLiteral("Operation"), QStringLiteral("Value"),
               QStringLiteral("Outcome")},
              {0.22, 0.09, 0.20, 0.24, 0.25}, rows);
}

// The round's squares to one scale in a box of side mm, the legend beside it.
void Drawing(Pages& pages, const RoundShapes& shapes) {
  const double side = Mm(80);
  pages.need(side + Mm(4));
  QPainter& p = pages.painter();
  const double top = pages.y();
  double extent = std::max(shapes.nominal, std::max(shapes.measured.width, shapes.measured.height));
  if (shapes.measured.top) extent = std::max({extent, *shapes.measured.top, *shapes.measured.left});
  if (shapes.expectedWidth) extent = std::max({extent, *shapes.expectedWidth, *shapes.expectedHeight});
  const double scale = side / (extent * 1.12);  // device units per mm
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), Mm(0.2)));
  p.drawRect(QRectF(0, top, side, side));
  p.translate(side / 2, top + side / 2);
  p.scale(scale, -scale);  // millimetres, y up
  // A 10 mm grid, so the drawing can be measured.
  QPen grid(QColor(0xE0, 0xE4, 0xE8), 0);
  p.setPen(grid);
  const double half = side / 2 / scale;
  for (double g = 0; g <= half; g += 10)
    for (double s : {g, -g}) {
      p.drawLine(QPointF(s, -half), QPointF(s, half));
      p.drawLine(QPointF(-half, s), QPointF(half, s));
    }
  const QColor nominalColor(0x60, 0x60, 0x60), measuredColor(0xC0, 0x20, 0x20), expectedColor(0x10, 0x80, 0x30);
  QPen nominal(nominalColor, Mm(0.35) / scale, Qt::DashLine);
  p.setPen(nominal);
  p.drawPath(RectangleOutline(shapes.nominal, shapes.nominal));
  if (shapes.expectedWidth) {
    p.setPen(QPen(expectedColor, Mm(0.35) / scale));
    p.drawPath(RectangleOutline(*shapes.expectedWidth, *shapes.expectedHeight));
  }
  p.setPen(QPen(measuredColor, Mm(0.45) / scale));
  p.drawPath(MeasuredOutline(shapes.measured));
  p.restore();

  // The legend.
  p.save();
  const double x = side + Mm(6);
  double y = top + Mm(2);
  auto entry = [&](const QColor& color, Qt::PenStyle style, const QString& text) {
    p.setPen(QPen(color, Mm(0.45), style));
    p.drawLine(QPointF(x, y + Mm(2)), QPointF(x + Mm(10), y + Mm(2)));
    p.setPen(Qt::black);
    const QRectF box(x + Mm(13), y, pages.width() - x - Mm(13), Mm(12));
    const QRectF used = p.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    y += used.height() + Mm(2.5);
  };
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8.5));
  const Measured& m = shapes.measured;
  QString measured = QStringLiteral("Measured before: %1 x %2 mm across the middle")
                         .arg(QString::number(m.width, 'g', 8), QString::number(m.height, 'g', 8));
  if (m.top)
    measured += QStringLiteral("; top edge %1 mm, left edge %2 mm")
                    .arg(QString::number(*m.top, 'g', 8), QString::number(*m.left, 'g', 8));
  entry(measuredColor, Qt::SolidLine, measured);
  if (shapes.expectedWidth)
    entry(expectedColor, Qt::SolidLine,
          QStringLiteral("Expected after: %1 x %2 mm")
              .arg(QString::number(*shapes.expectedWidth, 'g', 8), QString::number(*shapes.expectedHeight, 'g', 8)));
  entry(nominalColor, Qt::DashLine, QStringLiteral("Nominal: %1 x %1 mm").arg(QString::number(shapes.nominal, 'g', 8)));
  p.setPen(Qt::black);
  p.drawText(QRectF(x, y, pages.width() - x, Mm(12)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QStringLiteral("Drawn to scale, centred; grid lines 10 mm apart."));
  p.restore();
  pages.advance(side + Mm(4));
}

void CalibrationPart(Pages& pages, const QJsonObject& content) {
  const QJsonArray rounds = content.value(QLatin1String("calibrations")).toArray();
  pages.heading(QStringLiteral("Calibration rounds"));
  if (rounds.isEmpty()) {
    pages.paragraph(QStringLiteral("No calibration rounds were logged for this system in that time."), true);
    return;
  }
  int number = 0;
  for (const QJsonValue& v : rounds) {
    const QJsonObject round = v.toObject();
    const QJsonObject c = round.value(QLatin1String("calibration")).toObject();
    pages.subheading(
        QStringLiteral("Round %1, %2 (%3)")
            .arg(++number)
            .arg(LocalTime(round.value(QLatin1String("time"))), Text(round.value(QLatin1String("outcome")))));
    const QJsonObject measured = c.value(QLatin1String("measured")).toObject();
    const QJsonObject before = c.value(QLatin1String("old")).toObject();
    const QJsonObject after = c.value(QLatin1String("new")).toObject();
    const QJsonObject expected = c.value(QLatin1String("expected")).toObject();
    std::vector<QStringList> rows;
    auto mm = [&](const QString& what, const QJsonObject& of, const char* key) {
      if (of.contains(QLatin1String(key))) rows.push_back({what, Text(of.value(QLatin1String(key))) + " mm", {}});
    };
    mm(QStringLiteral("Measured width"), measured, "width_mm");
    mm(QStringLiteral("Measured height"), measured, "height_mm");
    mm(QStringLiteral("Measured top edge"), measured, "top_mm");
    mm(QStringLiteral("Measured left edge"), measured, "left_mm");
    mm(QStringLiteral("Nominal square"), c, "nominal_mm");
    for (const char* key : {"scale_x", "scale_y", "distortion_x", "distortion_y"}) {
      rows.push_back(
          {QString::fromLatin1(key), Text(before.value(QLatin1String(key))), Text(after.value(QLatin1String(key)))});
    }
    mm(QStringLiteral("Expected width"), expected, "width_mm");
    mm(QStringLiteral("Expected height"), expected, "height_mm");
    rows.push_back({QStringLiteral("Within tolerance"), Text(c.value(QLatin1String("within_tolerance"))), {}});
    rows.push_back({QStringLiteral("Sent"), Text(c.value(QLatin1String("sent"))), {}});
    pages.table(
        {QStringLiteral("Measurement or correction"), QStringLiteral("Before / value"), QStringLiteral("After")},
        {0.40, 0.30, 0.30}, rows);
    if (const auto shapes = ShapesOf(c))
      Drawing(pages, *shapes);
    else
      pages.paragraph(QStringLiteral("This round's sizes cannot be drawn."), true);
  }
}

}  // namespace

std::optional<QByteArray> RenderReportPdf(const QJsonObject& content, std::string* why) {
  const QString format = content.value(QLatin1String("format")).toString();
  if (format != QLatin1String(svc::kReportFormat.data(), static_cast<qsizetype>(svc::kReportFormat.size())) ||
      content.value(QLatin1String("version")).toInt() != svc::kReportVersion) {
    if (why) *why = "the content is not a service report of this tool";
    return std::nullopt;
  }
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Service Report"));
    writer.setCreator(QStringLiteral("zor-maintenance ") + Text(content.value(QLatin1String("tool_version"))));
    QPainter painter(&writer);
    const QJsonValue identity = content.value(QLatin1String("identity"));
    const QString serial = identity.isObject() ? Text(identity.toObject().value(QLatin1String("serial_number")))
                                               : QStringLiteral("(not read)");
    const QString made = LocalTime(content.value(QLatin1String("made")));
    const QString host = Text(content.value(QLatin1String("host")));
    Pages pages(writer, painter, QStringLiteral("Service report, serial number %1, made %2").arg(serial, made));

    SettingValues values;
    for (const QJsonValue& v : content.value(QLatin1String("settings")).toArray()) {
      const QJsonObject row = v.toObject();
      if (row.value(QLatin1String("not_read")).toBool()) {
        for (const QJsonValue& k : row.value(QLatin1String("keys")).toArray()) values.notRead.insert(k.toString());
      }
      for (const QJsonValue& f : row.value(QLatin1String("fields")).toArray())
        values.text[f.toObject().value(QLatin1String("key")).toString()] =
            Text(f.toObject().value(QLatin1String("text")));
    }
    for (const QJsonValue& n : content.value(QLatin1String("not_on_family")).toArray())
      values.notOnFamily.insert(n.toString());

    pages.title(QStringLiteral("Service Report"));
    const QString name = identity.isObject() ? Text(identity.toObject().value(QLatin1String("system_name")))
                                             : QStringLiteral("(identity not read)");
    pages.paragraph(QStringLiteral("ZOR laser marking system %1, serial number %2").arg(name, serial));
    pages.paragraph(QStringLiteral("Made on %1 on host %2 with zor-maintenance %3")
                        .arg(made, host, Text(content.value(QLatin1String("tool_version")))));
    SystemPart(pages, content, values);
    SettingsPart(pages, content);
    LogPart(pages, content);
    CalibrationPart(pages, content);
  }
  buffer.close();
  return pdf;
}

}  // namespace zor::report
