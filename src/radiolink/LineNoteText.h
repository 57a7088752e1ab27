// What the user is told about the line beside the exchange's messages, in English or Chinese:
// that the cable echoes, or which block a refused read reply named instead of the one asked for.
#pragma once

#include "base/Language.h"
#include "radiolink/ExchangeHook.h"

#include <string>

namespace tevano {

std::string LineNoteText(const LineNote& note, Language language);

} // namespace tevano
