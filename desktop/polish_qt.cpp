#include "desktop/polish_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

bool install_qt_texts(QCoreApplication& app, std::string_view language) {
    // One translator at a time: Qt asks the last installed first, so an old one would answer
    // for whatever the new one lacks.
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    auto* translator = new QTranslator(&app);
    const QLocale locale(
        QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size())));
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    installed = translator;
    return QCoreApplication::installTranslator(translator);
}

bool install_polish_qt_texts(QCoreApplication& app) {
    return install_qt_texts(app, "pl");
}
