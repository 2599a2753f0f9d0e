#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "support/barehost.h"

#include <QTest>

// The operations on the active document, run against document windows with no main window.
class tst_ActiveDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newDocumentHoldsText_data();
    void newDocumentHoldsText();
};

void tst_ActiveDocument::newDocumentHoldsText_data()
{
    QTest::addColumn<TextMark>("mark");
    QTest::addColumn<QString>("tag");
    QTest::newRow("frame set page, modified") << TextMark::Modified << QStringLiteral("CHANGE");
    QTest::newRow("dropped file, unmodified") << TextMark::Unmodified << QString();
}

void tst_ActiveDocument::newDocumentHoldsText()
{
    QFETCH(TextMark, mark);
    QFETCH(QString, tag);
    BareHost host;
    DocumentWindow *first = newDocumentWithText(QStringLiteral("first"), TextMark::Unmodified);

    DocumentWindow *document = newDocumentWithText(QStringLiteral("<HTML>\r\n</HTML>"), mark);

    QVERIFY(document && document != first);
    QCOMPARE(activeDocument(), document);
    QCOMPARE(document->Text().Text(), QStringLiteral("<HTML>\r\n</HTML>"));
    QCOMPARE(document->Text().SelStart(), 0);
    QCOMPARE(document->Tag(), tag);
    QCOMPARE(document->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(first->Text().Text(), QStringLiteral("first"));
    QVERIFY(host.documentOpen);
}

QTEST_MAIN(tst_ActiveDocument)
#include "tst_activedocument.moc"
