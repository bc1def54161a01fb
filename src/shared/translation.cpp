#include "shared/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// The catalogue lrelease compiled into the program.
const char *const OwnCatalogue = ":/i18n/lottoworla_fr_CA.qm";

QTranslator *g_own = nullptr;
QTranslator *g_toolkit = nullptr;

void drop(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}
} // namespace

bool Translation::available(const QLocale &locale)
{
    return locale.language() == QLocale::French;
}

bool Translation::install(const QLocale &locale)
{
    remove();
    if (!available(locale) || !QCoreApplication::instance())
        return false;

    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QLatin1String(OwnCatalogue))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    g_own = own;

    // The toolkit's own French, when the system has it (package qt6-translations-l10n).
    auto *toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load(QLocale(QLocale::French, QLocale::Canada), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit);
        g_toolkit = toolkit;
    } else {
        delete toolkit;
    }
    return true;
}

void Translation::remove()
{
    drop(g_toolkit);
    drop(g_own);
}
