// Build step: renders each toolbar's images into one strip of 16 by 16 pictures (and a
// 32 by 32 strip for high-density screens), in the order of the toolbar table. Names
// starting with "zurne-" are the program's own drawings; the others come from the
// installed icon theme. The editor then reads their bare pixels (icon/rawimage.h) instead
// of parsing SVGs or decoding PNGs at every start. The program's icon is rendered by the
// same tool, at the sizes a desktop asks for, so that no start (the editor's or the
// preview's) loads the SVG renderer.
//
//   iconstrip OUTPUT_DIR OWN_ICONS_DIR
//   iconstrip --program-icon OUTPUT_DIR PROGRAM_ICON_SVG

#include "app/toolbartable.h"
#include "icon/rawimage.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>

#include <cstdio>

namespace {

void useBreezeTheme()
{
    QStringList paths = QIcon::themeSearchPaths();
    paths << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                       QStandardPaths::LocateDirectory);
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("breeze"));
}

QIcon iconFor(const QString &name, const QDir &own)
{
    if (name.startsWith(QLatin1String("zurne-")))
        return QIcon(own.filePath(name + QStringLiteral(".svg")));
    return QIcon::fromTheme(name);
}

bool writeStrip(const ToolbarLayout &layout, const QDir &out, const QDir &own, int size,
                const QString &suffix)
{
    QImage strip(size * int(layout.buttons.size()), size, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    int x = 0;
    for (const ToolbarButton &button : layout.buttons) {
        const QIcon icon = iconFor(QString::fromLatin1(button.icon), own);
        if (icon.isNull()) {
            std::fprintf(stderr, "iconstrip: no image for %s\n", button.icon);
            return false;
        }
        painter.drawPixmap(x, 0, icon.pixmap(QSize(size, size)));
        x += size;
    }
    painter.end();
    return writeRawImage(strip, out.filePath(QString::fromLatin1(layout.imageList) + suffix +
                                             QStringLiteral(".argb")));
}

bool writeProgramIcon(const QString &svg, const QDir &out)
{
    const QIcon icon(svg);
    for (int size : {16, 32, 48, 64}) {
        if (!writeRawImage(icon.pixmap(QSize(size, size)).toImage(),
                           out.filePath(QStringLiteral("zurne-%1.argb").arg(size)))) {
            std::fprintf(stderr, "iconstrip: cannot render %s\n", qPrintable(svg));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool programIcon = arguments.value(1) == QLatin1String("--program-icon");
    if (arguments.size() != (programIcon ? 4 : 3)) {
        std::fprintf(stderr, "usage: iconstrip OUTPUT_DIR OWN_ICONS_DIR\n"
                             "       iconstrip --program-icon OUTPUT_DIR PROGRAM_ICON_SVG\n");
        return 2;
    }
    const QDir out(arguments[programIcon ? 2 : 1]);
    QDir().mkpath(out.path());
    if (programIcon)
        return writeProgramIcon(arguments[3], out) ? 0 : 1;
    useBreezeTheme();
    const QDir own(arguments[2]);
    for (const ToolbarLayout *layout : {&standardToolbar(), &htmlToolbar()}) {
        if (!writeStrip(*layout, out, own, 16, QString()) ||
            !writeStrip(*layout, out, own, 32, QStringLiteral("@2x")))
            return 1;
    }
    return 0;
}
