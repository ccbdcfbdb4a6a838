#pragma once

#include <QString>
#include <functional>

class CRadioData;
class ISettingsStore;

// What the channel list and the window's commands need of the document: the radio data they show and
// change, its file, the status texts they report, the settings they keep their choices in, and the undo
// history every change goes through. The document implements it; the list learns of replaced or changed data
// through whoever connects the two.
class IChannelDocument
{
public:
    virtual ~IChannelDocument() = default;

    virtual CRadioData& GetRadioData() = 0;
    virtual ISettingsStore& Settings() = 0;
    // The document's file; empty while it has none.
    virtual QString GetPathName() const = 0;
    // The file name, or "Untitled".
    virtual QString GetTitle() const = 0;
    // The filter of the dialogs that choose a clone data file.
    virtual QString FileFilter() const = 0;
    // A text for the window's message pane.
    virtual void ShowStatus(const QString& text) = 0;
    // A command's outcome: shown in the message pane and said to assistive technology as well.
    virtual void ShowOutcome(const QString& text) = 0;
    // Runs a change made through the program as one undo step, named by the string-table identifier.
    virtual void RecordEdit(int nameId, const std::function<void()>& change) = 0;
    // The same for a change that carries the selected channel from one row to another: undoing it selects
    // the row before again, redoing it the row after.
    virtual void RecordRowEdit(int nameId, int rowBefore, int rowAfter,
                               const std::function<void()>& change) = 0;
};
