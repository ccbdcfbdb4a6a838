#pragma once

#include "ui/command_binding.h"

#include <QString>

class CRadioData;
class IChannelDocument;
class IChannelSelection;
class QWidget;

// The differences between the document's data and the clone data file at `path`, in a dialog; a file that
// cannot be read is reported in a message box instead. Compare with File and the archive's Compare use it.
void ShowFileComparison(CRadioData& data, const QString& path, QWidget* parent);

// The File menu's channel interchange: Import CSV... (one undo step, then a report of the rows not
// stored exactly), Export CSV... (the memory channels in use, and on request the program-scan edges and
// call channels) and Compare with File... (the differences between the document and a clone data file).
// A file that cannot be read or written is reported in a message box and changes nothing.
class CInterchangeCommands
{
public:
    // The list owns the commands; the document outlives both.
    CInterchangeCommands(IChannelSelection& selection, IChannelDocument& document);

    // The commands with their enabled states, for the frame's menus and accelerators.
    CommandBindings Bindings();

    void ImportCsv();
    void ExportCsv();
    void CompareWithFile();

private:
    // The steps after the file dialogs.
    void ImportCsvFile(const QString& path);
    bool ExportCsvFile(const QString& path, bool all);

    QString StartFolder() const;
    QString CsvFilter() const;

    IChannelSelection& m_selection;
    IChannelDocument& m_document;
};
