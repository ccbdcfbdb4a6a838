#include "ui/archive_dialog.h"

#include "clone/clone_archive.h"
#include "res/load_string.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

enum EColumn
{
    kColumnDate,
    kColumnTime,
    kColumnOperation,
    kColumnChannels,
    kColumnComment,
    kColumnCount,
};

constexpr int kPathRole = Qt::UserRole;
// Wide enough for a handful of rows and a 16-character comment without scrolling sideways.
constexpr int kListMinimumWidth = 460;
constexpr int kListMinimumHeight = 220;

CArchiveDlg::FolderOpener& FolderOpenerSeam()
{
    static CArchiveDlg::FolderOpener opener;
    return opener;
}

bool OpenFolder(const QUrl& folder)
{
    const CArchiveDlg::FolderOpener& opener = FolderOpenerSeam();
    return opener ? opener(folder) : QDesktopServices::openUrl(folder);
}

QPushButton* AddButton(QDialogButtonBox* box, int textId, QDialogButtonBox::ButtonRole role,
                       const char* objectName)
{
    QPushButton* button = box->addButton(LoadString(textId), role);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QTreeWidgetItem* MakeRow(const SArchiveEntry& entry)
{
    auto* item = new QTreeWidgetItem;
    item->setText(kColumnDate, QString::fromStdString(entry.date));
    item->setText(kColumnTime, QString::fromStdString(entry.time));
    item->setText(kColumnOperation,
                  LoadString(entry.kind == EArchiveKind::Write ? ids::kArchiveWrite : ids::kArchiveRead));
    item->setText(kColumnChannels, entry.channelsInUse < 0 ? LoadString(ids::kArchiveUnknownChannels)
                                                           : QString::number(entry.channelsInUse));
    item->setTextAlignment(kColumnChannels, Qt::AlignRight | Qt::AlignVCenter);
    // The comment is the image's own bytes, as the Information dialog shows them.
    item->setText(kColumnComment, QString::fromLatin1(entry.comment));
    const QString path = QFile::decodeName(QByteArray::fromStdString(entry.path));
    item->setData(kColumnDate, kPathRole, path);
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(entry.fileName));
    for (int column = 0; column < kColumnCount; ++column) {
        item->setToolTip(column, fileName);
    }
    return item;
}

} // namespace

CArchiveDlg::CArchiveDlg(const CCloneArchive& archive, ISettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_archive(archive), m_settings(settings)
{
    setObjectName(QStringLiteral("archiveDialog"));
    setWindowTitle(LoadString(ids::kArchiveCaption));

    const QString folder =
        QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(archive.Folder())));
    auto* intro = new QLabel(LoadString(ids::kArchiveIntroFormat).arg(folder), this);
    intro->setObjectName(QStringLiteral("introText"));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("copyList"));
    m_list->setAccessibleName(LoadString(ids::kAccArchiveCopies));
    m_list->setColumnCount(kColumnCount);
    m_list->setHeaderLabels({LoadString(ids::kArchiveColumnDate), LoadString(ids::kArchiveColumnTime),
                             LoadString(ids::kArchiveColumnOperation),
                             LoadString(ids::kArchiveColumnChannels),
                             LoadString(ids::kArchiveColumnComment)});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumSize(kListMinimumWidth, kListMinimumHeight);
    {
        // Every copy is loaded to count its channels.
        CWaitCursor wait;
        for (const SArchiveEntry& entry : archive.List()) {
            m_list->addTopLevelItem(MakeRow(entry));
        }
    }
    for (int column = 0; column < kColumnComment; ++column) {
        m_list->resizeColumnToContents(column);
    }

    m_empty = new QLabel(LoadString(ids::kArchiveEmpty), this);
    m_empty->setObjectName(QStringLiteral("emptyText"));
    m_empty->setTextFormat(Qt::PlainText);
    m_empty->setWordWrap(true);
    m_empty->setVisible(m_list->topLevelItemCount() == 0);

    m_keepCopies = new QCheckBox(LoadString(ids::kArchiveKeepCopies), this);
    m_keepCopies->setObjectName(QStringLiteral("keepCopiesCheck"));
    m_keepCopies->setChecked(ArchiveEnabled(m_settings));
    connect(m_keepCopies, &QCheckBox::toggled, this,
            [this](bool checked) { SetArchiveEnabled(m_settings, checked); });

    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    m_open = AddButton(buttons, ids::kArchiveOpenButton, QDialogButtonBox::AcceptRole, "openButton");
    m_open->setDefault(true);
    m_compareButton =
        AddButton(buttons, ids::kArchiveCompareButton, QDialogButtonBox::ActionRole, "compareButton");
    m_showFolder =
        AddButton(buttons, ids::kArchiveShowFolderButton, QDialogButtonBox::ActionRole, "showFolderButton");
    m_close = AddButton(buttons, ids::kArchiveCloseButton, QDialogButtonBox::RejectRole, "closeButton");
    connect(m_open, &QPushButton::clicked, this, [this] {
        if (!SelectedPath().isEmpty()) {
            accept();
        }
    });
    connect(m_compareButton, &QPushButton::clicked, this, &CArchiveDlg::CompareSelected);
    connect(m_showFolder, &QPushButton::clicked, this, &CArchiveDlg::ShowFolder);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CArchiveDlg::UpdateButtons);
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { m_open->click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_empty);
    layout->addWidget(m_keepCopies);
    layout->addWidget(buttons);

    setTabOrder(m_list, m_keepCopies);
    setTabOrder(m_keepCopies, m_open);
    setTabOrder(m_open, m_compareButton);
    setTabOrder(m_compareButton, m_showFolder);
    setTabOrder(m_showFolder, m_close);

    SelectCopy(0);
    UpdateButtons();
    m_list->setFocus();
}

void CArchiveDlg::SetCompareHandler(CompareHandler handler)
{
    m_compare = std::move(handler);
    UpdateButtons();
}

QString CArchiveDlg::SelectedPath() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->data(kColumnDate, kPathRole).toString();
}

int CArchiveDlg::CopyCount() const
{
    return m_list->topLevelItemCount();
}

void CArchiveDlg::SelectCopy(int row)
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(row)) {
        m_list->setCurrentItem(item);
    }
}

void CArchiveDlg::SetFolderOpener(FolderOpener opener)
{
    FolderOpenerSeam() = std::move(opener);
}

void CArchiveDlg::UpdateButtons()
{
    const bool selected = !SelectedPath().isEmpty();
    m_open->setEnabled(selected);
    m_compareButton->setEnabled(selected && bool(m_compare));
}

void CArchiveDlg::CompareSelected()
{
    const QString path = SelectedPath();
    if (!path.isEmpty() && m_compare) {
        m_compare(path);
    }
}

void CArchiveDlg::ShowFolder()
{
    const QString folder = QFile::decodeName(QByteArray::fromStdString(m_archive.Folder()));
    // Before the first copy there is no folder yet; the user wants to see where copies will go.
    QDir().mkpath(folder);
    if (!OpenFolder(QUrl::fromLocalFile(folder))) {
        MessageBox::Show(this, LoadString(ids::kArchiveFolderNotShown).arg(QDir::toNativeSeparators(folder)),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
    }
}
