// The program's appearance: the desktop's own colours, or a dark or a high-contrast look of the
// program's own for desktops that do not hand theirs to the program. The choice is kept in the
// user's settings and applied to every open window at once.
#pragma once

#include "ConfigStore.h"

#include <QPalette>

namespace zqv {

enum class Appearance {
    Desktop = 0,  // the desktop's colours and style, as they come
    Dark = 1,
    HighContrast = 2,  // white text on black, yellow selection, strong frames
};

namespace config {
inline constexpr ConfigValue AppearanceChoice{ConfigScope::User, "Appearance", ConfigType::Dword, 4};
}

// The stored choice; an unknown or missing value is Desktop.
Appearance ReadAppearance(const CConfigStore &store);
void WriteAppearance(CConfigStore &store, Appearance appearance);

// The palette of a look of the program's own (Dark or HighContrast); for Desktop, the
// palette the desktop gave the program.
QPalette AppearancePalette(Appearance appearance);

// Gives the whole program the look: its style and palette, so every open window, form and list
// repaints with them. Desktop puts back what the desktop gave.
void ApplyAppearance(Appearance appearance);

}  // namespace zqv
