#include "app/mainwindow.h"

#include "app/aboutbox.h"
#include "app/help.h"
#include "app/mainmenus.h"
#include "app/recentfilesmenu.h"
#include "app/toolbartable.h"
#include "app/undoentries.h"
#include "app/viewoptionentries.h"
#include "app/windowarrangement.h"
#include "dialogs/modeless.h"
#include "document/closeall.h"
#include "document/documentcommands.h"
#include "document/documentviews.h"
#include "document/documentwindow.h"
#include "document/loadedwindows.h"
#include "encoding/convertsavedialog.h"
#include "encoding/readagaindialog.h"
#include "files/filecommands.h"
#include "files/filedialogstate.h"
#include "files/filedrop.h"
#include "format/fontsizedialog.h"
#include "format/listdialog.h"
#include "format/marqueedialog.h"
#include "format/pagecolorsdialog.h"
#include "format/ruledialog.h"
#include "format/wrapcommands.h"
#include "forms/buttondialog.h"
#include "forms/choicedialog.h"
#include "forms/formdialog.h"
#include "forms/selectboxdialog.h"
#include "forms/textfielddialog.h"
#include "icon/programicon.h"
#include "imagemap/areadrawingwindow.h"
#include "pagecheck/pagecheckcommand.h"
#include "preview/previewcommand.h"
#include "search/findagain.h"
#include "search/finddialog.h"
#include "sitesearch/sitesearchdialog.h"
#include "structure/framesetdialog.h"
#include "structure/imagelinkdialog.h"
#include "structure/tabledialog.h"
#include "tagedit/tageditcommand.h"
#include "textview/viewoptions.h"
#include "typing/typinghelp.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>

MainWindow::MainWindow(const QStringList &files)
    : area_(new QMdiArea(this)), SBar_(new StatusBar(this)),
      CD_(std::make_unique<FileDialogState>())
{
    DocumentCommands::serveDocumentWindows();
    TypingHelp::serveEveryTextBox();
    LoadedWindows::add(this);
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("VEK Zurne"));
    // Document windows have no icon of their own and show this one.
    setWindowIcon(programIcon());
    setCentralWidget(area_);
    // A closed document hands the focus to the one used before it, not to the oldest.
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setStatusBar(SBar_);
    area_->viewport()->setAcceptDrops(true);
    area_->viewport()->installEventFilter(this);
    buildMenus();
    new RecentFilesMenu(*menus_->menu(QStringLiteral("mnuFile")),
                        *menus_->action(QStringLiteral("mnuExit")));
    tbrNormal_ = addToolbar(*this, standardToolbar(), normalPositions_);
    tbrHTML_ = addToolbar(*this, htmlToolbar(), htmlPositions_);
    resize(1024, 768);
    MDIForm_Load(files);
}

MainWindow::~MainWindow()
{
    // Document windows go first, so that none of them outlives the window it reports to.
    for (DocumentWindow *child : children())
        delete child;
    LoadedWindows::remove(this);
}

void MainWindow::MDIForm_Load(const QStringList &files)
{
    DocumentWindow *last = nullptr;
    for (const QString &file : files)
        last = DocumentCommands::OpenFile(file);
    if (files.isEmpty())
        last = DocumentCommands::NewDocument();
    if (last)
        last->showMaximized();
    setToolbarShown(tbrNormal_, "mnuToolBar", true);
    setToolbarShown(tbrHTML_, "mnuHTMLTBar", true);
    checkViewOptionEntries(*this, ViewOptions::stored());
}

DocumentWindow *MainWindow::activeChild() const
{
    return qobject_cast<DocumentWindow *>(area_->currentSubWindow());
}

QList<DocumentWindow *> MainWindow::children() const
{
    QList<DocumentWindow *> list;
    for (QMdiSubWindow *window : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *child = qobject_cast<DocumentWindow *>(window))
            list << child;
    }
    return list;
}

QAction *MainWindow::tbrNormalButton(int position) const
{
    return normalPositions_.value(position - 1);
}

QAction *MainWindow::tbrHTMLButton(int position) const
{
    return htmlPositions_.value(position - 1);
}

void MainWindow::buildMenus()
{
    menus_ = std::make_unique<MainMenus>(*this);
    connect(menus_->menu(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this,
            &MainWindow::rebuildWindowMenu);
    connect(menus_->menu(QStringLiteral("mnuFile")), &QMenu::aboutToShow, this,
            &MainWindow::updateReadAgainEntry);
    connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::updateReadAgainEntry);
    connect(SBar_, &StatusBar::formatDoubleClicked, this, &MainWindow::mnuConvertSave_Click);
    new UndoEntries(*area_, *menus_->action(QStringLiteral("mnuUndo")),
                    *menus_->action(QStringLiteral("mnuRedo")));
}

