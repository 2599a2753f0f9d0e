#include "files/filedrop.h"
#include "support/deadline.h"
#include "support/specialfiles.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>

class tst_FileDrop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { w.start(); }
    void cleanup() { w.stop(); }

    void acceptRule_data();
    void acceptRule();
    void refusesSeveralFilesAndPlainText();
    void dropOpensBytesUnchanged_data();
    void dropOpensBytesUnchanged();
    void oversizedDropIsRefused();
    void dropOnModifiedDocumentOpensSecondWindow();
    void dropOnMainWindowArea();
    void unreadableFileReportsFailure();
    void notARegularFileOpensNothing_data();
    void notARegularFileOpensNothing();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    static QMimeData *files(const QStringList &paths);
    static bool dragAccepted(QWidget *target, QMimeData *data);
    static void dropOn(QWidget *target, QMimeData *data);
    WindowFixture w;
    QTemporaryDir dir;
};

QString tst_FileDrop::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(bytes);
    return path;
}

QMimeData *tst_FileDrop::files(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

bool tst_FileDrop::dragAccepted(QWidget *target, QMimeData *data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
}

void tst_FileDrop::dropOn(QWidget *target, QMimeData *data)
{
    dragAccepted(target, data);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void tst_FileDrop::acceptRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("PAGE.HTML") << "PAGE.HTML" << true;
    QTest::newRow("page.htm") << "page.htm" << true;
    QTest::newRow("notes.TXT") << "notes.TXT" << true;
    QTest::newRow("a.Html") << "a.Html" << true;
    QTest::newRow("page.shtml") << "page.shtml" << false;
    QTest::newRow("page.php") << "page.php" << false;
    QTest::newRow("page.html.bak") << "page.html.bak" << false;
    QTest::newRow("no extension") << "README" << false;
}

void tst_FileDrop::acceptRule()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    const QString path = writeFile(name, "x");
    std::unique_ptr<QMimeData> data(files({path}));
    QCOMPARE(FileDrop::accepts(data.get()), accepted);
    QCOMPARE(dragAccepted(w.active()->textBox().viewport(), data.get()), accepted);
    QCOMPARE(dragAccepted(w.mdi->mdiArea().viewport(), data.get()), accepted);
}

void tst_FileDrop::refusesSeveralFilesAndPlainText()
{
    const QString a = writeFile(QStringLiteral("a.html"), "a");
    const QString b = writeFile(QStringLiteral("b.html"), "b");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.html")));
    std::unique_ptr<QMimeData> two(files({a, b}));
    std::unique_ptr<QMimeData> folder(files({dir.filePath(QStringLiteral("folder.html"))}));
    QMimeData text;
    text.setText(a);
    QVERIFY(!FileDrop::accepts(two.get()));
    QVERIFY(!FileDrop::accepts(folder.get()));
    QVERIFY(!FileDrop::accepts(&text));
    QVERIFY(!dragAccepted(w.active()->textBox().viewport(), &text));
    QVERIFY(!dragAccepted(w.active()->textBox().viewport(), two.get()));
    QVERIFY(!dragAccepted(w.mdi->mdiArea().viewport(), folder.get()));
}

void tst_FileDrop::dropOpensBytesUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("no final line break")
        << QByteArray("<P>\r\nend") << QStringLiteral("<P>\r\nend");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("exactly 30000 bytes")
        << QByteArray(30000, 'x') << QString(30000, QLatin1Char('x'));
}

void tst_FileDrop::dropOpensBytesUnchanged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = writeFile(QStringLiteral("dropped.html"), bytes);
    std::unique_ptr<QMimeData> data(files({path}));
    dropOn(w.active()->textBox().viewport(), data.get());
    QCOMPARE(w.mdi->children().size(), 2);
    QCOMPARE(w.text().Text(), text);
    QCOMPARE(w.active()->Caption(), path);
    QCOMPARE(w.active()->Tag(), QString());
    QVERIFY(w.platform->messages.isEmpty());
}

void tst_FileDrop::oversizedDropIsRefused()
{
    const QString path = writeFile(QStringLiteral("big.html"), QByteArray(30001, 'x'));
    std::unique_ptr<QMimeData> data(files({path}));
    dropOn(w.active()->textBox().viewport(), data.get());
    QCOMPARE(w.mdi->children().size(), 1);
    QCOMPARE(w.platform->messages.size(), 1);
    const platform::Message &shown = w.platform->messages.first();
    QCOMPARE(shown.text, QStringLiteral("ﾌｧｲﾙｻｲｽﾞが大きすぎます"));
    QCOMPARE(shown.title, QStringLiteral("Zurne"));
    QCOMPARE(shown.buttons, platform::Buttons::Ok);
    QCOMPARE(shown.icon, platform::Icon::Exclamation);
}

void tst_FileDrop::dropOnModifiedDocumentOpensSecondWindow()
{
    DocumentWindow *first = w.active();
    QTest::keyClicks(&first->textBox(), QStringLiteral("edit"));
    const QString before = first->Text().Text();
    const QString path = writeFile(QStringLiteral("other.txt"), "other");
    std::unique_ptr<QMimeData> data(files({path}));
    dropOn(first->textBox().viewport(), data.get());
    QCOMPARE(w.mdi->children().size(), 2);
    QVERIFY(w.active() != first);
    QCOMPARE(first->Text().Text(), before);
    QCOMPARE(first->Tag(), QStringLiteral("CHANGE"));
    QCOMPARE(w.text().Text(), QStringLiteral("other"));
}

void tst_FileDrop::dropOnMainWindowArea()
{
    w.trigger("mnuClose");
    const QString path = writeFile(QStringLiteral("page.htm"), "<HTML>");
    std::unique_ptr<QMimeData> data(files({path}));
    dropOn(w.mdi->mdiArea().viewport(), data.get());
    QCOMPARE(w.mdi->children().size(), 1);
    QCOMPARE(w.text().Text(), QStringLiteral("<HTML>"));
    QVERIFY(w.mdi->tbrHTML()->isVisible());
}

void tst_FileDrop::unreadableFileReportsFailure()
{
    FileDrop::openDroppedFile(dir.filePath(QStringLiteral("vanished.html")));
    QCOMPARE(w.mdi->children().size(), 1);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages.first().text, QStringLiteral("ﾃｷｽﾄﾌｧｲﾙの読み込みに失敗しました"));
    QCOMPARE(w.platform->messages.first().title, QStringLiteral("Zurne"));
}

void tst_FileDrop::notARegularFileOpensNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to an endless device") << "endless";
    QTest::newRow("FIFO nobody writes to") << "fifo";
    QTest::newRow("socket") << "socket";
}

void tst_FileDrop::notARegularFileOpensNothing()
{
    QFETCH(QString, kind);
    const QString path = specialfiles::make(kind, dir.filePath(kind + ".html"));
    QVERIFY(!path.isEmpty());
    std::unique_ptr<QMimeData> data(files({path}));
    const Deadline deadline(10);
    dropOn(w.active()->textBox().viewport(), data.get());
    QCOMPARE(w.mdi->children().size(), 1);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages.first().text,
             QStringLiteral("ﾃｷｽﾄﾌｧｲﾙの読み込みに失敗しました\n"
                            "通常のファイルではありません（デバイス、FIFO、ソケットなど）。"));
}

QTEST_MAIN(tst_FileDrop)
#include "tst_filedrop.moc"
