#pragma once
// Finds the texts of a window that never went through the translation
// system, or went through it under a context the translation files do not
// know (so no language ever translates them). While a Bracketing is alive
// every text asked for under a known context (one of i18n/*.ts, or one of
// Qt's own classes, which Qt's own translations cover) comes back as
// "[[text]]"; a window built meanwhile shows each such text in brackets, so a
// text without them was put together past tr() or under a wrong context.

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStringList>
#include <QTranslator>
#include <QWidget>
#include <set>
#include <utility>

#include "tests/i18n/ts_checks.h"

namespace zor::test {

class BracketingTranslator final : public QTranslator {
 public:
  BracketingTranslator() {
    QStringList errors;
    for (const zortest::TsMessage& m : zortest::ReadAllTs(QStringLiteral(ZOR_SOURCE_DIR), &errors))
      known_.emplace(m.context, m.source);
  }
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override {
    if (source == nullptr || *source == '\0') return {};
    const QString text = QString::fromUtf8(source);
    const QString in = QString::fromUtf8(context == nullptr ? "" : context);
    if (!in.startsWith(u'Q') && !known_.contains({in, text})) return {};
    return QStringLiteral("[[") + text + QStringLiteral("]]");
  }

 private:
  std::set<std::pair<QString, QString>> known_;
};

class Bracketing {
 public:
  Bracketing() { QCoreApplication::installTranslator(&translator_); }
  ~Bracketing() { QCoreApplication::removeTranslator(&translator_); }
  Bracketing(const Bracketing&) = delete;
  Bracketing& operator=(const Bracketing&) = delete;

 private:
  BracketingTranslator translator_;
};

// Each text of the window a person reads or hears, but the cells of its
// lists and tables (values), as "where: text".
inline QStringList ShownTexts(QWidget& window) {
  QStringList texts;
  const auto add = [&texts](const QObject& where, const QString& text) {
    if (!text.isEmpty()) texts << where.metaObject()->className() + QStringLiteral(": ") + text;
  };
  const auto addMenu = [&](const QWidget& menu, const auto& self) -> void {
    for (const QAction* action : menu.actions()) {
      add(menu, action->text());
      add(menu, action->toolTip());
      if (action->menu() != nullptr) self(*action->menu(), self);
    }
  };
  add(window, window.windowTitle());
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    add(*widget, widget->toolTip());
    add(*widget, widget->accessibleName());
    add(*widget, widget->accessibleDescription());
    if (auto* label = qobject_cast<QLabel*>(widget)) add(*label, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) add(*button, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) add(*group, group->title());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) add(*edit, edit->placeholderText());
    if (auto* bar = qobject_cast<QStatusBar*>(widget)) add(*bar, bar->currentMessage());
    if (auto* menuBar = qobject_cast<QMenuBar*>(widget)) addMenu(*menuBar, addMenu);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < combo->count(); ++i) add(*combo, combo->itemText(i));
    if (auto* header = qobject_cast<QHeaderView*>(widget);
        header != nullptr && header->orientation() == Qt::Horizontal && !header->isHidden() && header->model()) {
      for (int c = 0; c < header->count(); ++c) add(*header, header->model()->headerData(c, Qt::Horizontal).toString());
    }
  }
  return texts;
}

// The texts of ShownTexts() without brackets, but those that are values.
inline QStringList Unbracketed(QWidget& window, const QStringList& values = {}) {
  QStringList found;
  for (const QString& text : ShownTexts(window)) {
    const QString shown = text.section(QStringLiteral(": "), 1);
    if (!shown.contains(QStringLiteral("[[")) && !values.contains(shown)) found << text;
  }
  return found;
}

}  // namespace zor::test
