#include "app/file_dialogs.h"
#include "app/message_box.h"
#include "res/load_string.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void queuedAnswersAreUsedInOrderAndRecorded();
    void defaultAnswerServesWhenTheQueueIsEmpty();
    void ownCaptionReplacesTheApplicationTitle();
    void resetForgetsEverything();
    void fileDialogsAnswerFromTheQueue();
};

void TestMessageBox::init()
{
    MessageBox::reset();
    FileDialogs::reset();
}

void TestMessageBox::queuedAnswersAreUsedInOrderAndRecorded()
{
    MessageBox::setNextAnswer(MessageBox::Answer::Cancel);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);

    const QString question = LoadString(ids::kReadFromTransceiver) + u","_s + LoadString(ids::kDataEdited);
    QCOMPARE(MessageBox::okCancel(nullptr, question), MessageBox::Answer::Cancel);
    QCOMPARE(MessageBox::yesNo(nullptr, LoadString(ids::kOverwriteHere)), MessageBox::Answer::Yes);
    MessageBox::warning(nullptr, LoadString(ids::kCheckPortCableSoftware));

    const QList<MessageBox::SShown> shown = MessageBox::shown();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(0).caption, u"ZQ-L52"_s);
    QCOMPARE(shown.at(0).text, u" Read from transceiver, Data has been edited."_s);
    QCOMPARE(shown.at(0).buttons, MessageBox::Buttons::OkCancel);
    QCOMPARE(shown.at(0).icon, MessageBox::Icon::Warning);
    QCOMPARE(shown.at(1).text, u" Overwite here ?    "_s);
    QCOMPARE(shown.at(1).buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(shown.at(2).buttons, MessageBox::Buttons::Ok);
    QCOMPARE(shown.at(2).icon, MessageBox::Icon::Warning);
    QVERIFY(shown.at(2).text.contains(u"\r\n"_s));
}

void TestMessageBox::defaultAnswerServesWhenTheQueueIsEmpty()
{
    MessageBox::setDefaultAnswer(MessageBox::Answer::No);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    QCOMPARE(MessageBox::yesNo(nullptr, u"first"_s), MessageBox::Answer::Yes);
    QCOMPARE(MessageBox::yesNo(nullptr, u"second"_s), MessageBox::Answer::No);
    QCOMPARE(MessageBox::yesNo(nullptr, u"third"_s), MessageBox::Answer::No);
    MessageBox::information(nullptr, LoadString(ids::kCloneWriteSucceeded));
    QCOMPARE(MessageBox::shown().size(), 4);
    QCOMPARE(MessageBox::shown().last().icon, MessageBox::Icon::Information);
}

void TestMessageBox::ownCaptionReplacesTheApplicationTitle()
{
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    MessageBox::show(nullptr, LoadString(ids::kPortNotOpen), MessageBox::Buttons::Ok,
                     MessageBox::Icon::Warning, LoadString(ids::kComPortErrorCaption));
    QCOMPARE(MessageBox::shown().constFirst().caption, u" COM Port Error    "_s);
    QCOMPARE(MessageBox::shown().constFirst().text, u" not Open "_s);
}

void TestMessageBox::resetForgetsEverything()
{
    MessageBox::setDefaultAnswer(MessageBox::Answer::Ok);
    MessageBox::setNextAnswer(MessageBox::Answer::Cancel);
    MessageBox::information(nullptr, u"x"_s);
    MessageBox::reset();
    QVERIFY(MessageBox::shown().isEmpty());
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    QCOMPARE(MessageBox::okCancel(nullptr, u"y"_s), MessageBox::Answer::Ok);
    QCOMPARE(MessageBox::shown().size(), 1);
}

void TestMessageBox::fileDialogsAnswerFromTheQueue()
{
    FileDialogs::setNextFileName(u"/tmp/a.vlk"_s);
    FileDialogs::setNextFileName(QString());
    const QString filter = u"Data Files (*.VLK)"_s;
    QCOMPARE(FileDialogs::getOpenFileName(nullptr, u"Open"_s, u"/tmp"_s, filter), u"/tmp/a.vlk"_s);
    QVERIFY(FileDialogs::getSaveFileName(nullptr, u"Save As"_s, u"/tmp/b.vlk"_s, filter, u"vlk"_s).isEmpty());

    FileDialogs::setDefaultFileName(u"/tmp/c.vlk"_s);
    QCOMPARE(FileDialogs::getSaveFileName(nullptr, u"Save As"_s, QString(), filter, u"vlk"_s),
             u"/tmp/c.vlk"_s);

    const QList<FileDialogs::SRequest> requests = FileDialogs::requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(0).kind, FileDialogs::Kind::Open);
    QCOMPARE(requests.at(0).startPath, u"/tmp"_s);
    QCOMPARE(requests.at(1).kind, FileDialogs::Kind::Save);
    QCOMPARE(requests.at(1).caption, u"Save As"_s);
    QCOMPARE(requests.at(1).filter, filter);
}

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
