#include "document/documentformat.h"

#include <QTest>

Q_DECLARE_METATYPE(DocumentFormat)

class tst_DocumentFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formatName_data();
    void formatName();
};

void tst_DocumentFormat::formatName_data()
{
    QTest::addColumn<DocumentFormat>("format");
    QTest::addColumn<QString>("name");
    QTest::newRow("UTF-8 with its mark")
        << DocumentFormat{"UTF-8", true} << u"UTF-8 (BOM) / CRLF"_qs;
    QTest::newRow("UTF-16 little-endian with its mark, CR")
        << DocumentFormat{"UTF-16LE", true, false, LineBreak::Cr} << u"UTF-16LE (BOM) / CR"_qs;
    QTest::newRow("EUC-JP keeps its name") << DocumentFormat{"EUC-JP"} << u"EUC-JP / CRLF"_qs;
    QTest::newRow("mark, kept bytes and mixed breaks")
        << DocumentFormat{"UTF-16BE", true, true, LineBreak::Lf, true}
        << u"UTF-16BE (BOM)（変換できないﾊﾞｲﾄあり） / 混在"_qs;
}

void tst_DocumentFormat::formatName()
{
    QFETCH(DocumentFormat, format);
    QFETCH(QString, name);
    QCOMPARE(::formatName(format), name);
}

QTEST_APPLESS_MAIN(tst_DocumentFormat)
#include "tst_documentformat.moc"
