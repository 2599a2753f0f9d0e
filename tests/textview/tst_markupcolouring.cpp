#include "textview/markupcolouring.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString Page = QStringLiteral("<P>one</P>\n"
                                    "two\n"
                                    "<B>three</B>");

// Where the lexer first colours something in `block`, and in what colour.
QString firstColoured(MarkupColouring &colouring, const QTextBlock &block)
{
    const std::vector<ColourStretch> &colours = colouring.coloursOf(block);
    if (colours.empty())
        return QStringLiteral("plain");
    return QStringLiteral("%1 %2").arg(colours.front().start).arg(colours.front().colour.name());
}

} // namespace

class tst_MarkupColouring : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editAboveReachesTheBlocksBelow_data();
    void editAboveReachesTheBlocksBelow();
};

void tst_MarkupColouring::editAboveReachesTheBlocksBelow_data()
{
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("stale");
    QTest::addColumn<QString>("lastBlock");

    QTest::newRow("a comment opened above") << 11 << "<!--" << true << "0 #808080";
    QTest::newRow("a quoted value left open above") << 14 << "<A HREF='" << true << "0 #007800";
    QTest::newRow("plain text typed above") << 11 << "x" << false << "0 #0000c0";
    QTest::newRow("a comment opened and closed above") << 11 << "<!-- -->" << false << "0 #0000c0";
}

// The colours of a block below an edit are kept only while the state it starts in is the
// same; a change that opens a comment above it makes them stale, and they are read anew.
void tst_MarkupColouring::editAboveReachesTheBlocksBelow()
{
    QFETCH(int, at);
    QFETCH(QString, typed);
    QFETCH(bool, stale);
    QFETCH(QString, lastBlock);

    QTextDocument document(Page);
    // A document tells of its changes only once it has a layout, as the text box's has.
    document.documentLayout();
    MarkupColouring colouring(document);
    const QTextBlock last = document.lastBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        colouring.coloursOf(block);
    QCOMPARE(firstColoured(colouring, last), QStringLiteral("0 #0000c0"));

    QTextCursor cursor(&document);
    cursor.setPosition(at);
    cursor.insertText(typed);

    QCOMPARE(colouring.startsOtherwise(last), stale);
    QCOMPARE(firstColoured(colouring, last), lastBlock);
    QVERIFY(!colouring.startsOtherwise(last));
    QCOMPARE(document.toPlainText(), QString(Page).insert(at, typed));
}

QTEST_MAIN(tst_MarkupColouring)
#include "tst_markupcolouring.moc"
