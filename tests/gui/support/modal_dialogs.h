#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal window that opens while a command runs, such as the Information dialog or the
// initial setup: polls for the active modal widget and gives it to the action once. The action answers
// whether it handled the widget; until it does, polling goes on. Deleting the returned timer gives up.
QPointer<QTimer> WhenModalOpens(std::function<bool(QWidget* modal)> action);

// WhenModalOpens for a window with the given objectName: runs the inspection, then clicks the button with
// the given objectName (e.g. "okButton").
QPointer<QTimer> ClickInNextModal(const QString& windowName, const QString& buttonName,
                                  std::function<void(QWidget* modal)> inspect = {});
