#include "res/translations.h"

#include "core/string_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <map>
#include <string>

namespace {

constexpr char kContext[] = "StringTable";
const QString kTranslationFolder = QStringLiteral(":/translations");

// "de" of "de-DE", "de_DE.UTF-8" or "DE".
QString LanguageOf(const QString& name)
{
    QString language = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    language = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return language.toLower();
}

bool IsEnglish(const QString& language)
{
    return language == QLatin1String("en") || language == QLatin1String("c") ||
           language == QLatin1String("posix");
}

QString TranslationFile(const QString& language)
{
    return QStringLiteral("zql52_%1.qm").arg(language);
}

} // namespace

QStringList TranslatedLanguages()
{
    Q_INIT_RESOURCE(zql52_translations);
    QStringList languages;
    const QStringList files =
        QDir(kTranslationFolder).entryList({QStringLiteral("zql52_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        languages.append(file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0));
    }
    return languages;
}

QString ChooseLanguage(const QStringList& desktopLanguages, const QString& forced)
{
    const QStringList available = TranslatedLanguages();
    if (!forced.trimmed().isEmpty()) {
        const QString language = LanguageOf(forced.trimmed());
        return available.contains(language) ? language : QString();
    }
    for (const QString& name : desktopLanguages) {
        const QString language = LanguageOf(name);
        if (IsEnglish(language)) {
            return QString();
        }
        if (available.contains(language)) {
            return language;
        }
    }
    return QString();
}

bool InstallTranslations(const QString& language)
{
    auto* application = QCoreApplication::instance();
    auto* program = new QTranslator(application);
    if (language.isEmpty() || !program->load(TranslationFile(language), kTranslationFolder)) {
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    const QLocale locale(language);
    auto* qt = new QTranslator(application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    QLocale::setDefault(locale);

    std::map<int, std::string> texts;
    for (const int id : StringIds()) {
        const std::string english(EnglishText(id));
        const QString translated =
            program->translate(kContext, english.c_str(), QByteArray::number(id).constData());
        if (!english.empty() && !translated.isEmpty()) {
            texts.emplace(id, translated.toStdString());
        }
    }
    SetTranslatedTexts(std::move(texts));
    return true;
}

void InstallDesktopLanguage()
{
    const QString forced = qEnvironmentVariable(kLanguageVariable);
    const QString language = ChooseLanguage(QLocale::system().uiLanguages(), forced);
    if (!InstallTranslations(language) && !IsEnglish(LanguageOf(QLocale::system().name()))) {
        // English texts on a desktop of another language: Qt's own formats (sizes and dates in its file
        // dialog) follow the texts.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::system().territory()));
    }
}