// Only a document with a file can read it again.
void MainWindow::updateReadAgainEntry()
{
    const DocumentWindow *document = activeChild();
    menus_->action(QStringLiteral("mnuReadAgain"))->setEnabled(document && !document->isUntitled());
}

void MainWindow::tbrNormal_ButtonClick(int index)
{
    runToolbarButton(*this, standardToolbar(), index);
}

void MainWindow::tbrHTML_ButtonClick(int index)
{
    runToolbarButton(*this, htmlToolbar(), index);
}

void MainWindow::setToolbarShown(QToolBar *toolbar, const char *entry, bool shown)
{
    menus_->action(QString::fromLatin1(entry))->setChecked(shown);
    toolbar->setVisible(shown);
}

// The document-open state (open) and the no-document state: the menus that need a
// document, the save and close entries, the standard toolbar from position 4 on and the
// HTML toolbar.
void MainWindow::setDocumentState(bool open)
{
    for (int position = 4; position <= int(normalPositions_.size()); ++position)
        normalPositions_[position - 1]->setEnabled(open);
    menus_->setDocumentMenusShown(open);
    for (const char *name : {"mnuSave", "mnuClose", "mnuAllClose", "mnuSaveName", "mnuConvertSave"})
        menus_->action(QString::fromLatin1(name))->setEnabled(open);
    updateReadAgainEntry();
    setToolbarShown(tbrHTML_, "mnuHTMLTBar", open);
}

void MainWindow::setCutEnabled(bool enabled)
{
    menus_->action(QStringLiteral("mnuCut"))->setEnabled(enabled);
}

void MainWindow::enterDocumentOpenState()
{
    setDocumentState(true);
}

void MainWindow::enterNoDocumentState()
{
    setDocumentState(false);
}

void MainWindow::rebuildWindowMenu()
{
    WindowArrangement::listWindows(*menus_->menu(QStringLiteral("mnuWindow")), *area_,
                                   windowListEntries_);
}

// Close all; true when no document is left open.
bool MainWindow::closeDocuments()
{
    CloseAll::run();
    return !CloseAll::documentsLeft();
}

// Closing the main window is exit: it ends the program unless a document stays open.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!closeDocuments()) {
        event->ignore();
        return;
    }
    CloseAll::closeOtherWindows(this);
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == area_->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            FileDrop::dragOver(static_cast<QDragMoveEvent *>(event));
            return true;
        case QEvent::Drop:
            FileDrop::drop(static_cast<QDropEvent *>(event));
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// File
void MainWindow::mnuNew_Click()
{
    DocumentCommands::NewDocument();
}
void MainWindow::mnuOpen_Click()
{
    DocumentCommands::OpenDocument();
}
void MainWindow::mnuClose_Click()
{
    if (DocumentWindow *document = activeChild())
        document->close();
}
void MainWindow::mnuAllClose_Click()
{
    closeDocuments();
}
void MainWindow::mnuSave_Click()
{
    if (DocumentWindow *document = activeChild())
        DocumentCommands::SaveDocument(*document);
}
void MainWindow::mnuSaveName_Click()
{
    if (DocumentWindow *document = activeChild())
        DocumentCommands::SaveDocumentAs(*document);
}
void MainWindow::mnuReadAgain_Click()
{
    if (activeChild())
        showReadAgainDialog(this);
}
void MainWindow::mnuConvertSave_Click()
{
    if (activeChild())
        showConvertSaveDialog(this);
}
void MainWindow::mnuExit_Click()
{
    close();
}

// Edit
void MainWindow::mnuUndo_Click()
{
    DocumentCommands::Undo();
}
void MainWindow::mnuRedo_Click()
{
    DocumentCommands::Redo();
}
void MainWindow::mnuCut_Click()
{
    DocumentCommands::CutText();
}
void MainWindow::mnuCopy_Click()
{
    DocumentCommands::CopyText();
}
void MainWindow::mnuPaste_Click()
{
    DocumentCommands::PasteText();
}
void MainWindow::mnuDelete_Click()
{
    DocumentCommands::DeleteText();
}
void MainWindow::mnuAllSelect_Click()
{
    DocumentCommands::SelectAll();
}
void MainWindow::mnuFind_Click()
{
    showFindWindow(*this);
}
void MainWindow::mnuReplace_Click()
{
    showReplaceWindow(*this);
}
void MainWindow::mnuFindNext_Click()
{
    findAgain(SearchDirection::Next);
}
void MainWindow::mnuFindPrevious_Click()
{
    findAgain(SearchDirection::Previous);
}
void MainWindow::mnuTagEdit_Click()
{
    TagEditCommand::editTagAtCaret(this);
}

