#include "desktop/language_setting.h"

#include <QSettings>
#include <QString>

namespace {

// Named here rather than by the application object, so it can be read before one exists.
QSettings settings() {
    return QSettings(QStringLiteral("Ardenika"), QStringLiteral("Ardenika"));
}

const QString language_key = QStringLiteral("language");

} // namespace

Language remembered_language() {
    const QString code = settings().value(language_key).toString();
    return language_of(code.toStdString()).value_or(default_language);
}

void remember_language(Language language) {
    const std::string_view code = words_for(language).code;
    settings().setValue(language_key, QString::fromUtf8(code.data(), qsizetype(code.size())));
}
