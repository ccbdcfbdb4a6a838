#pragma once

#include <QList>
#include <QString>

class QWidget;

// Open and save file dialogs. Tests answer them ahead of time: a queued file name (an empty one meaning
// that the user cancelled) is returned at once instead of showing a dialog, and the request is recorded.
class FileDialogs
{
public:
    enum class Kind
    {
        Open,
        Save,
    };

    struct SRequest
    {
        Kind kind;
        QString caption;
        QString startPath;
        QString filter;
    };

    // The chosen existing file, or empty when the user cancelled.
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                   const QString& filter);
    // The chosen file name, with defaultSuffix (without dot) added when the user typed none; the user has
    // already confirmed overwriting an existing file. Empty when the user cancelled.
    static QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                   const QString& filter, const QString& defaultSuffix);

    // Test seam: the answer of the next dialog; an empty name answers as Cancel.
    static void SetNextFileName(const QString& fileName);
    // Test seam: the answer of every dialog met while no answer is queued, so no test ever blocks.
    static void SetDefaultFileName(const QString& fileName);
    // Dialogs answered through the test seam since the last reset, oldest first.
    static QList<SRequest> Requests();
    static void Reset();
};
