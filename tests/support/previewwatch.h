#pragma once

// What a preview window's browser program reported, in order: the addresses it finished
// loading (a failed load as "failed " + address) and the page titles. The browser is real,
// so tests wait for what they expect.

#include "preview/frmwb.h"

#include <QStringList>
#include <QTest>

// Long enough for a first browser start on a busy machine.
constexpr int BrowserWaitMs = 60000;

struct PreviewWatch {
    QStringList loads;
    QStringList titles;

    void watch(frmWB *window)
    {
        QVERIFY(window);
        QObject::connect(window, &frmWB::loadFinished, window,
                         [this](const QString &address, bool ok) {
                             loads << (ok ? address : QStringLiteral("failed ") + address);
                         });
        QObject::connect(window, &frmWB::titleChanged, window,
                         [this](const QString &title) { titles << title; });
    }
};

// Waits until the browser has shown `title` (again, when it is the one already shown).
#define WAIT_FOR_TITLE(watch, title)                                                               \
    QTRY_VERIFY_WITH_TIMEOUT((watch).titles.contains(title), BrowserWaitMs)
