#pragma once

#include <QString>

// The plain-words reason for a data layer's answer word after a failed open (forSave false) or save.
QString FileFailureText(const QString& answerWord, bool forSave);
