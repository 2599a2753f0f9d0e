#include "app/statusbar.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include "app/menutable.h"
#include "files/filecommands.h"
#include "icon/programicon.h"
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class tst_mainwindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { w.start(); }
    void cleanup() { w.stop(); }

    void startsWithOneMaximisedTemplateDocument();
    void menuBarOrder();
    void menuEntries_data();
    void menuEntries();
    void toolbarButtons_data();
    void toolbarButtons();
    void toolbarSeparatorsDoNothing();
    void standardPosition18RunsItalic();
    void lastDocumentClosedEntersNoDocumentState();
    void newDocumentRestoresHiddenHtmlToolbar();
    void hiddenMenusKeepNoShortcuts();
    void toolbarToggles();
    void windowMenuListsDocumentsWithActiveChecked();
    void undoEntriesFollowTheActiveDocument();
    void tileHorizontallyStacksFullWidth();
    void closingMainWindowStopsAtCancel();
    void activatingDocumentRewritesStatusText();
    void formatPanelFollowsTheActiveDocument();
    void noKeyIsBoundTwice();
    void windowsShowTheProgramIcon();

private:
    QStringList visibleTopMenus() const;
    WindowFixture w;
};

QStringList tst_mainwindow::visibleTopMenus() const
{
    QStringList names;
    for (QAction *action : w.mdi->menuBar()->actions()) {
        if (action->isVisible())
            names << action->objectName();
    }
    return names;
}

void tst_mainwindow::startsWithOneMaximisedTemplateDocument()
{
    // The maximised document's caption joins the main window's own.
    QCOMPARE(w.mdi->windowTitle(), u"VEK Zurne - [（無題）]"_qs);
    QCOMPARE(w.mdi->children().size(), 1);
    QVERIFY(w.active()->isMaximized());
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(w.active()->Tag(), QString());
    QVERIFY(w.mdi->tbrNormal()->isVisible());
    QVERIFY(w.mdi->tbrHTML()->isVisible());
    QVERIFY(w.mdi->action(QStringLiteral("mnuToolBar"))->isChecked());
    QVERIFY(w.mdi->action(QStringLiteral("mnuHTMLTBar"))->isChecked());
    QCOMPARE(visibleTopMenus(), (QStringList{"mnuFile", "mnuEdit", "mnuView", "mnuTagu", "mnuTag2",
                                             "mnuWord", "mnuTool", "mnuWindow", "mnuHelp"}));
    QCOMPARE(w.mdi->SBar().text(), QStringLiteral("（無題）"));
}

void tst_mainwindow::menuBarOrder()
{
    QStringList captions;
    for (QAction *action : w.mdi->menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{u"ﾌｧｲﾙ(&F)"_qs, u"編集(&E)"_qs, u"表示(&V)"_qs, u"ﾀｸﾞ(&T)"_qs,
                                    u"ﾀｸﾞ2(&G)"_qs, u"文書表現(&D)"_qs, u"ﾂｰﾙ(&O)"_qs,
                                    u"ｳｨﾝﾄﾞｳ(&W)"_qs, u"ﾍﾙﾌﾟ(&H)"_qs}));
}

