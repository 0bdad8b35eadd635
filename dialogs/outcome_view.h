#pragma once
// Shows what an operation's outcome has to say, in a modal box owned by the
// window the operation ran from.

#include <QString>

#include "platform/dialog.h"
#include "service/outcome.h"
#include "service/text.h"

namespace zor::dialogs {

// A refusal with a text and a command the device link did not take are
// warnings, and so is a change the controller took but could not save; a
// failed read tells which value could not be read. Nothing is shown for
// success, for a silent refusal (the password), or when no system answered
// (that message was shown as it happened). Returns outcome.ok().
bool ShowOutcome(zor::platform::Dialog& owner, const zor::service::Outcome& outcome,
                 const QString& title = zor::platform::applicationTitle());

inline QString qstr(std::u16string_view text) { return zor::service::ToQString(text); }

}  // namespace zor::dialogs
