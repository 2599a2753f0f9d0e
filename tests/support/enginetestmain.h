#pragma once

// The main() of a test that runs the browser engine in its own process: the engine is set
// up as the browser program sets it up, before QApplication exists.

#include "preview/browser/enginesetup.h"
#include "support/rootsandbox.h"

#include <QApplication>
#include <QTest>

#define ZURNE_ENGINE_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        allowBrowserEngineAsRoot();                                                                \
        EngineSetup::prepare();                                                                    \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
