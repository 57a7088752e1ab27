#include "radiolink/ShortReplies.h"

#include "base/NumberText.h"
#include "radiolink/CloneFrames.h"
#include "radiolink/RadioLinkTexts.h"

namespace tevano {

std::string ShortReplyText(const ShortReply& reply, Language language) {
    const std::size_t end = reply.blockAddress + kBlockSize;
    const std::size_t first = end - reply.bytesMissing;
    if (reply.bytesMissing == 1) {
        return RadioLinkText(
            RadioLinkTextId::ShortReplyOneByte, language,
            {{"<block>", HexOffsetText(reply.blockAddress)}, {"<offset>", HexOffsetText(first)}});
    }
    return RadioLinkText(RadioLinkTextId::ShortReply, language,
                         {{"<block>", HexOffsetText(reply.blockAddress)},
                          {"<offsets>", HexOffsetText(first) + "-" + HexOffsetText(end - 1)}});
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
