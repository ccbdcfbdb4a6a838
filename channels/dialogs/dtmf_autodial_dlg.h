#pragma once

#include <QDialog>
#include <QString>
#include <array>

class ICommandTarget;
class QComboBox;
class QLineEdit;
class QListWidget;

// Edits the nine DTMF autodial memories, the memory the transceiver dials and the DTMF speed. Everything
// is read when the dialog opens and kept in the dialog's own buffers until OK writes all eleven values
// back; Cancel sends nothing.
class CDtmfAutodialDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMemoryCount = 9;
    static constexpr int kDigitLength = 16;

    // The data must outlive the dialog.
    explicit CDtmfAutodialDlg(ICommandTarget& data, QWidget* parent = nullptr);

    // The digits the dialog holds for memory 1 to 9, as they would be written.
    QString Digits(int memory) const;

    void accept() override;

protected:
    // A character typed on the memory list starts the selected memory's digits afresh in the edit.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayOut();
    void ReadMemories();
    void ShowSelectedMemory();
    void TakeEditedDigits(const QString& text);
    void ShowLine(int index);
    int SelectedMemory() const;

    ICommandTarget& m_data;
    std::array<QString, kMemoryCount> m_buffers;

    QListWidget* m_memories;
    QLineEdit* m_digits;
    QComboBox* m_channel;
    QComboBox* m_speed;
};
