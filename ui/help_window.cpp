#include "ui/help_window.h"

#include "res/icons.h"
#include "res/load_string.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The resources live in a static library: registering them here makes sure the linker keeps them.
static void InitResources()
{
    Q_INIT_RESOURCE(zql52);
}

namespace {

constexpr int kDefaultWidth = 720;
constexpr int kDefaultHeight = 560;

} // namespace

CHelpWindow::CHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this))
{
    InitResources();
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(LoadString(ids::kHelpWindowTitle));
    setWindowIcon(AppIcon());

    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* back = new QPushButton(LoadString(ids::kHelpBack), this);
    back->setObjectName(QStringLiteral("helpBackButton"));
    back->setEnabled(false);
    auto* home = new QPushButton(LoadString(ids::kHelpHome), this);
    home->setObjectName(QStringLiteral("helpHomeButton"));
    auto* close = new QPushButton(LoadString(ids::kHelpClose), this);
    close->setObjectName(QStringLiteral("helpCloseButton"));

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(home);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    resize(kDefaultWidth, kDefaultHeight);
    m_browser->setSource(QUrl(QString::fromLatin1(kContentsPage)));
}

void CHelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

CHelpWindow* CHelpWindow::ShowHelp(QWidget* owner, const QString& anchor)
{
    QWidget* ownerWindow = owner != nullptr ? owner->window() : nullptr;
    CHelpWindow* window = ownerWindow != nullptr
                              ? ownerWindow->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                              : nullptr;
    if (window == nullptr) {
        window = new CHelpWindow(ownerWindow);
    }
    QUrl page(QString::fromLatin1(kContentsPage));
    if (!anchor.isEmpty()) {
        page.setFragment(anchor);
    }
    window->m_browser->setSource(page);
    if (anchor.isEmpty()) {
        window->m_browser->verticalScrollBar()->setValue(0);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