void tst_mainwindow::menuEntries_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("open") << "mnuFile"
                          << "mnuOpen" << u"ﾌｧｲﾙを開く(&O)"_qs << "Ctrl+O";
    QTest::newRow("save as") << "mnuFile"
                             << "mnuSaveName" << u"名前を付けて保存(&A)"_qs << "";
    QTest::newRow("undo") << "mnuEdit"
                          << "mnuUndo" << u"元に戻す(&U)"_qs << "Ctrl+Z";
    QTest::newRow("redo") << "mnuEdit"
                          << "mnuRedo" << u"やり直し(&R)"_qs << "Ctrl+Shift+Z";
    QTest::newRow("select all") << "mnuEdit"
                                << "mnuAllSelect" << u"すべて選択(&A)"_qs << "Ctrl+A";
    QTest::newRow("replace") << "mnuEdit"
                             << "mnuReplace" << u"置換(&E)"_qs << "Ctrl+H";
    QTest::newRow("close end tags") << "mnuView"
                                    << "mnuCloseEndTags" << u"終了ﾀｸﾞを自動で閉じる(&E)"_qs << "";
    QTest::newRow("find previous") << "mnuEdit"
                                   << "mnuFindPrevious" << u"前を検索(&P)"_qs << "Shift+F3";
    QTest::newRow("find in files")
        << "mnuEdit"
        << "mnuFindFiles" << u"複数ﾌｧｲﾙの検索・置換(&M)..."_qs << "Ctrl+Shift+F";
    QTest::newRow("preview") << "mnuView"
                             << "mnuWB" << u"ﾌﾞﾗｳｻﾞ確認(&W)"_qs << "F5";
    QTest::newRow("HTML5 style") << "mnuView"
                                 << "mnuHTML5" << u"HTML5 で書く(&5)"_qs << "";
    QTest::newRow("table cell") << "mnuTable"
                                << "mnuAddSel" << u"ｾﾙの追加"_qs << "Ctrl+J";
    QTest::newRow("select box") << "mnuControl"
                                << "mnuSelectBox" << u"ｾﾚｸﾄﾎﾞｯｸｽ(&B)"_qs << "";
    QTest::newRow("line break") << "mnuTagu"
                                << "mnuBR" << u"改行(&B)   Shift+Enter"_qs << "Ctrl+G";
    QTest::newRow("map") << "mnuTag2"
                         << "mnuMapArea" << u"ﾏｯﾌﾟ(&M)"_qs << "";
    QTest::newRow("base font") << "mnuWord"
                               << "mnuBaseFont" << u"基本フォント"_qs << "";
    QTest::newRow("quote") << "mnuKigou"
                           << "mnuK3" << u"\"  "_qs << "Ctrl+W";
    QTest::newRow("ampersand") << "mnuKigou"
                               << "mnuK4" << u"&&  "_qs << "Ctrl+Y";
    QTest::newRow("marquee") << "mnuWord"
                             << "mnuMarquee" << u"ﾏｰｷｰ（文字移動）(&M)"_qs << "";
    QTest::newRow("strike") << "mnuWord"
                            << "mnuTorikesi" << u"取消線(&S)"_qs << "";
    QTest::newRow("page check") << "mnuTool"
                                << "mnuCheckPage" << u"ﾍﾟｰｼﾞを検査(&V)"_qs << "F7";
    QTest::newRow("arrange icons") << "mnuWindow"
                                   << "mnuIcon" << u"ｱｲｺﾝの整列(&A)"_qs << "";
    QTest::newRow("about") << "mnuHelp"
                           << "mnuAbout" << u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_qs << "";
}

void tst_mainwindow::menuEntries()
{
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QAction *action = w.mdi->action(entry);
    QVERIFY(action);
    QVERIFY(w.mdi->menu(menu)->actions().contains(action));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
}

void tst_mainwindow::toolbarButtons_data()
{
    QTest::addColumn<bool>("html");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("path");
    QTest::newRow("new") << false << 2 << u"新規作成"_qs << u"[ﾌｧｲﾙ]-[新規作成]"_qs;
    QTest::newRow("find") << false << 9 << u"検索"_qs << u"[編集]-[検索]"_qs;
    QTest::newRow("preview") << false << 11 << u"ブラウザ確認"_qs << u"[表示]-[ブラウザ確認]"_qs;
    QTest::newRow("italic") << false << 18 << u"斜体"_qs << u"[文書表示]-[斜体]"_qs;
    QTest::newRow("marquee") << false << 23 << u"ﾏｰｷｰ（文字移動）"_qs
                             << u"[文書表現]-[ﾏｰｷｰ（文字移動）]"_qs;
    QTest::newRow("link") << true << 2 << u"ﾊｲﾊﾟｰﾘﾝｸ"_qs << u"[ﾀｸﾞ]-[ﾊｲﾊﾟｰﾘﾝｸ]"_qs;
    QTest::newRow("select box") << true << 16 << u"ｾﾚｸﾄﾎﾞｯｸｽ"_qs << u"[ﾀｸﾞ]-[ｾﾚｸﾄﾎﾞｯｸｽ]"_qs;
    QTest::newRow("colours") << true << 18 << u"ｶﾗｰ設定"_qs << u"[文書表現]-[ｶﾗｰ設定]"_qs;
    QTest::newRow("comment") << true << 20 << u"ｺﾒﾝﾄ"_qs << u"[ﾀｸﾞ]-[ｺﾒﾝﾄ]"_qs;
}

