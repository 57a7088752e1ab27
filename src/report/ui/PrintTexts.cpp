#include "report/ui/PrintTexts.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of PreviewWord; the words of the radio tool's preview bar, with their mnemonics.
constexpr std::array<TextPair, 9> kPreviewWords = {{
    {"Print Preview", "打印预览"},
    {"&Print...", "打印(&P)..."},
    {"&Next Page", "下一页(&N)"},
    {"Pr&ev Page", "上一页(&E)"},
    {"&Two Page", "两页(&T)"},
    {"&One Page", "单页(&O)"},
    {"Zoom &In", "放大(&I)"},
    {"Zoom &Out", "缩小(&U)"},
    {"&Close", "关闭(&C)"},
}};

// The page count and the printing problems; "%1" and "%2" are filled by the functions below.
enum class PrintText { OnePage, TwoPages, NoPrinter, PrintFailed };

constexpr std::array<TextPair, 4> kPrintTexts = {{
    {"Page %1", "第 %1 页"},
    {"Pages %1-%2", "第 %1-%2 页"},
    {"No printer is set up, so the report cannot be printed. Add a printer in the system's "
     "printer settings, then print again.",
     "没有安装打印机，无法打印报表。请先在系统的打印机设置中添加打印机，然后重新打印。"},
    {"The report could not be printed on \"%1\". Check that the printer is ready (or that the "
     "file can be written), then print again.",
     "无法在“%1”上打印报表。请检查打印机是否就绪（或文件能否写入），然后重新打印。"},
}};

QString Text(PrintText text, Language language) {
    return QString::fromUtf8(In(language, kPrintTexts[static_cast<std::size_t>(text)]));
}

} // namespace

QString PreviewText(PreviewWord word, Language language) {
    const TextPair& pair = kPreviewWords[static_cast<std::size_t>(word)];
    return QString::fromUtf8(In(language, pair));
}

QString PreviewPagesText(int firstPage, int lastPage, Language language) {
    if (firstPage == lastPage) {
        return Text(PrintText::OnePage, language).arg(firstPage);
    }
    return Text(PrintText::TwoPages, language).arg(firstPage).arg(lastPage);
}

QString NoPrinterText(Language language) {
    return Text(PrintText::NoPrinter, language);
}

QString PrintFailedText(const QString& target, Language language) {
    return Text(PrintText::PrintFailed, language).arg(target);
}

} // namespace tevano
