#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallQtTranslations(const QLocale& locale)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(QCoreApplication::instance());
    // "qt" gathers the catalogues of every Qt module; where a language has no
    // such gathering file, the base module's own catalogue still covers Widgets.
    for (const char* catalogue : {"qt", "qtbase"}) {
        if (translator->load(locale, QLatin1String(catalogue), QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator))
            return true;
    }
    delete translator;
    return false;
}