void tst_mainwindow::toolbarButtons()
{
    QFETCH(bool, html);
    QFETCH(int, position);
    QFETCH(QString, tip);
    QFETCH(QString, path);
    QAction *button = html ? w.mdi->tbrHTMLButton(position) : w.mdi->tbrNormalButton(position);
    QVERIFY(button && !button->isSeparator());
    QCOMPARE(button->toolTip(), tip);
    QCOMPARE(button->statusTip(), path);
    QVERIFY(!button->icon().isNull());
}

void tst_mainwindow::toolbarSeparatorsDoNothing()
{
    const QList<int> normal{1, 5, 10, 12, 16, 21, 24};
    const QList<int> html{1, 4, 7, 11, 17, 19, 21};
    for (int p : normal)
        QVERIFY2(w.mdi->tbrNormalButton(p)->isSeparator(), qPrintable(QString::number(p)));
    for (int p : html)
        QVERIFY2(w.mdi->tbrHTMLButton(p)->isSeparator(), qPrintable(QString::number(p)));
    QVERIFY(!w.mdi->tbrNormalButton(25));
    QVERIFY(!w.mdi->tbrHTMLButton(22));
    const QString before = w.text().Text();
    for (int p : normal)
        w.mdi->tbrNormal_ButtonClick(p);
    for (int p : html)
        w.mdi->tbrHTML_ButtonClick(p);
    QCOMPARE(w.text().Text(), before);
    QCOMPARE(w.mdi->children().size(), 1);
}

void tst_mainwindow::standardPosition18RunsItalic()
{
    w.text().setText(QStringLiteral("word"));
    w.select(0, 4);
    auto *button = qobject_cast<QToolButton *>(
        w.mdi->tbrNormal()->widgetForAction(w.mdi->tbrNormalButton(18)));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(w.text().Text(), QStringLiteral("<I>word</I>"));
}

void tst_mainwindow::lastDocumentClosedEntersNoDocumentState()
{
    w.trigger("mnuClose");
    QCOMPARE(w.mdi->children().size(), 0);
    QCOMPARE(visibleTopMenus(), (QStringList{"mnuFile", "mnuWindow", "mnuHelp"}));
    for (const char *entry : {"mnuSave", "mnuSaveName", "mnuClose", "mnuAllClose"})
        QVERIFY2(!w.mdi->action(QString::fromLatin1(entry))->isEnabled(), entry);
    for (const char *entry : {"mnuNew", "mnuOpen", "mnuExit"})
        QVERIFY2(w.mdi->action(QString::fromLatin1(entry))->isEnabled(), entry);
    for (int p = 2; p <= 24; ++p)
        QCOMPARE(w.mdi->tbrNormalButton(p)->isEnabled(), p < 4);
    QVERIFY(w.mdi->tbrNormal()->isVisible());
    QVERIFY(!w.mdi->tbrHTML()->isVisible());
    QVERIFY(!w.mdi->action(QStringLiteral("mnuHTMLTBar"))->isChecked());

    w.trigger("mnuNew");
    QCOMPARE(w.mdi->children().size(), 1);
    QCOMPARE(visibleTopMenus().size(), 9);
    for (int p = 2; p <= 24; ++p)
        QVERIFY(w.mdi->tbrNormalButton(p)->isEnabled());
    for (const char *entry : {"mnuSave", "mnuSaveName", "mnuClose", "mnuAllClose"})
        QVERIFY2(w.mdi->action(QString::fromLatin1(entry))->isEnabled(), entry);
}

