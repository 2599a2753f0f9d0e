#include "app/application.h"

#include "app/mainwindow.h"
#include "icon/programicon.h"
#include "journal/journal.h"
#include "journal/journalrestore.h"
#include "platform/fontconfigload.h"
#include "platform/strippaintstyle.h"
#include "textview/textbox.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
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

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Zurne"));
    QApplication::setWindowIcon(programIcon());
    QApplication::setStyle(new platform::StripPaintStyle);
    setUpJapanese(app);
}

int runZurne(int argc, char *argv[])
{
    platform::FontConfigLoad fonts;
    QApplication app(argc, argv);
    setUpApplication(app);
    // Before the first window, so that it watches every document, and gone after the last.
    Journal journal;
    fonts.wait();
    // Every argument Qt leaves is a file to open, as a desktop's "open with" passes them.
    MainWindow mainWindow(QApplication::arguments().mid(1));
    mainWindow.show();
    // Asked over the shown main window, once.
    QTimer::singleShot(0, &mainWindow, [&journal] { JournalRestore::offerLeftDocuments(journal); });
    return QApplication::exec();
}
