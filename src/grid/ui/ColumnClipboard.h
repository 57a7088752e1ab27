// Cells of one column copied from several channels, and pasted into that column only: the cell
// texts one per line for other programs, and the column's number with them for Tevano.
#pragma once

#include <vector>

class QMimeData;

namespace tevano {

class CTevView;
class ChannelTableView;

inline constexpr const char* kColumnMimeType = "application/x-tevano-column";

// The channels' cells of the column, as text and in Tevano's own form.
void PutColumnOnClipboard(QMimeData& data, const ChannelTableView& table, int column,
                          const std::vector<int>& channels);

// Puts the cells into their column from channel `first` on, each through the channel rules, as
// one undo step. False when the clipboard holds no such cells (another kind of paste goes on).
bool PasteColumnFromClipboard(const QMimeData& data, CTevView& view, int first);

} // namespace tevano
