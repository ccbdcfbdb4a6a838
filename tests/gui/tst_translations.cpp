#include "res/load_string.h"
#include "res/translations.h"
#include "support/gui_test_main.h"

#include <QTranslator>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languageFollowsTheDesktopUnlessForced_data();
    void languageFollowsTheDesktopUnlessForced();
    void everyTextHasATranslationInEachLanguage();
    void installedLanguageReachesTheTableAndQtsOwnTexts();
};

void TestTranslations::languageFollowsTheDesktopUnlessForced_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("forced");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German desktop") << QStringList{u"de-DE"_s, u"de"_s} << QString() << u"de"_s;
    QTest::newRow("Japanese desktop") << QStringList{u"ja-JP"_s} << QString() << u"ja"_s;
    QTest::newRow("English desktop") << QStringList{u"en-US"_s} << QString() << QString();
    QTest::newRow("C locale") << QStringList{u"C"_s} << QString() << QString();
    QTest::newRow("first language without texts") << QStringList{u"fr-FR"_s, u"de"_s} << QString() << u"de"_s;
    QTest::newRow("English preferred over German")
        << QStringList{u"en-GB"_s, u"de"_s} << QString() << QString();
    QTest::newRow("no language the program has")
        << QStringList{u"fr-FR"_s, u"it"_s} << QString() << QString();
    QTest::newRow("forced English") << QStringList{u"de-DE"_s} << u"en"_s << QString();
    QTest::newRow("forced German, locale form") << QStringList{u"en-US"_s} << u"de_DE.UTF-8"_s << u"de"_s;
    QTest::newRow("forced, not there") << QStringList{u"de-DE"_s} << u"fr"_s << QString();
}

void TestTranslations::languageFollowsTheDesktopUnlessForced()
{
    QFETCH(QStringList, desktop);
    QFETCH(QString, forced);
    QFETCH(QString, chosen);
    QCOMPARE(ChooseLanguage(desktop, forced), chosen);
}

// The compiled files answer every text of the string table, looked up as the program looks it up: a text
// changed in the table without the translation files brought up to date fails here.
void TestTranslations::everyTextHasATranslationInEachLanguage()
{
    QCOMPARE(TranslatedLanguages(), QStringList({u"de"_s, u"ja"_s}));
    for (const QString& language : TranslatedLanguages()) {
        QTranslator translator;
        QVERIFY(translator.load(u"zql52_%1.qm"_s.arg(language), u":/translations"_s));
        QStringList missing;
        for (const int id : StringIds()) {
            const std::string english(EnglishText(id));
            if (!english.empty() &&
                translator.translate("StringTable", english.c_str(), QByteArray::number(id).constData())
                    .isEmpty()) {
                missing.append(QString::number(id));
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(language + u": no translation of "_s + missing.join(u' ')));
    }
}

void TestTranslations::installedLanguageReachesTheTableAndQtsOwnTexts()
{
    const QLocale before;
    const QString english = LoadString(ids::kMenuFile);
    QVERIFY(!InstallTranslations(u"fr"_s));
    QCOMPARE(LoadString(ids::kMenuFile), english);

    QVERIFY(InstallTranslations(u"de"_s));
    QVERIFY(LoadString(ids::kMenuFile) != english);
    QCOMPARE(QString::fromUtf8(EnglishText(ids::kMenuFile)), english);
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != u"Cancel"_s);
    QCOMPARE(QLocale().language(), QLocale::German);

    SetTranslatedTexts({});
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(before);
    QCOMPARE(LoadString(ids::kMenuFile), english);
}

ZQ_GUI_TEST(TestTranslations)
#include "tst_translations.moc"
