// Texts between the core (UTF-8 std::string) and Qt (QString), in one place.
#pragma once

#include <QString>

#include <string>

namespace tevano {

inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

} // namespace tevano
