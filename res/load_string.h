#pragma once

#include "core/string_table.h"

#include <QString>

// The string table for Qt code.

QString LoadString(int id);
// First part of a command prompt: the status-bar text.
QString PromptStatusText(int commandId);
// Second part of a command prompt: the tool tip; empty when the prompt has none.
QString PromptToolTip(int commandId);
