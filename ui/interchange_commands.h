#pragma once

#include "ui/command_binding.h"

#include <QString>

class IChannelDocument;
class IChannelSelection;

// The File menu's channel interchange: Import CSV... (a preview of where each row goes and what is not
// stored exactly, then one undo step), Export CSV... (the memory channels in use, and on request the
// program-scan edges and call channels) and Compare with File... (the differences between the document and a
// clone data file). A file that cannot be read or written is reported in a message box and changes nothing.
class CInterchangeCommands
{
public:
    // The selection and the document outlive the commands.
    CInterchangeCommands(IChannelSelection& selection, IChannelDocument& document);

    // The commands with their enabled states, for the frame's menus and accelerators.
    CommandBindings Bindings();
    // Always enabled.
    void UpdateCommand(int commandId, QAction& action);

    void ImportCsv();
    void ExportCsv();
    void CompareWithFile();
    // Import CSV with the file chosen (a file dropped on the window).
    void ImportCsvFile(const QString& path);

private:
    // The steps after the file dialogs.
    bool ExportCsvFile(const QString& path, bool all);

    QString StartFolder() const;
    QString CsvFilter() const;

    IChannelSelection& m_selection;
    IChannelDocument& m_document;
};
