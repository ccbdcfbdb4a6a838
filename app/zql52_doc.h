#pragma once

#include "app/port_devices_dialog.h"
#include "clone/clone_commands.h"
#include "core/clock.h"
#include "core/file_fingerprint.h"
#include "core/rig/radio_data.h"
#include "ui/channel_document.h"
#include "ui/command_binding.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class CCableCheckDlg;
class CCloneSession;
class CEditHistory;
class CGuiCloneHost;
class ISettingsStore;
class ITonePlayer;
class QWidget;

// The program's single document: the radio data with the transceiver profile, the cloning session and
// the exchange file through which clone data pass between the two. It carries the File commands (with the
// save prompt for a modified document), the COM Port menu and the three Cloning commands with their
// confirmations, sounds, status texts and message boxes.
//
// Views learn of changes through two signals: DocumentReplaced after New and Open (select row 0 and rebuild
// everything), DocumentChanged after a clone read, an undo or a redo (rebuild, keep the selection). The
// document knows no frame: its commands go to the frame as bindings, and what the frame shows of it
// (title, status texts, recent files, command states) goes out as signals the application connects.
//
// Every change made through the program is one step of undo and redo. Undoing or redoing back to the image
// of the last New, Open or Save makes the document unmodified again.
class CZQL52Doc : public QObject, public IChannelDocument
{
    Q_OBJECT

public:
    // Data frames of a whole clone read, for the progress bar.

    // The settings store and the tone player must outlive the document.
    // The clock paces the clone session and must outlive the document.
    CZQL52Doc(ISettingsStore& settings, ITonePlayer& tones, IClock& clock = SteadyClock(),
              QObject* parent = nullptr);
    ~CZQL52Doc() override;

    // The File, COM Port, Cloning, Undo and Redo commands for the frame.
    CommandBindings Bindings();
    // Undo and Redo name the step they take back or make again; each COM Port item shows its device and
    // is checked while its port is used.
    void UpdateCommand(int commandId, QAction& action);
    // The window the document's dialogs, message boxes and clone progress belong to.
    void SetWindow(QWidget* window);
    // Where the Port Devices dialog learns of the serial devices; the system's list by default.
    void SetSerialDevices(CPortDevicesDlg::DeviceLister devices) { m_serialDevices = std::move(devices); }

    CL52RadioData& GetRadioData() override { return *m_data; }
    ISettingsStore& Settings() override { return m_settings; }
    // Made empty with the document and removed with it.
    QString CloneFilePath() const { return QFile::decodeName(m_cloneFile.c_str()); }

    // Empty while the document has no file.
    QString GetPathName() const override { return m_path; }
    // The file name, or "Untitled".
    QString GetTitle() const override;

    // True when the modified flag is set or the radio data have been edited since the last load or save.
    bool IsModified();
    void SetModifiedFlag(bool modified = true);

    // The framework's steps, without the save prompt: a fresh document, a file opened, the document saved.
    // A failed open or save tells the user why and leaves the document as it was.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path);
    // Opens the file as a new untitled document, so that Save asks for a name and the file (an archive
    // copy) stays as it was.
    bool OpenUntitledCopy(const QString& path);
    bool OnSaveDocument(const QString& path);
    // Save asks before it writes over a file another program changed since it was opened or saved here.
    // Asks whether to save a modified document: Yes saves (Save As without a file), No discards, Cancel
    // gives false. True at once when nothing is modified.
    bool SaveModified();
    // The frame's close guard. While a clone read or write runs, the close (close box, SIGTERM) is held
    // back and made again once the command has ended; otherwise SaveModified.
    bool MayClose();

    // File menu commands.
    void FileNew();
    void FileOpen();
    bool FileSave();
    bool FileSaveAs();
    // File > Open once the file is chosen, as for a recent file, a file dropped on the window and one a
    // second start hands over: the save prompt first, then the file.
    void OpenFile(const QString& path);
    // The filter of the dialogs that choose a clone data file, and the extension of such a file.
    QString FileFilter() const override;
    QString DefaultSuffix() const;
    // Open from Archive: a copy as a new untitled document, or compared with the document.
    void OpenFromArchive();
    // The differences between the document (before the arrow) and a clone data file.

