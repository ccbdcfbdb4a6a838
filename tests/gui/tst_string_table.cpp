#include "res/load_string.h"
#include "support/gui_test_main.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestStringTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsKeepTheirBlanksAndLineEnds();
    void promptsSplitIntoStatusTextAndToolTip();
    void unknownIdentifierGivesNothing();
};

void TestStringTable::textsKeepTheirBlanksAndLineEnds()
{
    QCOMPARE(LoadString(156), u"Cloning"_s);
    QCOMPARE(LoadString(5031), u" Terminated cloning.  "_s);
    QCOMPARE(LoadString(5059), u" Overwite here ?    "_s);
    QCOMPARE(LoadString(5065), u"      "_s);
    QCOMPARE(LoadString(5040), u" Now reading <- TR"_s);
    QCOMPARE(LoadString(5041), u" Now writing -> TR"_s);
    QCOMPARE(LoadString(57345), u"Ready"_s);
    QCOMPARE(LoadString(55302), u"Setting"_s);
    QCOMPARE(LoadString(20104), u"ON2: Duplex & Tone"_s);
    QCOMPARE(LoadString(ids::kColumnMode), u"Mode  "_s);
    QVERIFY(LoadString(5061).startsWith(u" Check the following:\r\n\r\n - The RS-232C port settings.\r\n"_s));
    QVERIFY(LoadString(5061).endsWith(u" - The revision number of the transceiver.\n"_s));
    QVERIFY(LoadString(5062).contains(u"initial setup.This program"_s));
    QVERIFY(LoadString(5062).endsWith(u"(3) Push [OK] to start the initial setup.\r\n\r\n"_s));
    QVERIFY(LoadString(5030).endsWith(u" programmed using this program.\n\n"_s));
    QCOMPARE(LoadString(128).split(u'\n'),
             QStringList({u"ZQ-L52"_s, QString(), u"ZQ-L52 Data"_s, u"Data Files (*.VLK)"_s, u".vlk"_s,
                          u"ZQ-L52.Document"_s, u"ZQ-L52 Document"_s}));
}

void TestStringTable::promptsSplitIntoStatusTextAndToolTip()
{
    QCOMPARE(LoadString(cmd::kCloneRead), u"Read From Transceiver\nClone in"_s);
    QCOMPARE(PromptStatusText(cmd::kCloneInformation), u"Read Information"_s);
    QCOMPARE(PromptToolTip(cmd::kCloneInformation), u"Clone info."_s);
    QCOMPARE(PromptStatusText(cmd::kDtmfAutoDial), u"Indicate DTMF Autodial Sheet"_s);
    QCOMPARE(PromptToolTip(cmd::kDtmfAutoDial), u"AutoDial Sheet"_s);
    QCOMPARE(PromptToolTip(cmd::kComPort4), u"COM4"_s);
    QCOMPARE(PromptStatusText(cmd::kFileMruFirst), u"Open this document"_s);
    QVERIFY(PromptToolTip(cmd::kFileMruFirst).isEmpty());
}

void TestStringTable::unknownIdentifierGivesNothing()
{
    QVERIFY(!HasString(5033));
    QVERIFY(LoadString(5033).isEmpty());
    QVERIFY(HasString(ids::kColumnFiller));
    QVERIFY(LoadString(ids::kColumnFiller).isEmpty());
    QVERIFY(PromptStatusText(1).isEmpty());
}

ZQ_GUI_TEST(TestStringTable)
#include "tst_string_table.moc"
