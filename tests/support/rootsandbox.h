#pragma once

// The machines that run the tests may run them as root, for whom the browser engine will
// not start with its sandbox, and the program will not preview at all. The tests stand in
// for an ordinary user: there, and only in the tests, the engine runs without it.

#include <QtGlobal>
#include <unistd.h>

inline void allowBrowserEngineAsRoot()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
