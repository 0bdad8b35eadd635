// zorctl list: every system a discovery finds.
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <array>

#include "link/system_info.h"
#include "service/settings.h"
#include "service/text.h"
#include "zorctl/commands_common.h"

namespace zor::zorctl {

namespace svc = zor::service;

int List(Context& c) {
  if (c.inv.options.dryRun) return DryRead(c, {});
  const svc::Reading<std::vector<zor::link::FoundSystem>> listed = c.session.list();
  if (!listed.ok()) return c.out.finish(listed);
  // serial, name, address, family; the name is the controller's own Latin-1 text.
  std::vector<std::array<QString, 4>> rows;
  for (const zor::link::FoundSystem& s : listed.value) {
    const QString name = QString::fromLatin1(s.name.data(), static_cast<qsizetype>(s.name.size()));
    rows.push_back({QString::number(s.serial), name, QString::fromStdString(zor::link::AddressText(s)),
                    ToQString(svc::FamilyName(zor::link::DecideFamily(name.toStdU16String())))});
  }
  if (c.out.json()) {
    QJsonArray systems;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      QJsonObject system;
      system.insert(QStringLiteral("serial"), listed.value[i].serial);
      system.insert(QStringLiteral("name"), rows[i][1]);
      system.insert(QStringLiteral("address"), rows[i][2]);
      system.insert(QStringLiteral("family"), rows[i][3]);
      systems.append(system);
    }
    c.out.set(QStringLiteral("systems"), systems);
    return c.out.finish(kDone);
  }
  rows.insert(rows.begin(), {Tr("zorctl::List", "SERIAL").local(), Tr("zorctl::List", "NAME").local(),
                             Tr("zorctl::List", "ADDRESS").local(), Tr("zorctl::List", "FAMILY").local()});
  std::array<qsizetype, 4> widths{};
  for (auto& row : rows) {
    row[1] = svc::OneLine(row[1]);
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = std::max(widths[i], Columns(row[i]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i + 1 < row.size(); ++i) line += Padded(row[i], widths[i]) + "  ";
    c.out.line(line + row.back().toStdString());
  }
  return c.out.finish(kDone);
}

}  // namespace zor::zorctl