void tst_mainwindow::newDocumentRestoresHiddenHtmlToolbar()
{
    w.trigger("mnuHTMLTBar");
    QVERIFY(!w.mdi->tbrHTML()->isVisible());
    QVERIFY(!w.mdi->action(QStringLiteral("mnuHTMLTBar"))->isChecked());
    w.trigger("mnuNew");
    QVERIFY(w.mdi->tbrHTML()->isVisible());
    QVERIFY(w.mdi->action(QStringLiteral("mnuHTMLTBar"))->isChecked());
}

void tst_mainwindow::hiddenMenusKeepNoShortcuts()
{
    w.trigger("mnuClose");
    QVERIFY(w.mdi->action(QStringLiteral("mnuBold"))->shortcut().isEmpty());
    QVERIFY(w.mdi->action(QStringLiteral("mnuK1"))->shortcut().isEmpty());
    QCOMPARE(w.mdi->action(QStringLiteral("mnuNew"))->shortcut().toString(),
             QStringLiteral("Ctrl+N"));
    w.trigger("mnuNew");
    QCOMPARE(w.mdi->action(QStringLiteral("mnuBold"))->shortcut().toString(),
             QStringLiteral("Ctrl+B"));
    QCOMPARE(w.mdi->action(QStringLiteral("mnuK1"))->shortcut().toString(),
             QStringLiteral("Ctrl+K"));
}

void tst_mainwindow::toolbarToggles()
{
    w.trigger("mnuToolBar");
    QVERIFY(!w.mdi->tbrNormal()->isVisible());
    QVERIFY(!w.mdi->action(QStringLiteral("mnuToolBar"))->isChecked());
    w.trigger("mnuNew");
    QVERIFY2(!w.mdi->tbrNormal()->isVisible(), "only its own entry shows the standard toolbar");
    w.trigger("mnuToolBar");
    QVERIFY(w.mdi->tbrNormal()->isVisible());
}

void tst_mainwindow::windowMenuListsDocumentsWithActiveChecked()
{
    w.trigger("mnuNew");
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("x"));
    QMenu *windowMenu = w.mdi->menu(QStringLiteral("mnuWindow"));
    Q_EMIT windowMenu->aboutToShow();
    QStringList listed;
    QList<bool> checked;
    for (QAction *action : windowMenu->actions()) {
        if (action->isSeparator() || !action->objectName().isEmpty())
            continue;
        listed << action->text();
        checked << action->isChecked();
    }
    QCOMPARE(listed, (QStringList{u"（無題）"_qs, u"*（無題）"_qs}));
    QCOMPARE(checked, (QList<bool>{false, true}));
    QCOMPARE(w.active()->Caption(), u"（無題）"_qs);
}

