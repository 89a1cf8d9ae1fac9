// The states of the keyboard's lock keys for the status bar's indicator panes.
#pragma once

namespace zqv {

// Bit 0 Caps Lock, bit 1 Num Lock, bit 2 Scroll Lock. `known` is false where the platform
// does not tell (then the result is 0).
unsigned QueryLockKeys(bool *known);

}  // namespace zqv
