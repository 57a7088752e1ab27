#include "report/ReportFaces.h"

#include <array>

namespace tevano {

std::string ReportFontPackage(Language language) {
    // By Language: English, Chinese.
    static constexpr std::array<const char*, 2> kPackages = {"fonts-liberation2",
                                                             "fonts-wqy-microhei"};
    return kPackages[static_cast<std::size_t>(language)];
}

std::vector<std::string> ChineseReportFaces() {
    return {"WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC",   "Noto Serif CJK SC",
            "AR PL UMing CN",      "AR PL UKai CN",     "Droid Sans Fallback"};
}

} // namespace tevano