// Enabled as the document's history allows, before cut; the keys reach them from the text.
void tst_mainwindow::undoEntriesFollowTheActiveDocument()
{
    QAction *undo = w.mdi->action(QStringLiteral("mnuUndo"));
    QAction *redo = w.mdi->action(QStringLiteral("mnuRedo"));
    const QList<QAction *> edit = w.mdi->menu(QStringLiteral("mnuEdit"))->actions();
    QCOMPARE(edit.indexOf(redo) + 2, edit.indexOf(w.mdi->action(QStringLiteral("mnuCut"))));
    DocumentWindow *first = w.active();
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QTest::keyClicks(&first->textBox(), QStringLiteral("x"));
    QVERIFY(undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(w.mdi->SBar().modifiedText(), u"更新"_qs);
    w.trigger("mnuNew");
    QVERIFY(!undo->isEnabled());
    QCOMPARE(w.mdi->SBar().modifiedText(), QString());
    w.mdi->mdiArea().setActiveSubWindow(first);
    QVERIFY(undo->isEnabled());
    QCOMPARE(w.mdi->SBar().modifiedText(), u"更新"_qs);
    QTest::keyClick(&first->textBox(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(first->Text().Text(), DocumentWindow::newPageTemplate());
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    QTest::keyClick(&first->textBox(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(first->Text().Text(), u"x"_qs + DocumentWindow::newPageTemplate());
}

void tst_mainwindow::tileHorizontallyStacksFullWidth()
{
    w.trigger("mnuNew");
    w.trigger("mnuNew");
    w.trigger("mnuTile");
    const QList<DocumentWindow *> documents = w.mdi->children();
    const QRect area = w.mdi->mdiArea().viewport()->rect();
    QCOMPARE(documents.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(documents[i]->geometry().width(), area.width());
        QCOMPARE(documents[i]->geometry().top(), i * (area.height() / 3));
    }
    w.trigger("mnuCascade");
    w.trigger("mnuIcon");
    QCOMPARE(w.mdi->children().size(), 3);
}

void tst_mainwindow::closingMainWindowStopsAtCancel()
{
    DocumentWindow *older = w.active();
    w.trigger("mnuNew");
    DocumentWindow *newer = w.active();
    QTest::keyClicks(&older->textBox(), QStringLiteral("x"));
    w.platform->answers << platform::Answer::Cancel;
    QVERIFY(!w.mdi->close());
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{older});
    QCOMPARE(older->Tag(), QStringLiteral("CHANGE"));
    QCOMPARE(w.platform->messages.size(), 1);
    Q_UNUSED(newer);
}

void tst_mainwindow::activatingDocumentRewritesStatusText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1234567890");
    file.close();
    DocumentWindow *untitled = w.active();
    DocumentCommands::PendingFileName = path;
    w.trigger("mnuNew");
    const QString stamp =
        QFileInfo(path).lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    QCOMPARE(w.mdi->SBar().text(), path + u" / ﾌｧｲﾙｻｲｽﾞ 10ﾊﾞｲﾄ / 更新日時 "_qs + stamp);
    w.mdi->mdiArea().setActiveSubWindow(untitled);
    QCOMPARE(w.mdi->SBar().text(), QStringLiteral("（無題）"));
}

// The tests run with LANG=C.UTF-8: a new document is saved in UTF-8.
void tst_mainwindow::formatPanelFollowsTheActiveDocument()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.html")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<P>\n") == 4);
    file.close();
    DocumentWindow *untitled = w.active();
    QCOMPARE(w.mdi->SBar().formatText(), u"UTF-8 / CRLF"_qs);
    DocumentCommands::PendingFileName = file.fileName();
    w.trigger("mnuNew");
    QCOMPARE(w.mdi->SBar().formatText(), u"UTF-8 / LF"_qs);
    w.mdi->mdiArea().setActiveSubWindow(untitled);
    QCOMPARE(w.mdi->SBar().formatText(), u"UTF-8 / CRLF"_qs);
    w.trigger("mnuClose");
    QCOMPARE(w.mdi->SBar().formatText(), u"UTF-8 / LF"_qs);
    w.trigger("mnuClose");
    QCOMPARE(w.mdi->SBar().formatText(), QString());
}

// Every key of the menu table against the others and against a document window's own menu.
void tst_mainwindow::noKeyIsBoundTwice()
{
    QMultiHash<QString, QString> owners;
    for (const MenuEntry &entry : menuTable()) {
        if (!entry.shortcut.isEmpty())
            owners.insert(entry.shortcut.toString(), QString::fromLatin1(entry.name));
    }
    for (QAction *entry : w.active()->systemMenu()->actions()) {
        for (const QKeySequence &key : entry->shortcuts())
            owners.insert(key.toString(), QStringLiteral("window menu: ") + entry->text());
    }
    for (const QString &key : owners.uniqueKeys())
        QVERIFY2(owners.count(key) == 1, qPrintable(key + ": " + owners.values(key).join(", ")));
}

void tst_mainwindow::windowsShowTheProgramIcon()
{
    const QImage program = programIcon().pixmap(16).toImage();
    QVERIFY(!program.isNull());
    QCOMPARE(w.mdi->windowIcon().pixmap(16).toImage(), program);
    QCOMPARE(w.active()->windowIcon().pixmap(16).toImage(), program);
}

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
