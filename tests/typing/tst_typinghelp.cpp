#include "textmodel/textmodel.h"
#include "textview/textbox.h"
#include "typing/completioncontext.h"
#include "typing/typinghelp.h"

#include <QListWidget>
#include <QTest>

// Typing into a text box with its help on, as a user types: keys in, the text and the list
// read back.
class TstTypingHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        box_ = std::make_unique<TextBox>();
        model_ = std::make_unique<TextModel>(*box_);
        box_->setModel(*model_);
        help_ = new TypingHelp(*box_, *model_);
        box_->show();
    }
    void cleanup()
    {
        box_.reset();
        model_.reset();
    }

    void context_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("element");
        QTest::newRow("element name") << "<p><ta" << int(CompletionContext::Element) << "ta"
                                      << "";
        QTest::newRow("right after <") << "x <" << int(CompletionContext::None) << ""
                                       << "";
        QTest::newRow("after a blank in a tag")
            << "<img " << int(CompletionContext::Attribute) << ""
            << "img";
        QTest::newRow("attribute name")
            << "<IMG SRC='a b' AL" << int(CompletionContext::Attribute) << "AL"
            << "IMG";
        QTest::newRow("over lines") << "<td\r\n  col" << int(CompletionContext::Attribute) << "col"
                                    << "td";
        QTest::newRow("in a quoted value") << "<img alt='a b" << int(CompletionContext::None) << ""
                                           << "";
        QTest::newRow("an unquoted value") << "<img width=4" << int(CompletionContext::None) << ""
                                           << "";
        QTest::newRow("after the tag") << "<p>te" << int(CompletionContext::None) << ""
                                       << "";
        QTest::newRow("end tag") << "</ta" << int(CompletionContext::None) << ""
                                 << "";
        QTest::newRow("no tag") << "text" << int(CompletionContext::None) << ""
                                << "";
    }
    void context()
    {
        QFETCH(QString, before);
        QFETCH(int, kind);
        QFETCH(QString, prefix);
        QFETCH(QString, element);
        QCOMPARE(completionContext(before),
                 (CompletionContext{CompletionContext::Kind(kind), prefix, element}));
    }

    void typing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("listShown");
        QTest::newRow("end tag closes") << "<td>abc"
                                        << "</"
                                        << "<td>abc</td>" << false;
        QTest::newRow("in its start tag's case") << "<TD>abc"
                                                 << "</"
                                                 << "<TD>abc</TD>" << false;
        QTest::newRow("nothing to close") << "<b>x</b>"
                                          << "</"
                                          << "<b>x</b></" << false;
        QTest::newRow("list offered") << ""
                                      << "<fr"
                                      << "<fr" << true;
        QTest::newRow("Enter takes the first") << ""
                                               << "<fr\r"
                                               << "<frame" << false;
        QTest::newRow("Down then Tab") << ""
                                       << "<fr\x1f\t"
                                       << "<frameset" << false;
        QTest::newRow("upper case typed, upper case taken") << ""
                                                            << "<TA\t"
                                                            << "<TABLE" << false;
        QTest::newRow("attribute of its element") << "<img"
                                                  << " al\r"
                                                  << "<img align" << false;
        QTest::newRow("Esc closes, Enter is a line break again") << ""
                                                                 << "<fr\x1b\r"
                                                                 << "<fr\r\n"
                                                                 << false;
        QTest::newRow("a full name needs no list") << ""
                                                   << "<table"
                                                   << "<table" << false;
        QTest::newRow("no list in a value") << "<img alt='"
                                            << "x y"
                                            << "<img alt='x y" << false;
    }
    void typing()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, listShown);
        model_->setText(start);
        model_->setSelStart(start.size());
        press(keys);
        QCOMPARE(model_->Text(), text);
        QCOMPARE(help_->list().isVisible(), listShown);
    }

    void closingCanBeTurnedOff()
    {
        ViewOptions off;
        off.closeEndTags = false;
        box_->setViewOptions(off);
        model_->setText(QStringLiteral("<td>abc"));
        model_->setSelStart(7);
        press(QStringLiteral("</"));
        QCOMPARE(model_->Text(), QStringLiteral("<td>abc</"));
    }

private:
    // Each character a key; \r is Enter, \t Tab, \x1b Esc, \x1f Down.
    void press(const QString &keys)
    {
        for (QChar c : keys) {
            switch (c.unicode()) {
            case u'\r':
                QTest::keyClick(box_.get(), Qt::Key_Return);
                break;
            case u'\t':
                QTest::keyClick(box_.get(), Qt::Key_Tab);
                break;
            case 0x1b:
                QTest::keyClick(box_.get(), Qt::Key_Escape);
                break;
            case 0x1f:
                QTest::keyClick(box_.get(), Qt::Key_Down);
                break;
            default:
                QTest::keyClicks(box_.get(), QString(c));
            }
        }
    }

    std::unique_ptr<TextBox> box_;
    std::unique_ptr<TextModel> model_;
    TypingHelp *help_ = nullptr;
};

QTEST_MAIN(TstTypingHelp)
#include "tst_typinghelp.moc"
