#include "app/application.h"

#include "app/frmmdi.h"
#include "app/programicon.h"
#include "document/textbox.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpJapanese(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    QFont font = QApplication::font();
    font.setFamily(TextBox::FontFamily);
    QApplication::setFont(font);
}

int runZurne(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zurne"));
    QApplication::setWindowIcon(programIcon());
    setUpJapanese(app);
    frmMDI mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
