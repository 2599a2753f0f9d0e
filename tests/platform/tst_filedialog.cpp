#include "platform/filedialog.h"
#include "support/tempfiles.h"

#include <QAbstractFileIconProvider>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using platform::FileMode;

class tst_FileDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startingFolderAndName_data();
    void startingFolderAndName();
    void filtersReadAsWritten();
    void aFolderIsChosenAmongFoldersOnly();
    void listingAFolderReadsNoFile_data();
    void listingAFolderReadsNoFile();
};

void tst_FileDialog::startingFolderAndName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expectedFolder");
    QTest::addColumn<QString>("expectedName");
    const QString home = QDir::homePath();
    const QString temp = QDir::tempPath();
    QTest::newRow("fresh profile") << QString() << QString() << home << QString();
    QTest::newRow("no stored folder is never a name") << "?" << QString() << home << QString();
    QTest::newRow("stored folder") << temp + '/' << QString() << temp << QString();
    QTest::newRow("stored folder gone") << "/no/such/folder/" << QString() << home << QString();
    QTest::newRow("last file chosen") << QString() << temp + "/page.html" << temp << "page.html";
}

void tst_FileDialog::startingFolderAndName()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, expectedFolder);
    QFETCH(QString, expectedName);
    QFileDialog dialog;
    platform::prepareFileDialog(dialog, {FileMode::Open, "All|*.*", folder, file});
    QCOMPARE(dialog.directory().absolutePath(), expectedFolder);
    QCOMPARE(dialog.findChild<QLineEdit *>("fileNameEdit")->text(), expectedName);
}

void tst_FileDialog::filtersReadAsWritten()
{
    QFileDialog dialog;
    platform::prepareFileDialog(
        dialog,
        {FileMode::Open,
         u"HTML文書(*.html;*.htm)|*.html;*.htm|ﾃｷｽﾄ文書(*.txt)|*.txt|全てのﾌｧｲﾙ(*.*)|*.*"_qs,
         {},
         {}});
    const QComboBox *types = dialog.findChild<QComboBox *>("fileTypeCombo");
    QStringList shown;
    for (int i = 0; i < types->count(); ++i)
        shown << types->itemText(i);
    QCOMPARE(shown, (QStringList{u"HTML文書(*.html;*.htm)"_qs, u"ﾃｷｽﾄ文書(*.txt)"_qs,
                                 u"全てのﾌｧｲﾙ(*.*)"_qs}));
}

void tst_FileDialog::aFolderIsChosenAmongFoldersOnly()
{
    QFileDialog dialog;
    platform::prepareFileDialog(dialog, {FileMode::Folder, {}, QDir::tempPath(), {}});
    QCOMPARE(dialog.fileMode(), QFileDialog::Directory);
    QVERIFY(dialog.testOption(QFileDialog::ShowDirsOnly));
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(dialog.directory().absolutePath(), QDir::tempPath());
}

// A folder holding a FIFO, or /proc with its kmsg, blocks any reader of those files: the
// dialog lists them from their names alone. Reading a file would also show in the type of a
// page saved without an ending.
void tst_FileDialog::listingAFolderReadsNoFile_data()
{
    QTest::addColumn<bool>("proc");
    QTest::newRow("folder with a fifo") << false;
    QTest::newRow("proc") << true;
}

void tst_FileDialog::listingAFolderReadsNoFile()
{
    QFETCH(bool, proc);
    TempFiles files;
    const QString page = files.write("page", "<!DOCTYPE html>\n<html><body>x</body></html>\n");
    QCOMPARE(mkfifo(qPrintable(files.path("pipe.html")), 0600), 0);
    const QString folder = proc ? QStringLiteral("/proc") : files.path(".");

    QFileDialog dialog;
    platform::prepareFileDialog(dialog, {FileMode::Open, "All|*", folder, {}});
    auto *model = dialog.findChild<QFileSystemModel *>();
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    dialog.show();
    QVERIFY(loaded.wait(5000) || loaded.count() > 0);
    const QModelIndex root = model->index(folder);
    for (int row = 0; row < model->rowCount(root); ++row) {
        model->data(model->index(row, 0, root), Qt::DecorationRole);
        model->data(model->index(row, 2, root), Qt::DisplayRole);
    }
    QCOMPARE(dialog.iconProvider()->type(QFileInfo(page)),
             dialog.iconProvider()->type(QFileInfo(files.path("no-such-file"))));
}

QTEST_MAIN(tst_FileDialog)
#include "tst_filedialog.moc"
