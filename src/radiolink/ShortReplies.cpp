#include "radiolink/ShortReplies.h"

#include "base/NoteTexts.h"
#include "radiolink/CloneFrames.h"

#include <cstdio>

namespace tevano {

namespace {

std::string Offset(std::size_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04zX", offset);
    return text;
}

} // namespace

std::string ShortReplyText(const ShortReply& reply, bool english) {
    const std::size_t end = reply.blockAddress + kBlockSize;
    const std::size_t first = end - reply.bytesMissing;
    const std::string offsets =
        reply.bytesMissing == 1 ? Offset(first) : Offset(first) + "-" + Offset(end - 1);
    return FillNote(NoteId::ShortReply, english,
                    {{"<block>", Offset(reply.blockAddress)}, {"<offsets>", offsets}});
}

std::string ShortRepliesText(const std::vector<ShortReply>& replies, bool english) {
    if (replies.empty()) {
        return std::string();
    }
    std::string text = NoteText(NoteId::ShortRepliesRead, english);
    for (const ShortReply& reply : replies) {
        text += "\n" + ShortReplyText(reply, english);
    }
    return text;
}

} // namespace tevano
