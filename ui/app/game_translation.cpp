#include "app/game_translation.h"

#include "base/screen_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace galloria {

namespace {

GameLanguage spokenLanguage = GameLanguage::English;

std::string TranslateForCore(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

QString Code(GameLanguage language)
{
    return QString::fromLatin1(LanguageCode(language));
}

QTranslator& GameCatalogue()
{
    static QTranslator catalogue;
    return catalogue;
}

void RemoveGameCatalogue()
{
    QCoreApplication::removeTranslator(&GameCatalogue());
    SetScreenTextTranslator(nullptr);
}

} // namespace

bool InstallCatalogue(const QString& name)
{
    RemoveGameCatalogue();
    if (!GameCatalogue().load(QStringLiteral(":/i18n/") + name))
        return false;
    QCoreApplication::installTranslator(&GameCatalogue());
    SetScreenTextTranslator(&TranslateForCore);
    return true;
}

GameLanguage InstallGameLanguage(GameLanguage chosen)
{
    spokenLanguage = SpokenLanguage(chosen, QLocale::system().name().toStdString());
    // English is the sources' own language; a copy built without the
    // language's catalogue speaks English too.
    if (spokenLanguage == GameLanguage::English)
        RemoveGameCatalogue();
    else if (!InstallCatalogue(QStringLiteral("galloria_") + Code(spokenLanguage)))
        spokenLanguage = GameLanguage::English;
    // Qt's own dialogs (choosing a file or a colour) speak it too where the
    // system holds Qt's catalogue of the language.
    static QTranslator qtCatalogue;
    QCoreApplication::removeTranslator(&qtCatalogue);
    if (spokenLanguage != GameLanguage::English &&
        qtCatalogue.load(QStringLiteral("qtbase_") + Code(spokenLanguage),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtCatalogue);
    return spokenLanguage;
}

GameLanguage SpokenGameLanguage()
{
    return spokenLanguage;
}

QString HelpPageUrl(const QString& page)
{
    const QString translated = QStringLiteral("/help/") + Code(spokenLanguage) + QLatin1Char('/') + page;
    if (spokenLanguage != GameLanguage::English && QFile::exists(QLatin1Char(':') + translated))
        return QStringLiteral("qrc:") + translated;
    return QStringLiteral("qrc:/help/") + page;
}

} // namespace galloria
