#include "grid/ChannelOpTexts.h"

#include "base/FillText.h"

namespace tevano {

namespace {

ChannelSet Shifted(const ChannelSet& channels, int by) {
    ChannelSet moved;
    for (const int channel : channels) {
        moved.push_back(channel + by);
    }
    return moved;
}

TextPair StepName(ChannelOp op) {
    switch (op) {
    case ChannelOp::Cut:
        return {"Cut Channels", "剪切频道"};
    case ChannelOp::Copy:
        return {"Copy Channels", "复制频道"};
    case ChannelOp::Paste:
        return {"Paste Channels", "粘贴频道"};
    case ChannelOp::Clear:
        return {"Clear Channels", "清除频道"};
    case ChannelOp::Insert:
        return {"Insert Channels", "插入频道"};
    case ChannelOp::Delete:
        return {"Delete Channels", "删除频道"};
    case ChannelOp::MoveUp:
    case ChannelOp::MoveDown:
        return {"Move Channels", "移动频道"};
    case ChannelOp::SortByFrequency:
    case ChannelOp::SortByName:
        return {"Sort Channels", "排序频道"};
    case ChannelOp::Fill:
        return {"Fill Channels", "填充频道"};
    case ChannelOp::Edit:
        return {"Edit Channel <channel>", "编辑频道 <channel>"};
    }
    return {"", ""};
}

TextPair DoneText(ChannelOp op) {
    switch (op) {
    case ChannelOp::Cut:
        return {"Cut channels <channels>.", "已剪切频道 <channels>。"};
    case ChannelOp::Copy:
        return {"Copied channels <channels>.", "已复制频道 <channels>。"};
    case ChannelOp::Paste:
        return {"Pasted into channels <channels>.", "已粘贴到频道 <channels>。"};
    case ChannelOp::Clear:
        return {"Cleared channels <channels>.", "已清除频道 <channels>。"};
    case ChannelOp::Insert:
        return {"Inserted empty channels <channels>.", "已插入空频道 <channels>。"};
    case ChannelOp::Delete:
        return {"Deleted channels <channels>.", "已删除频道 <channels>。"};
    case ChannelOp::MoveUp:
    case ChannelOp::MoveDown:
        return {"Moved channels <channels> to <to>.", "已将频道 <channels> 移到 <to>。"};
    case ChannelOp::SortByFrequency:
        return {"Sorted channels <channels> by receive frequency.",
                "已按接收频率排序频道 <channels>。"};
    case ChannelOp::SortByName:
        return {"Sorted channels <channels> by name.", "已按名称排序频道 <channels>。"};
    case ChannelOp::Fill:
        return {"Filled <column> of channels <channels>.", "已填充频道 <channels> 的<column>。"};
    case ChannelOp::Edit:
        break;
    }
    return {"", ""};
}

} // namespace

std::string ChannelRanges(const ChannelSet& channels) {
    std::string text;
    for (std::size_t i = 0; i < channels.size();) {
        std::size_t last = i;
        while (last + 1 < channels.size() && channels[last + 1] == channels[last] + 1) {
            ++last;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(channels[i]);
        if (last > i) {
            text += "-" + std::to_string(channels[last]);
        }
        i = last + 1;
    }
    return text;
}

std::string ChannelOpStepName(ChannelOp op, Language language, int channel) {
    return FillText(In(language, StepName(op)), {{"<channel>", std::to_string(channel)}});
}

std::string ChannelOpDoneText(ChannelOp op, const ChannelSet& channels, Language language,
                              const std::string& column) {
    const int by = op == ChannelOp::MoveUp ? -1 : 1;
    return FillText(In(language, DoneText(op)), {{"<channels>", ChannelRanges(channels)},
                                                 {"<to>", ChannelRanges(Shifted(channels, by))},
                                                 {"<column>", column}});
}

std::string ChannelOpText(ChannelOpTextId id, Language language) {
    TextPair text{"", ""};
    switch (id) {
    case ChannelOpTextId::NothingSelected:
        text = {"No channel is selected.", "没有选择频道。"};
        break;
    case ChannelOpTextId::AllEmpty:
        text = {"Channels <channels> are empty: nothing to do.", "频道 <channels> 为空，无需操作。"};
        break;
    case ChannelOpTextId::AtTheEdge:
        text = {"The channels cannot move further.", "频道无法再移动。"};
        break;
    case ChannelOpTextId::PushesUsedOut:
        text = {"Inserting <count> channels would push used channels past channel 128. Delete or "
                "move the channels at the end first.",
                "插入 <count> 个频道会把已用的频道挤出第128频道。请先删除或移动末尾的频道。"};
        break;
    case ChannelOpTextId::RunsPastTheEnd:
        text = {"The clipboard holds <count> channels, but from channel <first> only <left> are "
                "left. Nothing was pasted; paste from a channel further up.",
                "剪贴板中有 <count> 个频道，但从频道 <first> 起只剩 <left> 个。未粘贴任何内容；"
                "请从更靠前的频道粘贴。"};
        break;
    case ChannelOpTextId::PasteOverwrites:
        text = {"The paste overwrites <count> used channels from channel <first> on. Paste anyway?",
                "粘贴将覆盖从频道 <first> 起的 <count> 个已用频道。仍要粘贴吗？"};
        break;
    case ChannelOpTextId::NotChannels:
        text = {"The clipboard holds no channels. Copy channels in Tevano, or the rows of a "
                "channel list in a spreadsheet, and paste again.",
                "剪贴板中没有频道。请在 Tevano 中复制频道，或在电子表格中复制频道列表的行，"
                "然后再粘贴。"};
        break;
    case ChannelOpTextId::ClipboardName:
        text = {"the clipboard", "剪贴板"};
        break;
    case ChannelOpTextId::FillRefused:
        text = {"<column>: channels <channels> did not take the value and keep what they had.",
                "<column>：频道 <channels> 不接受该值，保持原样。"};
        break;
    }
    return In(language, text);
}

} // namespace tevano
