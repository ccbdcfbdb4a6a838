#pragma once

#include "interchange/channel_csv.h"

#include <QDialog>
#include <string>

class ICommandTarget;
class ISettingsStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// File > Import CSV...'s preview, before anything changes: the placement (at the Location, in file order
// or into blank channels from a memory channel on, only the rows the transceiver can use), and a table of
// the file's rows with the channel each goes to, what that channel will then hold and the row's note; a
// channel in use that the row overwrites is marked. Each change of the choices runs the import again on a
// copy of the document. The choices are remembered in the settings store on OK. Widgets
// "placementCombo", "fromSpin", "fittingCheck", "previewTable", "previewSummary", "okButton",
// "cancelButton".
class CImportPreviewDlg : public QDialog
{
    Q_OBJECT

public:
    // The document, the text and the settings store outlive the dialog; the document is not changed.
    CImportPreviewDlg(ICommandTarget& document, std::string_view text, const QString& fileName,
                      ISettingsStore& settings, QWidget* parent = nullptr);

    // The import as the table shows it now: its report and the image OK gives the document.
    const channel_csv::SImportPreview& Preview() const { return m_preview; }
    channel_csv::SImportOptions Options() const;

    // The choices last confirmed: at the Location, from channel 00, every row.
    static channel_csv::SImportOptions StoredOptions(const ISettingsStore& settings);

    void accept() override;

private:
    void Refresh();

    ICommandTarget& m_data;
    std::string_view m_text;
    ISettingsStore& m_settings;
    channel_csv::SImportPreview m_preview;
    QComboBox* m_placement;
    QSpinBox* m_from;
    QCheckBox* m_fitting;
    QTableWidget* m_table;
    QLabel* m_summary;
    QPushButton* m_ok = nullptr;
};
