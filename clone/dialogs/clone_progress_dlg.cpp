#include "clone/dialogs/clone_progress_dlg.h"

#include "res/load_string.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace {

// The window measures 167 x 34 dialog units: a quarter of the average character width across, an eighth
// of the character height down.
constexpr int kWidthDialogUnits = 167;
constexpr int kHeightDialogUnits = 34;
constexpr int kHorizontalDialogUnitDivisor = 4;
constexpr int kVerticalDialogUnitDivisor = 8;
constexpr int kMargin = 10;

const char* const kPercentTemplate = " 0 %";

} // namespace

CCloneProgressDlg::CCloneProgressDlg(int captionId)
    : QDialog(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_progress(new QProgressBar(this)), m_percent(new QLabel(QString::fromLatin1(kPercentTemplate), this)),
      m_cancel(new QPushButton(LoadString(ids::kButtonCancel), this))
{
    setObjectName(QStringLiteral("cloneProgressDialog"));
    setModal(false);
    setWindowTitle(LoadString(captionId != 0 ? captionId : kDefaultCaptionId));

    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(kLower, kUpper);
    m_progress->setValue(kLower);
    m_progress->setTextVisible(false);
    m_progress->setFocusPolicy(Qt::StrongFocus);
    m_progress->setAccessibleName(windowTitle());
    m_progress->setFocus();

    m_percent->setObjectName(QStringLiteral("percentText"));
    m_percent->setTextFormat(Qt::PlainText);
    m_percent->hide();

    // Kept hidden and disabled: the user cancels with Escape or the close button of the title bar.
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setDefault(true);
    m_cancel->setEnabled(false);
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &CCloneProgressDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(m_progress);
    layout->addWidget(m_percent);
    layout->addWidget(m_cancel);

    const QFontMetrics metrics(font());
    setFixedSize(metrics.averageCharWidth() * kWidthDialogUnits / kHorizontalDialogUnitDivisor,
                 metrics.height() * kHeightDialogUnits / kVerticalDialogUnitDivisor);
}

CCloneProgressDlg::~CCloneProgressDlg()
{
    DestroyWindow();
}

bool CCloneProgressDlg::Create(QWidget* parent)
{
    m_owner = parent != nullptr ? parent->window() : MainWindow();
    if (!m_owner.isNull() && m_owner->isEnabled()) {
        m_owner->setEnabled(false);
        m_ownerDisabled = true;
    }
    PlaceOverOwner();
    show();
    activateWindow();
    return true;
}

void CCloneProgressDlg::DestroyWindow()
{
    if (m_ownerDisabled) {
        m_ownerDisabled = false;
        if (!m_owner.isNull()) {
            m_owner->setEnabled(true);
            if (m_owner->isVisible()) {
                m_owner->activateWindow();
            }
        }
    }
    hide();
}

void CCloneProgressDlg::SetOperation(const QString& text)
{
    const QString operation = text.trimmed();
    m_progress->setAccessibleName(operation.isEmpty() ? windowTitle() : operation);
}

int CCloneProgressDlg::SetPos(int position)
{
    PumpMessages();
    const int previous = m_progress->value();
    m_progress->setValue(std::clamp(position, kLower, kUpper));
    if (!m_percent->text().isEmpty()) {
        m_percent->clear();
    }
    return previous;
}

bool CCloneProgressDlg::CheckCancel()
{
    PumpMessages();
    const bool requested = m_cancelRequested;
    m_cancelRequested = false;
    return requested;
}

void CCloneProgressDlg::reject()
{
    // Escape and the Cancel command ask the session to stop; the window stays until the session ends.
    m_cancelRequested = true;
}

void CCloneProgressDlg::closeEvent(QCloseEvent* event)
{
    m_cancelRequested = true;
    event->ignore();
}

QWidget* CCloneProgressDlg::MainWindow()
{
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    const auto mainWindow = std::find_if(windows.begin(), windows.end(), [](const QWidget* widget) {
        return qobject_cast<const QMainWindow*>(widget) != nullptr && widget->isVisible();
    });
    return mainWindow != windows.end() ? *mainWindow : QApplication::activeWindow();
}

void CCloneProgressDlg::PumpMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CCloneProgressDlg::PlaceOverOwner()
{
    if (m_owner.isNull()) {
        return;
    }
    // No parent object: the session owns this window and may outlive any widget tree. The window manager
    // still keeps it above its owner.
    winId();
    if (QWindow* ownerWindow = m_owner->windowHandle()) {
        windowHandle()->setTransientParent(ownerWindow);
    }
    const QRect ownerRect = m_owner->frameGeometry();
    move(ownerRect.center() - QPoint(width() / 2, height() / 2));
}
