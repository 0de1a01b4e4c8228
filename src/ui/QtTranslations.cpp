#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LoadQtTranslations()
{
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    bool base = false;
    for (const char *catalogue : {"qtbase_ja", "qtserialport_ja"}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        bool loaded = false;
        for (const QString &folder : folders)
            if ((loaded = translator->load(QString::fromLatin1(catalogue), folder)))
                break;
        if (loaded && QCoreApplication::installTranslator(translator))
            base = base || QLatin1String(catalogue) == QLatin1String("qtbase_ja");
        else
            delete translator;
    }
    return base;
}
