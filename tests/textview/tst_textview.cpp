#include "support/tempfiles.h"
#include "support/windowtest.h"
#include "textview/textbox.h"
#include "textview/viewoptions.h"

#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

namespace {

// The colour the shown block `number` has at `position`, or none.
QColor colourAt(TextBox &box, int number, int position)
{
    box.grab();
    const QTextBlock block = box.document()->findBlockByNumber(number);
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (position >= range.start && position < range.start + range.length)
            return range.format.foreground().color();
    }
    return {};
}

} // namespace

class tst_TextView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void marksAndColoursStayOutOfTheText();
    void colouringFollowsEdits();
    void longLineInPiecesStaysPlain();
    void switchedOffShowsPlainTextAndIsRemembered();
    void html5StyleIsRememberedAndWritesNewPages();

private:
    TextBox &box() const { return w.active()->textBox(); }
    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_TextView::init()
{
    files = std::make_unique<TempFiles>();
    w.start();
}

void tst_TextView::cleanup()
{
    w.closeAllClean();
    w.stop();
    files.reset();
}

void tst_TextView::marksAndColoursStayOutOfTheText()
{
    const QByteArray bytes("<B>a\xe3\x80\x80"
                           "b\tc</B>\n");
    w.platform->fileNames << files->write("page.html", bytes);
    w.trigger("mnuOpen");
    QVERIFY(colourAt(box(), 0, 1).isValid());

    w.trigger("mnuAllSelect");
    w.trigger("mnuCopy");
    QCOMPARE(w.platform->clipboard, QStringLiteral("<B>a\u3000b\tc</B>\n"));
    w.trigger("mnuSave");
    QCOMPARE(files->read("page.html"), bytes);
}

// A comment opened above a shown line colours it; closed again, the line is a tag again.
void tst_TextView::colouringFollowsEdits()
{
    w.text().setText(QStringLiteral("<P>\n<B>\n"));
    const QColor tag = colourAt(box(), 1, 1);
    w.select(0, 0);
    w.text().setSelText(QStringLiteral("<!--"));
    const QColor comment = colourAt(box(), 1, 1);
    QVERIFY(comment.isValid());
    QVERIFY(comment != tag);
    w.select(0, 4);
    w.text().setSelText(QString());
    QCOMPARE(colourAt(box(), 1, 1), tag);
}

// The line after a minified one is coloured in the state the long line left.
void tst_TextView::longLineInPiecesStaysPlain()
{
    w.text().setText(QStringLiteral("<B>") + QString(5000, u'x') + QStringLiteral("<!--\n<B>\n"));
    QVERIFY(box().document()->blockCount() > 3);
    QVERIFY(!colourAt(box(), 0, 1).isValid());
    const QColor comment = colourAt(box(), box().document()->blockCount() - 2, 1);
    QVERIFY(comment.isValid());
    w.text().setText(QStringLiteral("<!--\n"));
    QCOMPARE(colourAt(box(), 0, 1), comment);
}

void tst_TextView::switchedOffShowsPlainTextAndIsRemembered()
{
    QVERIFY(colourAt(box(), 0, 1).isValid());
    w.trigger("mnuColorView");
    QVERIFY(!colourAt(box(), 0, 1).isValid());
    QCOMPARE(w.text().Text(), DocumentWindow::newPageTemplate());

    w.trigger("mnuBlankMarks");
    w.stop();
    w.start();
    QVERIFY(!w.mdi->action(QStringLiteral("mnuColorView"))->isChecked());
    QVERIFY(!w.mdi->action(QStringLiteral("mnuBlankMarks"))->isChecked());
    QCOMPARE(box().viewOptions(), (ViewOptions{false, false}));
}

// The markup style starts classic; once chosen, it is remembered and new pages are HTML5.
void tst_TextView::html5StyleIsRememberedAndWritesNewPages()
{
    QAction *entry = w.mdi->action(QStringLiteral("mnuHTML5"));
    QVERIFY(!entry->isChecked());
    w.trigger("mnuHTML5");
    QCOMPARE(ViewOptions::stored().markupStyle, MarkupStyle::Html5);
    w.stop();
    w.start();
    QVERIFY(w.mdi->action(QStringLiteral("mnuHTML5"))->isChecked());
    QVERIFY(w.text().Text().startsWith(QStringLiteral("<!DOCTYPE html>\r\n")));
    w.trigger("mnuHTML5");
    QCOMPARE(ViewOptions::stored().markupStyle, MarkupStyle::Classic);
}

QTEST_MAIN(tst_TextView)
#include "tst_textview.moc"
