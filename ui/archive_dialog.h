#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class CCloneArchive;
class ISettingsStore;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QUrl;

// File > Open from Archive: the copies of the clone archive, newest first (date, time, read or write,
// channels in use, comment), with Open (the dialog is accepted with the copy chosen), Compare (handed
// to the compare handler while the dialog stays open) and Show Folder. The check box switches the
// archive on and off for the desktop program's reads and writes; it is stored at once.
class CArchiveDlg : public QDialog
{
    Q_OBJECT

public:
    using CompareHandler = std::function<void(const QString& path)>;
    // Shows a folder in the desktop's file manager; false when nothing answered.
    using FolderOpener = std::function<bool(const QUrl& folder)>;

    // Lists the archive now. The archive and the settings store must outlive the dialog.
    CArchiveDlg(const CCloneArchive& archive, ISettingsStore& settings, QWidget* parent = nullptr);

    void SetCompareHandler(CompareHandler handler);
    // The copy chosen with Open (or a double click); empty when none is selected.
    QString SelectedPath() const;
    int CopyCount() const;
    void SelectCopy(int row);

    // Test seam: how Show Folder reaches the desktop; an empty opener restores the desktop's own.
    static void SetFolderOpener(FolderOpener opener);

private:
    void UpdateButtons();
    void CompareSelected();
    void ShowFolder();

    const CCloneArchive& m_archive;
    ISettingsStore& m_settings;
    CompareHandler m_compare;
    QTreeWidget* m_list = nullptr;
    QLabel* m_empty = nullptr;
    QCheckBox* m_keepCopies = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_compareButton = nullptr;
    QPushButton* m_showFolder = nullptr;
    QPushButton* m_close = nullptr;
};
