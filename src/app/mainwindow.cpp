#include "app/mainwindow.h"

#include "app/aboutbox.h"
#include "app/help.h"
#include "app/menutable.h"
#include "app/programicon.h"
#include "app/recentfilesmenu.h"
#include "app/toolbaricons.h"
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
#include "imagemap/areadrawingwindow.h"
#include "preview/previewcommand.h"
#include "search/finddialog.h"
#include "structure/framesetdialog.h"
#include "structure/imagelinkdialog.h"
#include "structure/tabledialog.h"
#include "textview/viewoptions.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>

namespace {

// The menus that are hidden while no document is open.
const char *const documentMenus[] = {"mnuView", "mnuTagu", "mnuWord", "mnuEdit", "mnuTag2"};

const MenuEntry *entryNamed(const char *name)
{
    for (const MenuEntry &entry : menuTable()) {
        if (qstrcmp(entry.name, name) == 0)
            return &entry;
    }
    return nullptr;
}

bool inDocumentMenu(const MenuEntry &entry)
{
    for (const MenuEntry *e = &entry; e; e = entryNamed(e->parent)) {
        if (e->kind == MenuEntry::TopMenu)
            return std::any_of(std::begin(documentMenus), std::end(documentMenus),
                               [e](const char *menu) { return qstrcmp(menu, e->name) == 0; });
    }
    return false;
}

// A toolbar button runs its menu entry's handler itself, so button and entry always do the
// same.
void dispatch(MainWindow *window, const ToolbarLayout &layout, int position)
{
    for (const ToolbarButton &button : layout.buttons) {
        if (button.position == position)
            (window->*entryNamed(button.entry)->handler)();
    }
}

} // namespace

