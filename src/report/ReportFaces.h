// The faces the settings report's Chinese characters are printed in: a fixed order of Chinese
// faces, so that every machine with the program's font package lays the pages out alike, whatever
// fontconfig would pick first.
#pragma once

#include "base/Language.h"

#include <string>
#include <vector>

namespace tevano {

// The Chinese faces in order of preference: first the face of the package the program installs
// with (ReportFontPackage), then other common Chinese faces.
std::vector<std::string> ChineseReportFaces();

// The Debian package that brings the faces a report in this language needs: for Chinese the
// package of the first Chinese face above.
std::string ReportFontPackage(Language language);

} // namespace tevano
