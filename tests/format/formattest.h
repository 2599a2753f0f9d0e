#pragma once

// What the formatting dialog tests share: the main window with its first document under a
// scripted platform, and ways to reach a dialog's controls and to drive a modal dialog.

#include "app/mainwindow.h"
#include "document/documentwindow.h"
#include "support/dialogdriver.h"
#include "support/scriptedplatform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <memory>

class FormatFixture {
public:
    ScriptedPlatform platform;
    MainWindow mdi;

    DocumentWindow &document() { return *mdi.activeChild(); }
    QString text() { return document().Text().Text(); }
    bool modified() { return document().isModified(); }

    // The document holds `text`, with the first occurrence of `selected` selected (with an
    // empty `selected`, the caret at `caret`), and counts as not modified.
    void prepare(const QString &text, const QString &selected, qsizetype caret = 0)
    {
        TextModel &model = document().Text();
        model.setText(text);
        model.setSelStart(selected.isEmpty() ? caret : text.indexOf(selected));
        model.setSelLength(selected.size());
        document().setTag(QString());
    }

    // Closes every document window; none of them is modified, so nothing asks.
    void closeAllDocuments() { mdi.mdiArea().closeAllSubWindows(); }
};

// A test of one dialog: each test function gets a fresh main window whose document holds
// "<P>abc</P>" with "abc" selected, and a fresh dialog shown over it.
template <class Dialog> class DialogTest : public QObject {
protected:
    std::unique_ptr<FormatFixture> f;
    std::unique_ptr<Dialog> dialog;

    void openDialog()
    {
        f = std::make_unique<FormatFixture>();
        f->prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
        reopenDialog();
    }
    void reopenDialog()
    {
        dialog = std::make_unique<Dialog>(&f->mdi);
        dialog->show();
    }
    void closeDialog()
    {
        dialog.reset();
        f.reset();
    }

    template <class Control> Control &the(const QString &name)
    {
        return control<Control>(*dialog, name);
    }

    // A confirm or cancel button pressed while no document is open closes the dialog.
    void clickWithoutDocument(const QString &button)
    {
        f->closeAllDocuments();
        the<QPushButton>(button).click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(f->mdi.children().isEmpty());
    }

    // The document is as the fixture left it and not modified.
    void compareUntouched()
    {
        QCOMPARE(f->text(), QStringLiteral("<P>abc</P>"));
        QVERIFY(!f->modified());
    }
};