MainWindow::MainWindow(const QStringList &files)
    : area_(new QMdiArea(this)), SBar_(new StatusBar(this)),
      CD_(std::make_unique<FileDialogState>())
{
    DocumentCommands::serveDocumentWindows();
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
    new RecentFilesMenu(*menus_.value(QStringLiteral("mnuFile")),
                        *actions_.value(QStringLiteral("mnuExit")));
    tbrNormal_ =
        buildToolbar(standardToolbar(), normalPositions_, &MainWindow::tbrNormal_ButtonClick);
    tbrHTML_ = buildToolbar(htmlToolbar(), htmlPositions_, &MainWindow::tbrHTML_ButtonClick);
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

QAction *MainWindow::action(const QString &name) const
{
    return actions_.value(name);
}

QMenu *MainWindow::menu(const QString &name) const
{
    return menus_.value(name);
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
    for (const MenuEntry &entry : menuTable()) {
        const QString name = QString::fromLatin1(entry.name);
        QMenu *parent = menus_.value(QString::fromLatin1(entry.parent));
        switch (entry.kind) {
        case MenuEntry::TopMenu:
        case MenuEntry::SubMenu: {
            QMenu *menu =
                parent ? parent->addMenu(entry.caption) : menuBar()->addMenu(entry.caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menus_.insert(name, menu);
            actions_.insert(name, menu->menuAction());
            break;
        }
        case MenuEntry::Separator:
            parent->addSeparator()->setObjectName(name);
            break;
        case MenuEntry::Command: {
            QAction *action = parent->addAction(entry.caption);
            action->setObjectName(name);
            action->setShortcut(entry.shortcut);
            action->setCheckable(entry.checkable);
            connect(action, &QAction::triggered, this, entry.handler);
            actions_.insert(name, action);
            break;
        }
        }
    }
    connect(menus_.value(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this,
            &MainWindow::rebuildWindowMenu);
    connect(menus_.value(QStringLiteral("mnuFile")), &QMenu::aboutToShow, this,
            &MainWindow::updateReadAgainEntry);
    connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::updateReadAgainEntry);
    connect(SBar_, &StatusBar::formatDoubleClicked, this, &MainWindow::mnuConvertSave_Click);
    new UndoEntries(*area_, *actions_.value(QStringLiteral("mnuUndo")),
                    *actions_.value(QStringLiteral("mnuRedo")));
}

// Only a document with a file can read it again.
void MainWindow::updateReadAgainEntry()
{
    const DocumentWindow *document = activeChild();
    actions_.value(QStringLiteral("mnuReadAgain"))->setEnabled(document && !document->isUntitled());
}

QToolBar *MainWindow::buildToolbar(const ToolbarLayout &layout, QList<QAction *> &positions,
                                   void (MainWindow::*dispatch)(int))
{
    auto *toolbar = addToolBar(QString::fromLatin1(layout.name));
    toolbar->setObjectName(QString::fromLatin1(layout.name));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    int index = 0;
    for (int position = 1; position <= layout.positions; ++position) {
        if (index >= int(layout.buttons.size()) || layout.buttons[index].position != position) {
            positions << toolbar->addSeparator();
            continue;
        }
        const ToolbarButton &button = layout.buttons[index];
        QAction *action = toolbar->addAction(toolbarIcon(layout, index++), button.shortName);
        action->setToolTip(button.shortName);
        action->setStatusTip(button.menuPath);
        connect(action, &QAction::triggered, this,
                [this, dispatch, position] { (this->*dispatch)(position); });
        positions << action;
    }
    return toolbar;
}

void MainWindow::tbrNormal_ButtonClick(int index)
{
    dispatch(this, standardToolbar(), index);
}

void MainWindow::tbrHTML_ButtonClick(int index)
{
    dispatch(this, htmlToolbar(), index);
}

void MainWindow::setToolbarShown(QToolBar *toolbar, const char *entry, bool shown)
{
    actions_.value(QString::fromLatin1(entry))->setChecked(shown);
    toolbar->setVisible(shown);
}

// Hidden menus keep no shortcuts: a key works only while its entry can be seen.
void MainWindow::setDocumentMenusShown(bool shown)
{
    for (const char *name : documentMenus)
        menus_.value(QString::fromLatin1(name))->menuAction()->setVisible(shown);
    for (const MenuEntry &entry : menuTable()) {
        if (entry.kind != MenuEntry::Command || entry.shortcut.isEmpty())
            continue;
        if (inDocumentMenu(entry))
            actions_.value(QString::fromLatin1(entry.name))
                ->setShortcut(shown ? entry.shortcut : QKeySequence());
    }
}

// The document-open state (open) and the no-document state: the menus that need a
// document, the save and close entries, the standard toolbar from position 4 on and the
// HTML toolbar.
void MainWindow::setDocumentState(bool open)
{
    for (int position = 4; position <= int(normalPositions_.size()); ++position)
        normalPositions_[position - 1]->setEnabled(open);
    setDocumentMenusShown(open);
    for (const char *name : {"mnuSave", "mnuClose", "mnuAllClose", "mnuSaveName", "mnuConvertSave"})
        actions_.value(QString::fromLatin1(name))->setEnabled(open);
    updateReadAgainEntry();
    setToolbarShown(tbrHTML_, "mnuHTMLTBar", open);
}

void MainWindow::setCutEnabled(bool enabled)
{
    actions_.value(QStringLiteral("mnuCut"))->setEnabled(enabled);
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
    WindowArrangement::listWindows(*menus_.value(QStringLiteral("mnuWindow")), *area_,
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

// View
void MainWindow::mnuWB_Click()
{
    PreviewCommand::mnuWB_Click(*this);
}
void MainWindow::mnuToolBar_Click()
{
    tbrNormal_->setVisible(actions_.value(QStringLiteral("mnuToolBar"))->isChecked());
}
void MainWindow::mnuHTMLTBar_Click()
{
    tbrHTML_->setVisible(actions_.value(QStringLiteral("mnuHTMLTBar"))->isChecked());
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
