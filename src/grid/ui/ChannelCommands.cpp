#include "grid/ui/ChannelCommands.h"

#include "base/FillText.h"
#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "grid/ChannelBlocks.h"
#include "grid/ChannelOpTexts.h"
#include "grid/ChannelWords.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvClipboard.h"
#include "grid/csv/CsvTexts.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/ChannelTableModel.h"
#include "grid/ui/ChannelTableView.h"
#include "grid/ui/ColumnClipboard.h"
#include "grid/ui/GridUndo.h"
#include "image/ui/CTevDoc.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <algorithm>
#include <functional>

namespace tevano {

namespace {

// A channel list for 128 channels is a few kilobytes: text far beyond this is something else.
constexpr qsizetype kLongestChannelText = 1 << 20;
// A box lists this many refused rows, then how many more.
constexpr std::size_t kMostRowsShown = 20;

Language Now() {
    return DisplayedLanguage();
}

void Tell(const ChannelCommandContext& context, const std::string& text) {
    context.prompts.Ask(context.window.Widget(), ToQt(text), Buttons::Ok);
}

void Note(const ChannelCommandContext& context, const std::string& text) {
    context.window.ShowNote(ToQt(text));
}

std::string Filled(ChannelOpTextId id, TextParts parts) {
    return FillText(ChannelOpText(id, Now()), parts);
}

bool AnyUsed(const RadioImage& image, const ChannelSet& channels) {
    return std::any_of(channels.begin(), channels.end(),
                       [&image](int channel) { return TakeChannel(image, channel).Used(); });
}

// Runs a change of the image as one named step; the selection follows the channels to
// `select`. False, with nothing changed, when the operation refuses.
bool Change(const ChannelCommandContext& context, ChannelOp op, const ChannelSet& reported,
            const std::function<BlockRefusal(RadioImage&)>& change, const ChannelSet& select) {
    CTevView& view = context.view;
    view.Undo().Flush(); // what was changed before is a step of its own
    RadioImage image = view.Document().Image();
    if (change(image) != BlockRefusal::None) {
        return false;
    }
    view.Document().Image() = image;
    view.ImageChanged();
    view.Undo().NameNextStep(ToQt(ChannelOpStepName(op, Now())));
    view.Undo().Flush();
    view.Document().SetModifiedFlag(true);
    view.Table().SelectChannels(select);
    Note(context, ChannelOpDoneText(op, reported, Now()));
    return true;
}

// The selected channels, with the editing committed first; none (and said) when no channel is
// selected, or when every one is empty and `needUsed`.
ChannelSet Selection(const ChannelCommandContext& context, bool needUsed) {
    context.view.Commit();
    const ChannelSet channels = context.view.Table().SelectedChannels();
    if (channels.empty()) {
        Note(context, ChannelOpText(ChannelOpTextId::NothingSelected, Now()));
        return {};
    }
    if (needUsed && !AnyUsed(context.view.Document().Image(), channels)) {
        Note(context, Filled(ChannelOpTextId::AllEmpty, {{"<channels>", ChannelRanges(channels)}}));
        return {};
    }
    return channels;
}

void Copy(const ChannelCommandContext& context, bool andClear) {
    const ChannelSet channels = Selection(context, true);
    if (channels.empty()) {
        return;
    }
    ChannelTableView& table = context.view.Table();
    const RadioImage& image = context.view.Document().Image();
    auto* data = new QMimeData;
    if (const int column = table.SelectedColumn(); column != 0) {
        PutColumnOnClipboard(*data, table, column, channels);
    } else {
        std::vector<WholeChannel> whole;
        for (const int channel : channels) {
            whole.push_back(TakeChannel(image, channel));
        }
        const std::string packed = PackChannels(whole);
        data->setData(kChannelsMimeType, QByteArray(packed.data(), static_cast<qsizetype>(packed.size())));
        data->setText(ToQt(ChannelsAsTabText(image, channels)));
    }
    QApplication::clipboard()->setMimeData(data);
    if (!andClear) {
        Note(context, ChannelOpDoneText(ChannelOp::Copy, channels, Now()));
        return;
    }
    Change(context, ChannelOp::Cut, channels,
           [&channels](RadioImage& changed) { return ClearChannels(changed, channels); }, channels);
}

// Asks before a paste overwrites used channels; false when the user says no.
bool MayOverwrite(const ChannelCommandContext& context, int first, int count) {
    const int used = UsedChannelsFrom(context.view.Document().Image(), first, count);
    return used == 0 ||
           context.prompts.Ask(context.window.Widget(),
                               ToQt(Filled(ChannelOpTextId::PasteOverwrites,
                                           {{"<count>", std::to_string(used)},
                                            {"<first>", std::to_string(first)}})),
                               Buttons::YesNo) == Answer::Yes;
}

bool FitsFrom(const ChannelCommandContext& context, int first, int count) {
    if (first + count - 1 <= kChannelCount) {
        return true;
    }
    Tell(context, Filled(ChannelOpTextId::RunsPastTheEnd,
                         {{"<count>", std::to_string(count)},
                          {"<first>", std::to_string(first)},
                          {"<left>", std::to_string(kChannelCount - first + 1)}}));
    return false;
}

ChannelSet Span(int first, int count) {
    ChannelSet channels;
    for (int i = 0; i < count; ++i) {
        channels.push_back(first + i);
    }
    return channels;
}

void PasteWhole(const ChannelCommandContext& context, int first,
                const std::vector<WholeChannel>& channels) {
    const int count = static_cast<int>(channels.size());
    if (!FitsFrom(context, first, count) || !MayOverwrite(context, first, count)) {
        return;
    }
    Change(context, ChannelOp::Paste, Span(first, count),
           [&](RadioImage& image) { return PasteChannels(image, first, channels); },
           Span(first, count));
}

// Text from a spreadsheet or another program, read as a channel list is imported.
void PasteText(const ChannelCommandContext& context, int first, const QString& text) {
    const Language language = Now();
    const std::string where = ChannelOpText(ChannelOpTextId::ClipboardName, language);
    if (text.size() > kLongestChannelText) {
        Tell(context, ChannelOpText(ChannelOpTextId::NotChannels, language));
        return;
    }
    CsvImportOptions options;
    options.firstChannel = first;
    options.cutNames = true;
    const CsvImport import = ReadChannelList(AsChannelList(FromQt(text)), language, options);
    const int rows = static_cast<int>(import.channels.size() + import.refusals.size());
    // Not one row is a channel: a paragraph, an address, anything but a list.
    if (import.listProblem != CsvListProblem::None || import.channels.empty()) {
        Tell(context, ChannelOpText(ChannelOpTextId::NotChannels, language));
        return;
    }
    if (!FitsFrom(context, first, rows)) {
        return;
    }
    if (!import.Takes(true)) {
        Tell(context, CsvImportFailureText(import, where, language, kMostRowsShown));
        return;
    }
    const bool cut = std::any_of(import.channels.begin(), import.channels.end(),
                                 [](const ImportedChannel& c) { return !c.fullName.empty(); });
    if ((!import.refusals.empty() || cut) &&
        context.prompts.Ask(context.window.Widget(),
                            ToQt(CsvPartialImportQuestion(import, where, language, kMostRowsShown)),
                            Buttons::YesNo) != Answer::Yes) {
        return;
    }
    if (!MayOverwrite(context, first, rows)) {
        return;
    }
    ChannelSet pasted;
    for (const ImportedChannel& channel : import.channels) {
        pasted.push_back(channel.channel);
    }
    Change(context, ChannelOp::Paste, pasted,
           [&import](RadioImage& image) {
               ApplyImportedChannels(image, import.channels);
               return BlockRefusal::None;
           },
           pasted);
}

void Paste(const ChannelCommandContext& context) {
    context.view.Commit();
    const ChannelSet selected = context.view.Table().SelectedChannels();
    const int first = selected.empty() ? 1 : selected.front();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr) {
        Tell(context, ChannelOpText(ChannelOpTextId::NotChannels, Now()));
        return;
    }
    if (PasteColumnFromClipboard(*data, context.view, first)) {
        return;
    }
    if (data->hasFormat(kChannelsMimeType)) {
        const QByteArray bytes = data->data(kChannelsMimeType);
        if (const auto channels =
                UnpackChannels(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
            PasteWhole(context, first, *channels);
            return;
        }
    }
    if (data->hasText()) {
        PasteText(context, first, data->text());
        return;
    }
    Tell(context, ChannelOpText(ChannelOpTextId::NotChannels, Now()));
}

// Whether the keyboard is in a field or list of its own (a cell's editor, the "Field" list):
// Delete there is that control's, never the channels'.
bool KeysElsewhere(const ChannelCommandContext& context) {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus != &context.view.Table() &&
           (qobject_cast<const QLineEdit*>(focus) != nullptr ||
            qobject_cast<const QComboBox*>(focus) != nullptr);
}

void Clear(const ChannelCommandContext& context) {
    if (KeysElsewhere(context)) {
        return;
    }
    const ChannelSet channels = Selection(context, true);
    if (!channels.empty()) {
        Change(context, ChannelOp::Clear, channels,
               [&channels](RadioImage& image) { return ClearChannels(image, channels); },
               channels);
    }
}

void Insert(const ChannelCommandContext& context) {
    const ChannelSet channels = Selection(context, false);
    if (channels.empty()) {
        return;
    }
    const ChannelSet inserted = Span(channels.front(), static_cast<int>(channels.size()));
    if (!Change(context, ChannelOp::Insert, inserted,
                [&channels](RadioImage& image) { return InsertChannels(image, channels); },
                inserted)) {
        Tell(context, Filled(ChannelOpTextId::PushesUsedOut,
                             {{"<count>", std::to_string(channels.size())}}));
    }
}

void Delete(const ChannelCommandContext& context) {
    const ChannelSet channels = Selection(context, false);
    if (!channels.empty()) {
        Change(context, ChannelOp::Delete, channels,
               [&channels](RadioImage& image) { return DeleteChannels(image, channels); },
               {channels.front()});
    }
}

void Move(const ChannelCommandContext& context, int by) {
    const ChannelSet channels = Selection(context, false);
    if (channels.empty()) {
        return;
    }
    ChannelSet moved;
    for (const int channel : channels) {
        moved.push_back(channel + by);
    }
    if (!Change(context, by < 0 ? ChannelOp::MoveUp : ChannelOp::MoveDown, channels,
                [&](RadioImage& image) { return MoveChannels(image, channels, by); }, moved)) {
        Note(context, ChannelOpText(ChannelOpTextId::AtTheEdge, Now()));
    }
}

void Sort(const ChannelCommandContext& context, SortKey key) {
    ChannelSet channels = Selection(context, false);
    if (channels.size() == 1) {
        channels = Span(1, kChannelCount); // one cell selected: all channels
    }
    if (channels.empty()) {
        return;
    }
    if (!AnyUsed(context.view.Document().Image(), channels)) {
        Note(context, Filled(ChannelOpTextId::AllEmpty, {{"<channels>", ChannelRanges(channels)}}));
        return;
    }
    Change(context, key == SortKey::Name ? ChannelOp::SortByName : ChannelOp::SortByFrequency,
           channels, [&](RadioImage& image) { return SortChannels(image, channels, key); },
           channels);
}

// The context menu: the Edit menu's channel operations, under the mouse.
void ShowContextMenu(const ChannelCommandContext& context, const QPoint& where) {
    ChannelTableView& table = context.view.Table();
    QMenu menu(&table);
    const int groups[][6] = {
        {res::cmd::kEditCut, res::cmd::kEditCopy, res::cmd::kEditPaste, res::cmd::kEditClear, 0, 0},
        {res::cmd::kInsertChannels, res::cmd::kDeleteChannels, res::cmd::kMoveChannelsUp,
         res::cmd::kMoveChannelsDown, res::cmd::kSortByFrequency, res::cmd::kSortByName},
    };
    for (const auto& group : groups) {
        if (!menu.isEmpty()) {
            menu.addSeparator();
        }
        for (const int id : group) {
            if (QAction* action = id != 0 ? context.window.Action(id) : nullptr) {
                menu.addAction(action);
            }
        }
    }
    menu.exec(table.viewport()->mapToGlobal(where));
}

} // namespace

void AddChannelCommands(CommandRegistry& registry, const ChannelCommandContext& context) {
    registry.AddCommand(res::cmd::kEditCopy, [context] { Copy(context, false); });
    registry.AddCommand(res::cmd::kEditCut, [context] { Copy(context, true); });
    registry.AddCommand(res::cmd::kEditPaste, [context] { Paste(context); });
    registry.AddCommand(res::cmd::kEditClear, [context] { Clear(context); });
    registry.AddCommand(res::cmd::kEditSelectAll, [context] {
        context.view.Commit();
        context.view.Table().SelectChannels(Span(1, kChannelCount));
    });
    registry.AddCommand(res::cmd::kInsertChannels, [context] { Insert(context); });
    registry.AddCommand(res::cmd::kDeleteChannels, [context] { Delete(context); });
    registry.AddCommand(res::cmd::kMoveChannelsUp, [context] { Move(context, -1); });
    registry.AddCommand(res::cmd::kMoveChannelsDown, [context] { Move(context, 1); });
    registry.AddCommand(res::cmd::kSortByFrequency,
                        [context] { Sort(context, SortKey::RxFrequency); });
    registry.AddCommand(res::cmd::kSortByName, [context] { Sort(context, SortKey::Name); });
    QObject::connect(&context.view.Table(), &QWidget::customContextMenuRequested,
                     &context.view.Table(),
                     [context](const QPoint& where) { ShowContextMenu(context, where); });
}

} // namespace tevano
