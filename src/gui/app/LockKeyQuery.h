#pragma once

#include <optional>

struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock keys as the window system sees them; nothing where it cannot tell
// (no X11 display, for example the offscreen platform).
std::optional<LockKeyState> queryLockKeys();
