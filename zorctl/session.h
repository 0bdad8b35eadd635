#pragma once
// One zorctl run's connection: the device link loaded by the tool's own rules,
// the pacer, and the service layer, with the system found once at start.
// Every operation is first run on a recording link (a plan): that runs every
// check without touching the device link, is what --dry-run prints, and
// tells a real run how long its transfer takes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/device_link.h"
#include "service/maintenance.h"
#include "service/service_log.h"
#include "service/settings.h"
#include "zorctl/dry_run.h"
#include "zorctl/output.h"

namespace zor::zorctl {

struct Plan {
  zor::service::Outcome outcome;  // as far as the checks tell without a controller
  std::vector<PlanStep> steps;    // from finding the system on
  long long totalMs = 0;
  int packets = 0;
};

// Runs the operation on the recording link; the device link is not touched.
Plan MakePlan(const zor::service::Task& operation);

// Puts a plan into the output: lines of text, or dry_run and total_ms.
void ReportPlan(const Plan& plan, Output& out);

class Session final : public zor::service::Host {
 public:
  // system: the serial of the system to address (--system); nothing: the
  // one the device link addresses.
  Session(Output& out, std::optional<std::int32_t> system);
  ~Session() override;

  // Loads the device link and looks for the system: Done, NoDeviceLink or
  // NotConnected, with what to tell. With a serial to address, it is
  // NotConnected unless that system answered.
  zor::service::Outcome open();

  // Loads the device link and makes one discovery: every system it lists.
  // NoDeviceLink, or NotConnected when none (or not the serial --system
  // names) answered.
  zor::service::Reading<std::vector<zor::link::FoundSystem>> list();

  zor::service::Maintenance& service() { return *service_; }

  // Runs an operation that sends; with a plan longer than half a second its
  // progress shows on a terminal. SIGINT and SIGTERM meanwhile only ask it to
  // stop (zorctl/interrupt.h).
  zor::service::Outcome send(std::string_view what, const zor::service::Task& operation, const Plan& plan);

 private:
  class ProgressPacer;
  void notConnected() override;
  void identified(const zor::service::Identity& identity) override;
  zor::service::Outcome load();
  // NotConnected, naming the serial to address (--system's or
  // ZORCOMM_SYSTEM's) and those found, when it is not among systems; done
  // when nothing was found (nothing answered) or no serial is named.
  zor::service::Outcome checkAddressed(const std::vector<zor::link::FoundSystem>& systems) const;

  Output& out_;
  std::optional<std::int32_t> system_;
  std::unique_ptr<ProgressPacer> pacer_;
  zor::link::DeviceLink link_;
  std::unique_ptr<zor::service::Maintenance> service_;
  std::unique_ptr<zor::service::ServiceLog> log_;  // every operation that sends, from open() on
  bool opening_ = false;
};

}  // namespace zor::zorctl
