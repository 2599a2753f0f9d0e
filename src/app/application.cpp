#include "app/application.h"

#include "app/frmmdi.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own dialogs and buttons speak Japanese like the rest of the program.
void installJapaneseTranslation(QApplication &app, QTranslator &translator)
{
    if (translator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

} // namespace

int runZurne(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zurne"));
    QTranslator translator;
    installJapaneseTranslation(app, translator);
    frmMDI mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
