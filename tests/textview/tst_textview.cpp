#include "support/tempfiles.h"
#include "support/windowtest.h"
#include "textview/textbox.h"
#include "textview/viewoptions.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <memory>

namespace {

// The colour the shown block `number` is drawn in at `position`: the darkest pixel of the
// character's cell, where its strokes cover a pixel whole.
QColor colourAt(TextBox &box, int number, int position)
{
    const QImage image = box.viewport()->grab().toImage();
    QTextCursor cursor(box.document()->findBlockByNumber(number));
    cursor.setPosition(cursor.position() + position);
    const QRect caret = box.cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter);
    const QRect cell(caret.topLeft(), QPoint(box.cursorRect(cursor).left(), caret.bottom()));
    QColor darkest = Qt::white;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.lightness() < darkest.lightness())
                darkest = pixel;
        }
    }
    return darkest;
}

bool isColoured(TextBox &box, int number, int position)
{
    return colourAt(box, number, position) != box.palette().text().color();
}

// The viewport as drawn with the caret at `offset`; the caret itself is not drawn.
QImage drawnWithCaretAt(WindowFixture &w, TextBox &box, qsizetype offset)
{
    box.setCursorWidth(0);
    w.select(offset, 0);
    QCoreApplication::processEvents();
    return box.viewport()->grab().toImage();
}

// The smallest rectangle holding every pixel in which `a` and `b` differ.
QRect differing(const QImage &a, const QImage &b)
{
    QRect found;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

} // namespace

class tst_TextView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void marksAndColoursStayOutOfTheText();
    void colouringFollowsEdits();
    void longLineIsColouredInEveryPiece();
    void otherHalfOfTheTagIsBoxedInPaintOnly();
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
    QVERIFY(isColoured(box(), 0, 1));

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
    QVERIFY(isColoured(box(), 1, 1));
    QVERIFY(comment != tag);
    w.select(0, 4);
    w.text().setSelText(QString());
    QCOMPARE(colourAt(box(), 1, 1), tag);
}

// Every piece of a minified line is coloured, and the line after it in the state the long
// line left.
void tst_TextView::longLineIsColouredInEveryPiece()
{
    w.text().setText(QStringLiteral("<B>") + QString(3997, u'x') + QStringLiteral("<I>") +
                     QString(5000, u'x') + QStringLiteral("<!--\n<B>\n"));
    QCOMPARE(box().document()->blockCount(), 7);
    const QColor tag = colourAt(box(), 0, 1);
    QVERIFY(isColoured(box(), 0, 1));
    QCOMPARE(colourAt(box(), 2, 1), tag);
    QVERIFY(!isColoured(box(), 1, 1));
    const QColor comment = colourAt(box(), box().document()->blockCount() - 2, 1);
    QVERIFY(isColoured(box(), box().document()->blockCount() - 2, 1));
    w.text().setText(QStringLiteral("<!--\n"));
    QCOMPARE(colourAt(box(), 0, 1), comment);
}

// With the caret in the outer start tag, exactly the box around the outer end tag is drawn
// more; the text, its colours and the undo steps stay as they were.
void tst_TextView::otherHalfOfTheTagIsBoxedInPaintOnly()
{
    const QString text = QStringLiteral("<div><div>ab</div>\r\n</div>\r\n");
    w.text().setText(text);
    const int undoSteps = box().document()->availableUndoSteps();
    const QImage plain = drawnWithCaretAt(w, box(), text.indexOf(u'b'));
    const QTextBlock boxed = box().document()->findBlockByNumber(1);
    const auto formats = boxed.layout()->formats();
    const QImage marked = drawnWithCaretAt(w, box(), 2);

    QTextCursor partner(boxed);
    const QRect start = box().cursorRect(partner);
    partner.setPosition(partner.position() + 6);
    const QRect end = box().cursorRect(partner);
    QCOMPARE(differing(plain, marked),
             QRect(start.left(), start.top(), end.left() - start.left(), start.height()));
    QCOMPARE(w.text().Text(), text);
    QCOMPARE(boxed.layout()->formats(), formats);
    QCOMPARE(box().document()->availableUndoSteps(), undoSteps);
}

void tst_TextView::switchedOffShowsPlainTextAndIsRemembered()
{
    QVERIFY(isColoured(box(), 0, 1));
    w.trigger("mnuColorView");
    QVERIFY(!isColoured(box(), 0, 1));
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
