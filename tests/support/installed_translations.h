#pragma once
// The tool's own translations of a language, installed on the application
// for a scope, for tests of texts in the user's language.

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "text/translations.h"

namespace zor::test {

// The languages the tool is translated into.
inline constexpr const char* kTranslatedLanguages[] = {"de", "zh_CN"};

class Installed {
 public:
  // language: "de", "zh_CN"; "" installs none (English).
  explicit Installed(const QString& language) : translators_(zor::text::MakeTranslators(language)) {
    for (auto& t : translators_) QCoreApplication::installTranslator(t.get());
  }
  explicit Installed(const char* language) : Installed(QString::fromLatin1(language)) {}
  explicit Installed(const std::string& language) : Installed(QString::fromStdString(language)) {}
  ~Installed() {
    for (auto& t : translators_) QCoreApplication::removeTranslator(t.get());
  }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;
  const std::vector<std::unique_ptr<QTranslator>>& translators() const { return translators_; }

 private:
  std::vector<std::unique_ptr<QTranslator>> translators_;
};

}  // namespace zor::test
