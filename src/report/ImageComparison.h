// Two radio images compared as the window shows them: one difference for each channel field,
// form list and radio-wide setting whose shown value differs, and the bytes no field shows.
#pragma once

#include "base/Language.h"
#include "image/RadioImage.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tevano {

// One field whose shown value differs: where it is ("Channel 5, Rx Frequency"), and its value in
// this image and in the other, in the words of the grid and the dialogs (empty for an empty cell
// or a list without a pick).
struct FieldDifference {
    std::string where;
    std::string ours;
    std::string theirs;
};

struct ImageComparison {
    std::vector<FieldDifference> fields;
    // Offsets of the bytes that differ although every field shows the same: what no field of the
    // window shows (a record's unused byte, the scan bitmap, an unknown settings byte).
    std::vector<std::size_t> unshownOffsets;

    [[nodiscard]] bool Same() const { return fields.empty() && unshownOffsets.empty(); }
};

// `ours` is this document (or what was written), `theirs` the other image (a file, the radio).
[[nodiscard]] ImageComparison CompareImages(const RadioImage& ours, const RadioImage& theirs,
                                            Language language);

// The comparison as lines of text: "Channel 5, Rx Frequency: 145.50000 / 146.52000" for each
// field, then one line naming the offsets of the bytes no field shows. None when they are same.
std::vector<std::string> ComparisonLines(const ImageComparison& comparison, Language language);

// "1 place", "23 places": how many lines the comparison has.
std::string PlacesOf(const ImageComparison& comparison, Language language);

// "The document and <other> hold the same." or "... differ in 3 places.".
std::string ComparisonSummary(const ImageComparison& comparison, const std::string& other,
                              Language language);

// The line for the bytes no field shows, offsets in runs: "... 0x80C, 0xC50-0xC51".
std::string UnshownBytesLine(const std::vector<std::size_t>& offsets, Language language);

// For scripts: a header line, then "where<TAB>ours<TAB>theirs" per field and one line per byte
// no field shows ("Byte 0x80C<TAB>0x05<TAB>0x07"). Tabs and line breaks in values become blanks.
std::string ComparisonTsv(const ImageComparison& comparison, const RadioImage& ours,
                          const RadioImage& theirs, Language language);

} // namespace tevano
