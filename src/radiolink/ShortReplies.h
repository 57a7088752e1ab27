// What the user is told after a read in which the radio answered some blocks with 10 or 11 of
// their 12 bytes: which block, and which image offsets did not arrive (they keep the value they
// had), in English or Chinese.
#pragma once

#include "base/Language.h"
#include "radiolink/CloneExchange.h"

#include <string>
#include <vector>

namespace tevano {

// One line for one block: its address and the offsets that did not arrive.
std::string ShortReplyText(const ShortReply& reply, Language language);

// The message after a read: a first line, then one line per block; "" when no reply was short.
std::string ShortRepliesText(const std::vector<ShortReply>& replies, Language language);

} // namespace tevano
