#pragma once

#include "interchange/channel_sheet.h"

#include <QDialog>

class ISettingsStore;
class QCheckBox;

// Asked before printing, the print preview and a PDF export: what the channel sheet includes besides
// the channels in use. The choices are remembered in the settings store when the user presses OK.
class CPrintOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    // The settings store must outlive the dialog.
    explicit CPrintOptionsDlg(ISettingsStore& settings, QWidget* parent = nullptr);

    // The choices as the check boxes show them now.
    channel_sheet::SOptions Options() const;

    // The choices last confirmed, all off at first.
    static channel_sheet::SOptions StoredOptions(const ISettingsStore& settings);

    void accept() override;

private:
    ISettingsStore& m_settings;
    QCheckBox* m_blankChannels = nullptr;
    QCheckBox* m_commonSettings = nullptr;
    QCheckBox* m_dtmfMemories = nullptr;
};
