#include "dialogs/outcome_view.h"

namespace zor::dialogs {

bool ShowOutcome(zor::platform::Dialog& owner, const zor::service::Outcome& outcome, const QString& title) {
  if ((!outcome.ok() && !outcome.message.empty()) || outcome.notKept)
    owner.prompter().showMessage(&owner, qstr(zor::service::FullMessage(outcome)), title,
                                 zor::platform::Prompter::Icon::Warning);
  return outcome.ok();
}

}  // namespace zor::dialogs
