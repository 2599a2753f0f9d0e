#include "format/pagecolorsdialog.h"

#include "formattest.h"
#include "markup/colorvalues.h"
#include "textview/viewoptions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

constexpr char AllBlackText[] =
    "<BODY BGCOLOR=#000000 TEXT=#000000 LINK=#000000 VLINK=#000000 ALINK=#000000>";
const QString AllBlack = QString::fromLatin1(AllBlackText);

} // namespace

class tst_pagecolorsdialog : public DialogTest<PageColorsDialog> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void openingResetsSharedColors();
    void copyWholeTagAtOnce();
    void html5LinkColoursGoIntoTheHead();
    void copyColorBeforeAnyChoice();
    void backgroundWithImage();
    void colorGoesToSelectedSlot_data();
    void colorGoesToSelectedSlot();
    void changingOptionKeepsLastValue();
    void chooserCancelChangesNothing();
    void copiesEditedTag();
    void menuOpensDialogWithoutWriting();

private:
    QRadioButton &option(int index)
    {
        return *dialog->findChildren<QRadioButton *>(QStringLiteral("Option")).at(index);
    }
    QString tag() { return the<QPlainTextEdit>("Text").toPlainText(); }
    void choose(const std::optional<QColor> &color)
    {
        f->platform.colors << color;
        the<QPushButton>("Command1").click();
    }
};

void tst_pagecolorsdialog::init()
{
    openDialog();
}

void tst_pagecolorsdialog::cleanup()
{
    closeDialog();
}

void tst_pagecolorsdialog::openingResetsSharedColors()
{
    ColorValues::SplitColor(0xFFFFFF);
    PageColorsDialog second(&f->mdi);
    QCOMPARE(int(ColorValues::ColorR), 0);
    QCOMPARE(int(ColorValues::ColorG), 0);
    QCOMPARE(int(ColorValues::ColorB), 0);
    QCOMPARE(ColorValues::HexR + ColorValues::HexG + ColorValues::HexB, QString());
    QCOMPARE(control<QLabel>(second, QStringLiteral("lblBACK")).palette().color(QPalette::Window),
             QColor(Qt::black));
}

void tst_pagecolorsdialog::copyWholeTagAtOnce()
{
    the<QPushButton>("CMDALL").click();
    QCOMPARE(f->platform.clipboard, AllBlack);
    QCOMPARE(f->platform.clipboardWrites, 1);
    QVERIFY(!dialog->isVisible());
}

// The HTML5 body tag has no place for link colours: copying it puts their rule into the
// page's head.
void tst_pagecolorsdialog::html5LinkColoursGoIntoTheHead()
{
    ViewOptions{true, true, MarkupStyle::Html5}.store();
    reopenDialog();
    f->prepare(QStringLiteral("<head></head><body>"), QString());
    choose(QColor(Qt::white));
    the<QPushButton>("CMDALL").click();
    ViewOptions{}.store();
    QCOMPARE(f->platform.clipboard,
             QStringLiteral("<body style=\"background-color: #FFFFFF; color: #000000\">"));
    QCOMPARE(f->text(), QStringLiteral("<head><style>\r\na:link { color: #000000 } a:visited { "
                                       "color: #000000 } a:active { color: #000000 }\r\n"
                                       "</style>\r\n</head><body>"));
}

void tst_pagecolorsdialog::copyColorBeforeAnyChoice()
{
    the<QPushButton>("cmdCopy").click();
    QCOMPARE(f->platform.clipboard, QStringLiteral("#000000"));
    QVERIFY(!dialog->isVisible());
}

void tst_pagecolorsdialog::backgroundWithImage()
{
    choose(QColor(Qt::white));
    QTest::keyClicks(&the<QLineEdit>("txtBackGround"), QStringLiteral("bg.gif"));
    QCOMPARE(tag(), QStringLiteral("<BODY BACKGROUND='bg.gif' BGCOLOR=#FFFFFF TEXT=#000000 "
                                   "LINK=#000000 VLINK=#000000 ALINK=#000000>"));
    QCOMPARE(the<QLabel>("lblBACK").palette().color(QPalette::Window), QColor(Qt::white));
    the<QLineEdit>("txtBackGround").clear();
    QCOMPARE(tag(), QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#000000 "
                                   "VLINK=#000000 ALINK=#000000>"));
}

