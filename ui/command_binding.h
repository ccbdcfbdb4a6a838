#pragma once

#include <functional>
#include <vector>

class QAction;

// One command of the window as whoever carries it out hands it to the frame: what it does, and how it
// sets the enabled, checked state and text of its action before a menu opens, while the program is idle
// and just before it runs. Without an update the command is enabled while it has a handler.
struct SCommandBinding
{
    int id = 0;
    std::function<void()> run;
    std::function<void(QAction& action)> update;
};

using CommandBindings = std::vector<SCommandBinding>;
