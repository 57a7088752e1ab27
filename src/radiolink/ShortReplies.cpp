#include "radiolink/ShortReplies.h"

#include "radiolink/CloneFrames.h"
#include "radiolink/RadioLinkTexts.h"

#include <cstdio>

namespace tevano {

namespace {

std::string Offset(std::size_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04zX", offset);
    return text;
}

} // namespace

std::string ShortReplyText(const ShortReply& reply, Language language) {
    const std::size_t end = reply.blockAddress + kBlockSize;
    const std::size_t first = end - reply.bytesMissing;
    if (reply.bytesMissing == 1) {
        return RadioLinkText(
            RadioLinkTextId::ShortReplyOneByte, language,
            {{"<block>", Offset(reply.blockAddress)}, {"<offset>", Offset(first)}});
    }
    return RadioLinkText(RadioLinkTextId::ShortReply, language,
                         {{"<block>", Offset(reply.blockAddress)},
                          {"<offsets>", Offset(first) + "-" + Offset(end - 1)}});
}

std::string ShortRepliesText(const std::vector<ShortReply>& replies, Language language) {
    if (replies.empty()) {
        return std::string();
    }
    std::string text = RadioLinkText(RadioLinkTextId::ShortRepliesRead, language);
    for (const ShortReply& reply : replies) {
        text += "\n" + ShortReplyText(reply, language);
    }
    return text;
}

} // namespace tevano