void tst_pagecolorsdialog::colorGoesToSelectedSlot_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("expected");
    QTest::newRow("LINK") << 2 << "lblLink"
                          << "<BODY BGCOLOR=#000000 TEXT=#000000 LINK=#FF0000 VLINK=#000000 "
                             "ALINK=#000000>";
    QTest::newRow("ALINK") << 4 << "lblALINK"
                           << "<BODY BGCOLOR=#000000 TEXT=#000000 LINK=#000000 VLINK=#000000 "
                              "ALINK=#FF0000>";
}

void tst_pagecolorsdialog::colorGoesToSelectedSlot()
{
    QFETCH(int, slot);
    QFETCH(QString, preview);
    QFETCH(QString, expected);
    option(slot).click();
    choose(QColor(255, 0, 0));
    QCOMPARE(tag(), expected);
    QCOMPARE(the<QLabel>("lblx").text(), QStringLiteral("#FF0000"));
    QCOMPARE(control<QLabel>(*dialog, preview).palette().color(QPalette::WindowText),
             QColor(255, 0, 0));
    QCOMPARE(the<QLabel>("lblBACK").palette().color(QPalette::Window), QColor(Qt::black));
}

void tst_pagecolorsdialog::changingOptionKeepsLastValue()
{
    choose(QColor(0x12, 0x34, 0x56));
    option(3).click();
    QCOMPARE(the<QLabel>("lblx").text(), QStringLiteral("#123456"));
    the<QPushButton>("cmdCopy").click();
    QCOMPARE(f->platform.clipboard, QStringLiteral("#123456"));
}

// A cancelled chooser changes nothing; the next one starts from the colour chosen last.
void tst_pagecolorsdialog::chooserCancelChangesNothing()
{
    choose(QColor(Qt::white));
    option(1).click();
    choose(std::nullopt);
    QCOMPARE(the<QLabel>("lblx").text(), QStringLiteral("#FFFFFF"));
    QCOMPARE(tag(), QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#000000 "
                                   "VLINK=#000000 ALINK=#000000>"));
    QCOMPARE(f->platform.colorStarts, QList<QColor>({QColor(Qt::black), QColor(Qt::white)}));
}

void tst_pagecolorsdialog::copiesEditedTag()
{
    auto &text = the<QPlainTextEdit>("Text");
    text.moveCursor(QTextCursor::End);
    QTest::keyClick(&text, Qt::Key_Backspace);
    QTest::keyClicks(&text, QStringLiteral(" ONLOAD='x'>"));
    the<QPushButton>("CMDALL").click();
    QCOMPARE(f->platform.clipboard,
             QStringLiteral("<BODY BGCOLOR=#000000 TEXT=#000000 LINK=#000000 VLINK=#000000 "
                            "ALINK=#000000 ONLOAD='x'>"));
}

void tst_pagecolorsdialog::menuOpensDialogWithoutWriting()
{
    dialog.reset();
    QVERIFY(driveModal(f->mdi.action(QStringLiteral("mnuColor")), [](QDialog &shown) {
        QCOMPARE(shown.objectName(), QStringLiteral("frmColor"));
        QTest::keyClicks(&control<QLineEdit>(shown, QStringLiteral("txtBackGround")),
                         QStringLiteral("bg.gif"));
        control<QPushButton>(shown, QStringLiteral("CMDALL")).click();
    }));
    QCOMPARE(f->platform.clipboard,
             QStringLiteral("<BODY BACKGROUND='bg.gif' BGCOLOR=#000000 TEXT=#000000 "
                            "LINK=#000000 VLINK=#000000 ALINK=#000000>"));
    compareUntouched();
    QVERIFY(f->mdi.findChildren<PageColorsDialog *>().isEmpty());
}

QTEST_MAIN(tst_pagecolorsdialog)
#include "tst_pagecolorsdialog.moc"
