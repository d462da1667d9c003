#include "app/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool DeutscheQtTexteLaden() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Lives as long as the application: the translator must stay installed.
    static QTranslator QtTexte;
    if (!QtTexte.isEmpty())
        return true;
    if (!QtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&QtTexte);
}
