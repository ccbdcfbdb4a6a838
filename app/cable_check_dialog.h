#pragma once

#include "core/rig/radio_data.h"

#include <QDialog>
#include <QString>
#include <array>
#include <string>

class ISettingsStore;
class QLabel;
class QPushButton;
struct SCheckStepResult;

// The cable check in a window: the port, the cable and the transceiver step by step, each step with
// its mark and what it found. After a failed transfer it first shows what the transfer saw on the line
// and runs the check on request.
class CCableCheckDlg : public QDialog
{
    Q_OBJECT

public:
    // The store maps the port slots to devices; it must outlive the dialog.
    CCableCheckDlg(const ISettingsStore& portMap, QWidget* parent = nullptr);

    // A port slot name or a device path, and the profile the answer is compared with.
    void SetPort(const std::string& port, const STransceiverProfile& profile);
    // What the latest transfer saw; empty hides it.
    void SetSeen(const QString& text);
    // Runs the check, showing each step as it ends. The outcome: 0 or the failing step's code.
    int RunCheck();

private:
    void ShowStep(const SCheckStepResult& step);
    void ClearSteps();

    static constexpr size_t kSteps = 6;

    const ISettingsStore& m_portMap;
    std::string m_port;
    STransceiverProfile m_profile;
    QLabel* m_intro = nullptr;
    QLabel* m_seen = nullptr;
    std::array<QLabel*, kSteps> m_marks{};
    std::array<QLabel*, kSteps> m_texts{};
    QPushButton* m_run = nullptr;
};
