#include "clone/dialogs/clone_progress_dlg.h"
#include "core/string_table.h"
#include "support/gui_test_main.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestCloneProgressDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void captionAndControlsAsDesigned();
    void setPosShowsThePositionAndReturnsThePreviousOne();
    void ownerIsDisabledWhileTheDialogExists();
    void ownerDisabledBeforeStaysDisabled();
    void withoutParentTheMainWindowIsTheOwner();
    void escapeRequestsCancelOnce();
    void closeRequestCancelsAndKeepsTheWindow();
    void setPosProcessesPendingEvents();

private:
    std::unique_ptr<QMainWindow> m_mainWindow;
};

void TestCloneProgressDlg::init()
{
    m_mainWindow = std::make_unique<QMainWindow>();
    m_mainWindow->resize(400, 300);
    m_mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_mainWindow.get()));
}

void TestCloneProgressDlg::cleanup()
{
    m_mainWindow.reset();
}

void TestCloneProgressDlg::captionAndControlsAsDesigned()
{
    CCloneProgressDlg dialog;
    QCOMPARE(dialog.windowTitle(), u"Cloning"_s);
    QVERIFY(!dialog.isModal());

    const auto* bar = dialog.findChild<QProgressBar*>(u"progressBar"_s);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);
    const auto* percent = dialog.findChild<QLabel*>(u"percentText"_s);
    QCOMPARE(percent->text(), u" 0 %"_s);
    const auto* cancel = dialog.findChild<QPushButton*>(u"cancelButton"_s);
    QCOMPARE(cancel->text(), u"Cancel"_s);
    QVERIFY(cancel->isDefault());

    QVERIFY(dialog.Create(m_mainWindow.get()));
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(bar->isVisible());
    QVERIFY(!percent->isVisible());
    QVERIFY(!cancel->isVisible());
    QVERIFY(!cancel->isEnabled());

    CCloneProgressDlg other(ids::kSettingCaption);
    QCOMPARE(other.windowTitle(), u"Setting"_s);
}

void TestCloneProgressDlg::setPosShowsThePositionAndReturnsThePreviousOne()
{
    CCloneProgressDlg dialog;
    QVERIFY(dialog.Create(m_mainWindow.get()));
    const auto* bar = dialog.findChild<QProgressBar*>(u"progressBar"_s);
    const auto* percent = dialog.findChild<QLabel*>(u"percentText"_s);

    QCOMPARE(dialog.SetPos(30), 0);
    QCOMPARE(bar->value(), 30);
    QVERIFY(percent->text().isEmpty());
    QCOMPARE(dialog.SetPos(100), 30);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(dialog.SetPos(150), 100);
    QCOMPARE(bar->value(), 100);
    QCOMPARE(dialog.SetPos(-20), 100);
    QCOMPARE(bar->value(), 0);
}

void TestCloneProgressDlg::ownerIsDisabledWhileTheDialogExists()
{
    {
        CCloneProgressDlg dialog;
        QVERIFY(dialog.Create(m_mainWindow.get()));
        QCOMPARE(dialog.Owner(), m_mainWindow.get());
        QVERIFY(!m_mainWindow->isEnabled());
        QVERIFY(dialog.isEnabled());
        dialog.DestroyWindow();
        QVERIFY(m_mainWindow->isEnabled());
        QVERIFY(!dialog.isVisible());
    }
    {
        auto* view = new QWidget;
        m_mainWindow->setCentralWidget(view);
        auto dialog = std::make_unique<CCloneProgressDlg>();
        QVERIFY(dialog->Create(view));
        QCOMPARE(dialog->Owner(), m_mainWindow.get());
        dialog->SetPos(50);
        QVERIFY(!m_mainWindow->isEnabled());
        // Deleting the dialog goes the same way, also after a failed or cancelled transfer.
        dialog.reset();
        QVERIFY(m_mainWindow->isEnabled());
    }
}

void TestCloneProgressDlg::ownerDisabledBeforeStaysDisabled()
{
    m_mainWindow->setEnabled(false);
    {
        CCloneProgressDlg dialog;
        QVERIFY(dialog.Create(m_mainWindow.get()));
        QVERIFY(dialog.isEnabled());
        QVERIFY(dialog.CheckCancel() == false);
    }
    QVERIFY(!m_mainWindow->isEnabled());
}

void TestCloneProgressDlg::withoutParentTheMainWindowIsTheOwner()
{
    CCloneProgressDlg dialog;
    QVERIFY(dialog.Create());
    QCOMPARE(dialog.Owner(), m_mainWindow.get());
    QVERIFY(!m_mainWindow->isEnabled());
    dialog.DestroyWindow();
    QVERIFY(m_mainWindow->isEnabled());
}

void TestCloneProgressDlg::escapeRequestsCancelOnce()
{
    CCloneProgressDlg dialog;
    QVERIFY(dialog.Create(m_mainWindow.get()));
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.CheckCancel());

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.CheckCancel());
    QVERIFY(!dialog.CheckCancel());
}

void TestCloneProgressDlg::closeRequestCancelsAndKeepsTheWindow()
{
    CCloneProgressDlg dialog;
    QVERIFY(dialog.Create(m_mainWindow.get()));
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QVERIFY(!m_mainWindow->isEnabled());
    QVERIFY(dialog.CheckCancel());
    QVERIFY(!dialog.CheckCancel());
}

void TestCloneProgressDlg::setPosProcessesPendingEvents()
{
    CCloneProgressDlg dialog;
    QVERIFY(dialog.Create(m_mainWindow.get()));
    bool delivered = false;
    QMetaObject::invokeMethod(
        m_mainWindow.get(), [&delivered] { delivered = true; }, Qt::QueuedConnection);
    QVERIFY(!delivered);
    dialog.SetPos(10);
    QVERIFY(delivered);

    delivered = false;
    QMetaObject::invokeMethod(
        m_mainWindow.get(), [&delivered] { delivered = true; }, Qt::QueuedConnection);
    QVERIFY(!dialog.CheckCancel());
    QVERIFY(delivered);
}

ZQ_GUI_TEST(TestCloneProgressDlg)
#include "tst_clone_progress_dlg.moc"
