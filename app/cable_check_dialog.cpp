#include "app/cable_check_dialog.h"

#include "clone/cable_check.h"
#include "res/load_string.h"
#include "ui/widgets/wait_cursor.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTextMinimumCharacters = 60;

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CCableCheckDlg::CCableCheckDlg(const ISettingsStore& portMap, QWidget* parent)
    : QDialog(parent), m_portMap(portMap)
{
    static_assert(kSteps == kCheckStepCount);
    setObjectName(QStringLiteral("cableCheckDialog"));
    setWindowTitle(LoadString(ids::kCheckCaption));

    m_intro = MakeLabel(this, QStringLiteral("introLabel"));
    m_intro->setWordWrap(true);
    m_seen = MakeLabel(this, QStringLiteral("seenLabel"));
    m_seen->setWordWrap(true);
    m_seen->setFrameShape(QFrame::StyledPanel);
    m_seen->setMargin(fontMetrics().height() / 2);
    m_seen->hide();

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    for (size_t i = 0; i < kSteps; ++i) {
        const int row = static_cast<int>(i);
        m_marks.at(i) = MakeLabel(this, QStringLiteral("stepMark%1").arg(row + 1));
        auto* name = MakeLabel(this, QStringLiteral("stepName%1").arg(row + 1),
                               LoadString(CheckStepTextId(static_cast<ECheckStep>(i))));
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        m_texts.at(i) = MakeLabel(this, QStringLiteral("stepText%1").arg(row + 1));
        m_texts.at(i)->setWordWrap(true);
        m_texts.at(i)->setMinimumWidth(fontMetrics().averageCharWidth() * kTextMinimumCharacters);
        grid->addWidget(m_marks.at(i), row, 0, Qt::AlignTop);
        grid->addWidget(name, row, 1, Qt::AlignTop);
        grid->addWidget(m_texts.at(i), row, 2, Qt::AlignTop);
    }

    auto* buttons = new QDialogButtonBox(this);
    m_run = buttons->addButton(LoadString(ids::kCheckCableButton), QDialogButtonBox::ActionRole);
    m_run->setObjectName(QStringLiteral("runCheckButton"));
    QPushButton* close = buttons->addButton(LoadString(ids::kCheckCloseButton), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(m_run, &QPushButton::clicked, this, [this] { RunCheck(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addWidget(m_seen);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    ClearSteps();
}

void CCableCheckDlg::SetPort(const std::string& port, const STransceiverProfile& profile)
{
    m_port = port;
    m_profile = profile;
    m_intro->setText(LoadString(ids::kCheckIntroFormat).arg(QString::fromStdString(port)));
}

void CCableCheckDlg::SetSeen(const QString& text)
{
    m_seen->setText(LoadString(ids::kSeenCaption) + QStringLiteral(":\n") + text);
    m_seen->setVisible(!text.isEmpty());
}

void CCableCheckDlg::ClearSteps()
{
    for (size_t i = 0; i < kSteps; ++i) {
        m_marks.at(i)->setText(LoadString(ids::kCheckNotRun));
        m_texts.at(i)->clear();
    }
}

void CCableCheckDlg::ShowStep(const SCheckStepResult& step)
{
    const auto i = static_cast<size_t>(step.step);
    m_marks.at(i)->setText(LoadString(step.passed ? ids::kCheckPassed : ids::kCheckFailed));
    m_marks.at(i)->setStyleSheet(step.passed ? QString() : QStringLiteral("font-weight: bold"));
    QString text = QString::fromStdString(step.found);
    if (!step.advice.empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(step.advice);
    }
    m_texts.at(i)->setText(text);
    // Each step shows as it ends; the next one may wait for the line.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int CCableCheckDlg::RunCheck()
{
    ClearSteps();
    m_run->setEnabled(false);
    CWaitCursor wait;
    CCableCheck check;
    check.SetPortMap(&m_portMap);
    check.SetProfile(m_profile);
    check.SetStepObserver([this](const SCheckStepResult& step) { ShowStep(step); });
    const SCheckReport report = check.Run(m_port);
    m_run->setText(LoadString(ids::kCheckAgainButton));
    m_run->setEnabled(true);
    return report.outcome;
}
