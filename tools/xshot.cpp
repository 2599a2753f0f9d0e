// Saves a picture of the X screen, or of one window given by its id: the end-to-end scenarios
// leave one where they fail, and the README's picture of the main window is made with it.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const WId window = argc > 2 ? QByteArray(argv[2]).toULongLong() : 0;
    return QGuiApplication::primaryScreen()->grabWindow(window).save(argv[1]) ? 0 : 1;
}
