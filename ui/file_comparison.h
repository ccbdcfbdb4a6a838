#pragma once

class CRadioData;
class QString;
class QWidget;

// The differences between the document's data and the clone data file at `path`, in a dialog; a file that
// cannot be read is reported in a message box instead. Compare with File and the archive's Compare use it.
void ShowFileComparison(CRadioData& data, const QString& path, QWidget* parent);