void MainWindow::mnuFindFiles_Click()
{
    showSiteSearchWindow(*this);
}

// View
void MainWindow::mnuWB_Click()
{
    PreviewCommand::mnuWB_Click(*this);
}
void MainWindow::mnuToolBar_Click()
{
    tbrNormal_->setVisible(menus_->action(QStringLiteral("mnuToolBar"))->isChecked());
}
void MainWindow::mnuHTMLTBar_Click()
{
    tbrHTML_->setVisible(menus_->action(QStringLiteral("mnuHTMLTBar"))->isChecked());
}
void MainWindow::mnuViewOption_Click()
{
    applyToAllDocuments(checkedViewOptions(*this));
}

// Tags
void MainWindow::mnuHLink_Click()
{
    showModeless<ImageLinkDialog>(*this).showPage(ImageLinkDialog::LinkPage);
}
void MainWindow::mnuImage_Click()
{
    showModeless<ImageLinkDialog>(*this).showPage(ImageLinkDialog::ImagePage);
}
void MainWindow::mnuList_Click()
{
    showListDialog(this);
}
void MainWindow::mnuTableMake_Click()
{
    showModal<TableDialog>(this);
}
void MainWindow::mnuAddSel_Click()
{
    WrapCommands::wrap(WrapCommands::AddSel);
}
void MainWindow::mnuForm_Click()
{
    showModal<FormDialog>(this);
}
void MainWindow::mnuTextarea_Click()
{
    showModal<TextFieldDialog>(this);
}
void MainWindow::mnuCheckbox_Click()
{
    showModal<ChoiceDialog>(this);
}
void MainWindow::mnuSubmit_Click()
{
    showModal<ButtonDialog>(this);
}
void MainWindow::mnuSelectBox_Click()
{
    showModal<SelectBoxDialog>(this);
}
void MainWindow::mnuHR_Click()
{
    showRuleDialog(this);
}
void MainWindow::mnuBR_Click()
{
    WrapCommands::insert(WrapCommands::BR);
}
void MainWindow::mnuNOBR_Click()
{
    WrapCommands::insert(WrapCommands::NOBR);
}
void MainWindow::mnuComment_Click()
{
    WrapCommands::wrap(WrapCommands::Comment);
}
void MainWindow::mnuFrame_Click()
{
    showModeless<FrameSetDialog>(*this);
}
void MainWindow::mnuMapArea_Click()
{
    showModeless<AreaDrawingWindow>(*this);
}

// Document expression
void MainWindow::mnuColor_Click()
{
    showPageColorDialog(this);
}
void MainWindow::mnuFontH_Click()
{
    showFontSizeDialog(this);
}
void MainWindow::mnuBaseFont_Click()
{
    showFontSizeDialog(this);
}
void MainWindow::mnuK1_Click()
{
    WrapCommands::insert(WrapCommands::K1);
}
void MainWindow::mnuK2_Click()
{
    WrapCommands::insert(WrapCommands::K2);
}
void MainWindow::mnuK3_Click()
{
    WrapCommands::insert(WrapCommands::K3);
}
void MainWindow::mnuK4_Click()
{
    WrapCommands::insert(WrapCommands::K4);
}
void MainWindow::mnuMarquee_Click()
{
    showMarqueeDialog(this);
}
void MainWindow::mnuLeft_Click()
{
    WrapCommands::wrap(WrapCommands::Left);
}
void MainWindow::mnuRight_Click()
{
    WrapCommands::wrap(WrapCommands::Right);
}
void MainWindow::mnuCenter_Click()
{
    WrapCommands::wrap(WrapCommands::Center);
}
void MainWindow::mnuBold_Click()
{
    WrapCommands::wrap(WrapCommands::Bold);
}
void MainWindow::mnuItalic_Click()
{
    WrapCommands::wrap(WrapCommands::Italic);
}
void MainWindow::mnuUnderLine_Click()
{
    WrapCommands::wrap(WrapCommands::UnderLine);
}
void MainWindow::mnuTorikesi_Click()
{
    WrapCommands::wrap(WrapCommands::Torikesi);
}

// Tools
void MainWindow::mnuCheckPage_Click()
{
    PageCheckCommand::mnuCheckPage_Click(*this);
}

// Window
void MainWindow::mnuCascade_Click()
{
    area_->cascadeSubWindows();
}
void MainWindow::mnuTile_Click()
{
    WindowArrangement::tileHorizontally(*area_);
}
void MainWindow::mnuIcon_Click()
{
    WindowArrangement::arrangeIcons(*area_);
}

// Help
void MainWindow::mnuHTML_Click()
{
    Help::mnuHTML_Click(*this);
}
void MainWindow::mnuAbout_Click()
{
    showModal<AboutBox>(this);
}
