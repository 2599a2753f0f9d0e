#pragma once

// The mouse pointer during work the user waits for: reading or writing a file, replacing
// throughout a text. While a BusyCursor lives the pointer is the busy one, and it comes back
// on every way out of the scope, early returns and exceptions included. A window the user
// has to answer meanwhile (a message box) shows the normal pointer: NormalCursor, which
// platform::showMessage puts around every message. This is the only place that sets the
// application's pointer.

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// The normal pointer while it lives, inside busy work; outside it, nothing changes.
class NormalCursor {
public:
    NormalCursor();
    ~NormalCursor();
    NormalCursor(const NormalCursor &) = delete;
    NormalCursor &operator=(const NormalCursor &) = delete;

private:
    bool overridden_;
};
