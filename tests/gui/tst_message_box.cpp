#include "res/load_string.h"
#include "support/gui_test_main.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"

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
    MessageBox::Reset();
    FileDialogs::Reset();
}

void TestMessageBox::queuedAnswersAreUsedInOrderAndRecorded()
{
    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);

    const QString question = LoadString(ids::kReadFromTransceiver) + u","_s + LoadString(ids::kDataEdited);
    QCOMPARE(MessageBox::OkCancel(nullptr, question), MessageBox::Answer::Cancel);
    QCOMPARE(MessageBox::YesNo(nullptr, LoadString(ids::kOverwriteHere)), MessageBox::Answer::Yes);
    MessageBox::Warning(nullptr, LoadString(ids::kCheckPortCableSoftware));

    const QList<MessageBox::SShown> shown = MessageBox::Shown();
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
    MessageBox::SetDefaultAnswer(MessageBox::Answer::No);
    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    QCOMPARE(MessageBox::YesNo(nullptr, u"first"_s), MessageBox::Answer::Yes);
    QCOMPARE(MessageBox::YesNo(nullptr, u"second"_s), MessageBox::Answer::No);
    QCOMPARE(MessageBox::YesNo(nullptr, u"third"_s), MessageBox::Answer::No);
    MessageBox::Information(nullptr, LoadString(ids::kCloneWriteSucceeded));
    QCOMPARE(MessageBox::Shown().size(), 4);
    QCOMPARE(MessageBox::Shown().last().icon, MessageBox::Icon::Information);
}

void TestMessageBox::ownCaptionReplacesTheApplicationTitle()
{
    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    MessageBox::Show(nullptr, LoadString(ids::kPortNotOpen), MessageBox::Buttons::Ok,
                     MessageBox::Icon::Warning, LoadString(ids::kComPortErrorCaption));
    QCOMPARE(MessageBox::Shown().constFirst().caption, u" COM Port Error    "_s);
    QCOMPARE(MessageBox::Shown().constFirst().text, u" not Open "_s);
}

void TestMessageBox::resetForgetsEverything()
{
    MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    MessageBox::Information(nullptr, u"x"_s);
    MessageBox::Reset();
    QVERIFY(MessageBox::Shown().isEmpty());
    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    QCOMPARE(MessageBox::OkCancel(nullptr, u"y"_s), MessageBox::Answer::Ok);
    QCOMPARE(MessageBox::Shown().size(), 1);
}

void TestMessageBox::fileDialogsAnswerFromTheQueue()
{
    FileDialogs::SetNextFileName(u"/tmp/a.vlk"_s);
    FileDialogs::SetNextFileName(QString());
    const QString filter = u"Data Files (*.VLK)"_s;
    QCOMPARE(FileDialogs::GetOpenFileName(nullptr, u"Open"_s, u"/tmp"_s, filter), u"/tmp/a.vlk"_s);
    QVERIFY(FileDialogs::GetSaveFileName(nullptr, u"Save As"_s, u"/tmp/b.vlk"_s, filter, u"vlk"_s).isEmpty());

    FileDialogs::SetDefaultFileName(u"/tmp/c.vlk"_s);
    QCOMPARE(FileDialogs::GetSaveFileName(nullptr, u"Save As"_s, QString(), filter, u"vlk"_s),
             u"/tmp/c.vlk"_s);

    const QList<FileDialogs::SRequest> requests = FileDialogs::Requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(0).kind, FileDialogs::Kind::Open);
    QCOMPARE(requests.at(0).startPath, u"/tmp"_s);
    QCOMPARE(requests.at(1).kind, FileDialogs::Kind::Save);
    QCOMPARE(requests.at(1).caption, u"Save As"_s);
    QCOMPARE(requests.at(1).filter, filter);
}

ZQ_GUI_TEST(TestMessageBox)
#include "tst_message_box.moc"
