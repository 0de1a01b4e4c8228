#pragma once
// What the registry windows change in the main window, handed to them by the wiring.
#include <functional>

struct MainLabels {
    std::function<void()> groupChanged;    // the group label and the group name label anew
    std::function<void()> groupNamesSaved; // the group name label anew
    std::function<void()> clearStatus;     // the main status label cleared
};
