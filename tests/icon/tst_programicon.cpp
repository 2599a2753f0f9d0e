#include "preview/browser/previewwindow.h"
#include "support/enginetestmain.h"
#include "support/windowtest.h"

// Last: the X headers define macros that clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

// The editor's main window and the preview's browser window give the window manager one
// icon: the same sizes and the same pixels.
class tst_ProgramIcon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bothWindowsGiveTheWindowManagerTheSameIcon();
};

namespace {

// The window's _NET_WM_ICON: width, height and pixels of each size, one after another.
QList<unsigned long> netWmIcon(const QWidget &window)
{
    Display *display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    XGetWindowProperty(display, Window(window.winId()), XInternAtom(display, "_NET_WM_ICON", 0), 0,
                       1 << 20, False, XA_CARDINAL, &type, &format, &count, &after, &data);
    const auto *values = reinterpret_cast<const unsigned long *>(data);
    const QList<unsigned long> icon(values, values + (data ? count : 0));
    XFree(data);
    return icon;
}

} // namespace

void tst_ProgramIcon::bothWindowsGiveTheWindowManagerTheSameIcon()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("The icon property lives on an X server; the xcb run of this test covers it");
    WindowFixture w;
    w.start();
    PreviewWindow preview;
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview) && QTest::qWaitForWindowExposed(w.mdi.get()));
    const QList<unsigned long> editor = netWmIcon(*w.mdi);
    QList<unsigned long> sizes;
    for (qsizetype at = 0; at + 1 < editor.size(); at += 2 + qsizetype(editor[at] * editor[at + 1]))
        sizes << editor[at];
    QCOMPARE(sizes, (QList<unsigned long>{16, 32, 48, 64}));
    QCOMPARE(netWmIcon(preview), editor);
    w.stop();
}

ZURNE_ENGINE_TEST_MAIN(tst_ProgramIcon)

#include "tst_programicon.moc"
