#pragma once
// One zorctl run's connection: the device link loaded by the tool's own rules
// (or the dry run's recording link), the pacer, and the service layer, with
// the system found once at start.

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "link/device_link.h"
#include "link/pacer.h"
#include "service/maintenance.h"
#include "zorctl/dry_run.h"
#include "zorctl/output.h"

namespace zorctl {

using Operation = std::function<zor::service::Outcome(zor::service::Maintenance&)>;

class Session final : public zor::service::Host {
 public:
  Session(Output& out, bool dryRun);
  ~Session() override;

  // Loads the device link and looks for the system. kDone, or the exit
  // status to end with, with its kind and message in problem.
  int open(std::string& kind, std::string& problem);

  zor::service::Maintenance& service() { return *service_; }
  bool dryRun() const { return dry_ != nullptr; }

  // Runs an operation that sends. Real runs that take longer than half a
  // second show their progress on a terminal; a dry run records the plan.
  zor::service::Outcome send(std::string_view what, const Operation& operation);

  // Puts the dry run's plan into the output.
  void reportPlan();

 private:
  class ProgressPacer;
  void notConnected() override;
  void identified(const zor::service::Identity& identity) override;

  Output& out_;
  std::unique_ptr<DryRun> dry_;
  std::unique_ptr<ProgressPacer> pacer_;
  zor::DeviceLink link_;
  std::unique_ptr<zor::service::Maintenance> service_;
  bool opening_ = false;
};

}  // namespace zorctl