    // Runs a change made through the program as one undo step, named by the string-table identifier.
    void RecordEdit(int nameId, const std::function<void()>& change) override;
    void RecordRowEdit(int nameId, int rowBefore, int rowAfter, const std::function<void()>& change) override;
    // Goes to the window's message pane through StatusText.
    void ShowStatus(const QString& text) override;
    // Through StatusText and Announcement.
    void ShowOutcome(const QString& text) override;
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    CEditHistory& History() { return *m_history; }

    // COM Port menu.
    void SetPort(unsigned port);
    unsigned GetPort() const;
    void EditPortDevices();
    // The transceiver profile setup again: the port, the call sign and the version read or chosen are in
    // force at once, for this document and the next.
    void TransceiverSetup();

    // Cloning menu.
    void CloneRead();
    void CloneWrite();
    void CloneInformation();
    // Reads the transceiver into a document of its own and lists how the document differs from it; the
    // document, its modified flag and its undo history stay as they were.
    void CloneCompare();
    // The cable check in its window; after a failed transfer the window also tells what was seen.
    void CloneCheckCable();

Q_SIGNALS:
    void DocumentReplaced();
    void DocumentChanged();
    // After an undo or redo of a step that carried a channel to another row: the row to select.
    void RowSelected(int row);
    // The file name, or "Untitled", after the document got or lost its file.
    void TitleChanged(const QString& title);
    // A file was opened or saved: it goes to the top of the recent-file list.
    void FileUsed(const QString& path);
    // A file that could not be opened because it is gone: it leaves the recent-file list.
    void FileMissing(const QString& path);
    void StatusText(const QString& text);
    // A command's outcome to be said to assistive technology (a screen reader).
    void Announcement(const QString& text);
    // The operator's call sign as the setup stored it.
    void CallSignChanged(const QString& callSign);
    // A close of the window held back while a clone read or write ran may go ahead now: the window should
    // be asked to close again, once the command has returned.
    void CloseRequested();
    // Undo, Redo and the other commands may have changed their state: the menus should ask again now,
    // before the next key press, not wait for the idle update.
    void CommandStateChanged();

private:
    // Save and Save As as the menu runs them, whatever they answer.
    void SaveCommand();
    void SaveAsCommand();
    template <unsigned TPort> void UsePort() { SetPort(TPort); }
    void RefreshCommandUi();
    void AfterUndoOrRedo();
    void RememberSavedImage();
    void SyncModifiedWithSavedImage();
    void SetPathName(const QString& path);
    bool LoadDocument(const QString& path, bool untitled);
    void RememberFile();
    // False when the document's file was changed by another program since it was opened or saved here
    // and the user chose not to save over it.
    bool MaySaveOverFile();
    void UseArchiveSetting(CCloneCommands& commands) const;
    void ShowArchiveFailure(const CCloneCommands& commands);
    void ReportOutcome(ECloneCommand command, int outcome);
    // After a transfer that failed on the line: the cable check's window with what the transfer saw.
    void OfferDiagnosis(int outcome);
    CCableCheckDlg& CableCheckDialog();
    int RunTransfer(const std::function<int()>& transfer);
    void CloseIfHeld();
    QWidget* DialogParent() const;

    ISettingsStore& m_settings;
    ITonePlayer& m_tones;
    IClock& m_clock;
    QPointer<QWidget> m_window;
    CPortDevicesDlg::DeviceLister m_serialDevices = CPortDevicesDlg::DetectedDevices;
    std::unique_ptr<CL52RadioData> m_data;
    std::string m_cloneFile;
    std::unique_ptr<CGuiCloneHost> m_host;
    std::unique_ptr<CCloneSession> m_session;
    QPointer<CCableCheckDlg> m_cableCheck;
    std::unique_ptr<CEditHistory> m_history;
    // The image as last created, opened or saved.
    std::string m_savedImage;
    QString m_path;
    // The document's file as it was opened or saved here.
    SFileFingerprint m_fileFingerprint;
    bool m_modified = false;
    bool m_transferRunning = false;
    bool m_closeHeld = false;
};
