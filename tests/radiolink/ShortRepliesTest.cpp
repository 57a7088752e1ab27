#include "radiolink/ShortReplies.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

// A reply of 11 bytes misses one image offset, one of 10 a range; the list starts with its
// heading line, then a line per block, in both languages.
TEST(ShortRepliesText, NamesOneOffsetOrARangePerBlock) {
    const std::vector<ShortReply> replies = {{0x0060, 1}, {0x0960, 2}};
    EXPECT_EQ(ShortRepliesText(replies, Language::English),
              "The read is complete, but some of the radio's replies were short; the bytes that "
              "did not arrive keep their earlier values:\n"
              "The radio's reply to block 0x0060 was short: image offset 0x0067 did not arrive.\n"
              "The radio's reply to block 0x0960 was short: image offsets 0x0966-0x0967 did not "
              "arrive.");
    EXPECT_EQ(ShortReplyText(replies[0], Language::Chinese),
              "对讲机对数据块 0x0060 的回复不完整：映像偏移 0x0067 未收到。");
    EXPECT_EQ(ShortRepliesText({}, Language::English), "");
}

} // namespace
} // namespace tevano
