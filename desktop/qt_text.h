#pragma once

#include <QString>
#include <string_view>

// The program keeps its words in UTF-8; Qt shows them from a QString.
inline QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
