#include "radiolink/LineNoteText.h"

#include "base/NumberText.h"
#include "radiolink/RadioLinkTexts.h"

namespace tevano {

std::string LineNoteText(const LineNote& note, Language language) {
    switch (note.kind) {
    case LineNote::Kind::Echoing:
        return RadioLinkText(RadioLinkTextId::LineEchoes, language);
    case LineNote::Kind::WrongBlock:
        return RadioLinkText(RadioLinkTextId::ReplyWrongBlock, language,
                             {{"<named>", HexOffsetText(note.namedAddress)},
                              {"<expected>", HexOffsetText(note.expectedAddress)}});
    case LineNote::Kind::WrongLength:
        return RadioLinkText(RadioLinkTextId::ReplyWrongLength, language,
                             {{"<block>", HexOffsetText(note.expectedAddress)},
                              {"<length>", std::to_string(note.namedLength)}});
    }
    return std::string();
}

} // namespace tevano
