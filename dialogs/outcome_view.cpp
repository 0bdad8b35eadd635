#include "dialogs/outcome_view.h"

namespace dialogs {

bool ShowOutcome(platform::Dialog& owner, const zor::service::Outcome& outcome, const QString& title) {
  if ((!outcome.ok() && !outcome.message.empty()) || outcome.notKept)
    owner.prompter().showMessage(&owner, qstr(zor::service::FullMessage(outcome)), title,
                                 platform::Prompter::Icon::Warning);
  return outcome.ok();
}

}  // namespace dialogs
