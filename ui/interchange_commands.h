#pragma once

#include <QPointer>
#include <QString>

class CMainFrame;
class CZQL52Doc;
class CZQL52View;
class QWidget;

// The File menu's channel interchange: Import CSV... (one undo step, then a report of the rows not
// stored exactly), Export CSV... (the memory channels in use, and on request the program-scan edges and
// call channels) and Compare with File... (the differences between the document and a clone data file).
// A file that cannot be read or written is reported in a message box and changes nothing.
class CInterchangeCommands
{
public:
    // The view owns the commands; the document outlives both.
    CInterchangeCommands(CZQL52View& view, CZQL52Doc& document);

    // Hands the commands to the frame's File menu.
    void AttachFrame(CMainFrame& frame);

    void ImportCsv();
    void ExportCsv();
    void CompareWithFile();

private:
    // The steps after the file dialogs.
    void ImportCsvFile(const QString& path);
    bool ExportCsvFile(const QString& path, bool all);
    void CompareWithFile(const QString& path);

    QString StartFolder() const;
    QString CsvFilter() const;
    void ShowStatus(const QString& text);
    QWidget* DialogParent() const;

    CZQL52View& m_view;
    CZQL52Doc& m_document;
    QPointer<CMainFrame> m_frame;
};
