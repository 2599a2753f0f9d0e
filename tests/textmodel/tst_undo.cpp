#include "app/statusbar.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QTest>

// Edits, their undo and redo, and the file they save, in pages of every kind.
class tst_Undo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { w.start(); }
    void cleanup() { w.stop(); }

    void savesWhatWasUndone_data();
    void savesWhatWasUndone();
    // A pasted line is shown in pieces; the keys treat it as the one line it is.
    void keysMoveOverPieces()
    {
        TextBox &box = open("a\n\n");
        w.select(3, 0);
        paste(QString(4500, u'y'));
        QCOMPARE(box.document()->blockCount(), 5);
        QTest::keyClick(&box, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(w.text().SelText(), QString(4500, u'y'));
        w.select(3 + 2000, 0);
        QTest::keyClick(&box, Qt::Key_Left);
        QCOMPARE(w.text().SelStart(), 3 + 1999);
        QTest::keyClick(&box, Qt::Key_End);
        QCOMPARE(w.text().SelStart(), 3 + 4500);
    }
    void panelFollowsTheMix()
    {
        TextBox &box = open("a\r\nb\nc\r\n");
        w.select(4, 0);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(w.mdi->SBar().formatText(), u"UTF-8 / CRLF"_qs);
        box.undo();
        QCOMPARE(w.mdi->SBar().formatText(), u"UTF-8 / 混在"_qs);
    }
    // In a page that keeps bytes, U+EF41 would be saved as the byte "A".
    void refusesStandInsForKeptBytes()
    {
        open("\xff\n");
        paste(u"\uEF41"_qs);
        QCOMPARE(w.platform->messages.size(), 1);
        QCOMPARE(
            w.platform->messages[0].text,
            u"U+EF41 の文字は書き込めません\nU+EF00～U+EFFF の文字は、変換できなかったﾊﾞｲﾄを表すのに使っています"_qs);
        QCOMPARE(w.text().Text(), u"\uEFFF\r\n"_qs);
        paste(u"\uEFFF"_qs); // the page's own kept byte, moved
        QCOMPARE(w.text().Text(), u"\uEFFF\uEFFF\r\n"_qs);
    }

private:
    TextBox &open(const QByteArray &bytes)
    {
        w.platform->fileNames << files.write("page.html", bytes);
        w.trigger("mnuOpen");
        return w.active()->textBox();
    }
    void replaceEvery(const QString &what, const QString &with)
    {
        std::vector<TextModel::Range> ranges;
        const QString text = w.text().Text();
        for (qsizetype at = text.indexOf(what); at >= 0; at = text.indexOf(what, at + what.size()))
            ranges.push_back({at, what.size()});
        w.text().replaceEach(ranges, with);
    }
    void paste(const QString &text)
    {
        w.platform->clipboard = text;
        w.trigger("mnuPaste");
    }
    WindowFixture w;
    TempFiles files;
};

void tst_Undo::savesWhatWasUndone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("caret");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("saved");
    const QByteArray mixed("<p>a</p>\n<p>b</p>\r\n<p>c</p>\n");
    const QByteArray longLine = QByteArray(4500, 'x') + "\n";
    const QString pasted(4500, u'y');
    const QByteArray separator("\xE2\x80\xA9"); // U+2029, a block break to the widget
    const auto undone = [](const char *name, const QByteArray &bytes, qsizetype caret,
                           const QStringList &steps) {
        QTest::newRow(name) << bytes << caret << steps << bytes;
    };
    undone("joined lines of mixed breaks", mixed, 8, {"Delete", "undo"});
    undone("long line typed into, split and joined", longLine, 2001,
           {"type:abc", "Return", "Backspace", "Backspace", "undo all"});
    QTest::newRow("long line pasted, undone, redone")
        << QByteArray("a\nb\n") << qsizetype(3) << QStringList{"paste:" + pasted, "undo", "redo"}
        << "a\n" + pasted.toUtf8() + "b\n";
    undone("replace all in a long-line page is one step", QByteArray("ab").repeated(3000), 0,
           {"replace:a>\n", "undo"});
    undone("emoji at a seam", QByteArray(1999, 'x') + "\xF0\x9F\x98\x80" + "xx\r", 1999,
           {"Delete", "type:z", "undo", "undo"});
    undone("kept bytes", "A\xff\n", 1, {"type:b", "undo"});
    QTest::newRow("replace all over mixed breaks, undone, redone")
        << mixed << qsizetype(0) << QStringList{"each:p>P", "undo", "redo"}
        << QByteArray("<P>a</P>\n<P>b</P>\r\n<P>c</P>\n");
    QTest::newRow("replace all beside a paragraph separator")
        << QByteArray("a" + separator + "b" + separator + "a\n") << qsizetype(0)
        << QStringList{"each:a>" + QString::fromUtf8(separator), "undo", "redo"}
        << separator.repeated(2) + "b" + separator.repeated(2) + "\n";
    QTest::newRow("replace all across the pieces of a long line")
        << QByteArray("ab").repeated(3000) + "\r" << qsizetype(0)
        << QStringList{"each:ba>b\na", "undo", "redo"}
        << "a" + QByteArray("b\ra").repeated(2999) + "b\r";
}

// Keys go to the text box, a paste through the clipboard, replace all to the text model.
void tst_Undo::savesWhatWasUndone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, caret);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, saved);
    TextBox &box = open(bytes);
    w.select(caret, 0);
    for (const QString &step : steps) {
        const QString argument = step.section(u':', 1);
        if (step == u"undo")
            box.undo();
        else if (step == u"undo all")
            while (box.document()->isUndoAvailable())
                box.undo();
        else if (step == u"redo")
            box.redo();
        else if (step.startsWith(u"type:"))
            QTest::keyClicks(&box, argument);
        else if (step.startsWith(u"paste:"))
            paste(argument);
        else if (step.startsWith(u"each:"))
            replaceEvery(argument.section(u'>', 0, 0), argument.section(u'>', 1));
        else if (step.startsWith(u"replace:"))
            w.text().replaceEach({{0, 1}, {2, 1}, {4, 1}, {6, 1}, {4000, 1}},
                                 argument.section(u'>', 1));
        else
            QTest::keyClick(&box, QKeySequence(step)[0].key());
    }
    w.trigger("mnuSave");
    QCOMPARE(files.read("page.html"), saved);
}

QTEST_MAIN(tst_Undo)
#include "tst_undo.moc"
