#pragma once
// Texts for people that the service layer gives its front ends besides its
// outcomes: the names of the panel's fields and the titles of the settings,
// as messages name them, and the fixed messages the front ends show. Each is
// a PeopleText: the English for the service log and JSON, the user's
// language for the person.

#include <string_view>

#include "service/outcome.h"
#include "text/people_text.h"

namespace zor::service {

// The name the panel gives an input ("Max Current"), for messages.
text::PeopleText InputText(Input input);

// A setting's title as the table of settings gives it ("Min Current").
text::PeopleText SettingTitleText(std::u16string_view title);

// What zorctl says of a wrong password (the panel says nothing).
text::PeopleText WrongPasswordText();
// The MAC field does not hold all six groups.
text::PeopleText MacIncompleteText();
// A system answered, but its identity block could not be read.
text::PeopleText IdentityUnreadableText();

}  // namespace zor::service
