#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool loadQtTranslations(QTranslator& translator, const QLocale& locale)
{
    // "qtbase" holds the widgets' texts; "qt" is the older catalogue some installs ship.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& catalogue : { QStringLiteral("qtbase"), QStringLiteral("qt") }) {
        if (translator.load(locale, catalogue, QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(&translator);
    }
    return false;
}
