#include "icon/programicon.h"
#include "preview/browser/previewwindow.h"
#include "support/enginetestmain.h"
#include "support/windowtest.h"

#include <QTest>

// Last: the X headers define macros that clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

// The editor's main window and the preview's browser window show one icon: the same sizes
// and pixels, in the window manager's icon property too.
class tst_ProgramIcon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bothWindowsHoldTheSameSizesAndPixels();
    void bothWindowsGiveTheWindowManagerTheSameIcon();
};

namespace {

QList<QImage> imagesOf(const QIcon &icon)
{
    QList<QImage> images;
    for (const QSize size : icon.availableSizes())
        images << icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    return images;
}

// The window's _NET_WM_ICON: width, height and pixels of each size, one after another.
QList<unsigned long> netWmIcon(const QWidget &window)
{
    Display *display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    const Atom property = XInternAtom(display, "_NET_WM_ICON", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    XGetWindowProperty(display, Window(window.winId()), property, 0, 1 << 20, False, XA_CARDINAL,
                       &type, &format, &count, &after, &data);
    QList<unsigned long> values;
    for (unsigned long i = 0; data && i < count; ++i)
        values << reinterpret_cast<const unsigned long *>(data)[i];
    if (data)
        XFree(data);
    return values;
}

QList<unsigned long> sizesIn(const QList<unsigned long> &icon)
{
    QList<unsigned long> sizes;
    for (qsizetype at = 0; at + 1 < icon.size(); at += 2 + qsizetype(icon[at] * icon[at + 1]))
        sizes << icon[at];
    return sizes;
}

} // namespace

void tst_ProgramIcon::bothWindowsHoldTheSameSizesAndPixels()
{
    WindowFixture w;
    w.start();
    PreviewWindow preview;
    QCOMPARE(w.mdi->windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    QCOMPARE(preview.windowIcon().availableSizes(), w.mdi->windowIcon().availableSizes());
    QCOMPARE(imagesOf(preview.windowIcon()), imagesOf(w.mdi->windowIcon()));
    w.stop();
}

void tst_ProgramIcon::bothWindowsGiveTheWindowManagerTheSameIcon()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("The icon property lives on an X server; the xcb run of this test covers it");
    WindowFixture w;
    w.start();
    PreviewWindow preview;
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QVERIFY(QTest::qWaitForWindowExposed(w.mdi.get()));
    const QList<unsigned long> editor = netWmIcon(*w.mdi);
    QCOMPARE(sizesIn(editor), (QList<unsigned long>{16, 32, 48, 64}));
    QCOMPARE(netWmIcon(preview), editor);
    w.stop();
}

ZURNE_ENGINE_TEST_MAIN(tst_ProgramIcon)

#include "tst_programicon.moc"
