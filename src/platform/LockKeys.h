// The states of Caps Lock, Num Lock and Scroll Lock for the status bar's
// indicators, read from the X server's keyboard.
#pragma once

struct LockStates {
    bool known = false; // false where the platform does not tell (offscreen)
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockStates ReadLockStates();
