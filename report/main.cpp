// zor-report: the service report's PDF from its content. zorctl gathers the
// content (service/report.h) and hands it over as JSON on standard input;
// the PDF comes back on standard output. A program of its own, so that zorctl
// itself stays free of Qt's GUI libraries. It never opens a window.
#include <unistd.h>

#include <QGuiApplication>
#include <QJsonDocument>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "files/errno_text.h"
#include "report/pdf_report.h"
#include "text/translations.h"

namespace {

// More than any report's content: the service log is read at most 8 MB.
constexpr std::size_t kMaxInput = 32 * 1024 * 1024;

enum Exit { kDone = 0, kUsage = 2, kFileProblem = 5 };

int Fail(int status, const std::string& why) {
  std::fprintf(stderr, "zor-report: %s\n", why.c_str());
  return status;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string arg = argv[1];
    if (arg == "--version") return std::printf("zor-report " ZOR_VERSION "\n") < 0 ? kFileProblem : kDone;
    return Fail(kUsage,
                "takes a service report's content as JSON on standard input and writes its PDF to standard output; "
                "zorctl report runs it");
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // The report's texts in the user's language, as the panel lays them out.
  zor::text::LoadTranslations();
  std::string input;
  char chunk[65536];
  for (;;) {
    const ssize_t n = read(STDIN_FILENO, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Fail(kFileProblem, zor::files::errnoText("cannot read standard input"));
    if (n == 0) break;
    input.append(chunk, static_cast<std::size_t>(n));
    if (input.size() > kMaxInput) return Fail(kUsage, "the report's content is larger than 32 MB");
  }
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(input), &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject())
    return Fail(kUsage, "the report's content is not a JSON object");
  std::string why;
  const auto pdf = zor::report::RenderReportPdf(doc.object(), &why);
  if (!pdf) return Fail(kUsage, why);
  if (!WriteAll(STDOUT_FILENO, pdf->constData(), static_cast<std::size_t>(pdf->size())))
    return Fail(kFileProblem, zor::files::errnoText("cannot write the PDF"));
  return kDone;
}
