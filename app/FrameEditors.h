// Puts the profile tree and its forms into the desktop program's profile windows: every new
// CChildFrame gets a CZQVCPSTreeView on its left and the tree's forms on its right (the root
// keeps the window's own radio information form).
#pragma once

namespace zqv {

class IPrompter;

// Installs the tree and form factories of CChildFrame. `prompter` shows the trees' and forms'
// messages; it must outlive every profile window.
void InstallEditors(IPrompter &prompter);

}  // namespace zqv
