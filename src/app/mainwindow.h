#pragma once

// The main window: menus, toolbars, status bar and the area that holds the documents.
// It dispatches every menu entry and toolbar button; the commands live in their
// subsystems.

#include "app/mainmenus.h"
#include "app/statusbar.h"
#include "document/documenthost.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class QMdiArea;
class QMenu;
class QToolBar;
class DocumentWindow;

class MainWindow : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    // Opens `files` (paths given on the command line) instead of the new-page template.
    explicit MainWindow(const QStringList &files = {});
    ~MainWindow() override;

    QMdiArea &mdiArea() override { return *area_; }
    // The active document window, looked up afresh: null when no document is open.
    DocumentWindow *activeChild() const;
    QList<DocumentWindow *> children() const;

    QAction *action(const QString &name) const { return menus_->action(name); }
    QMenu *menu(const QString &name) const { return menus_->menu(name); }
    QToolBar *tbrNormal() const { return tbrNormal_; }
    QToolBar *tbrHTML() const { return tbrHTML_; }
    // The button (or separator) at a 1-based toolbar position.
    QAction *tbrNormalButton(int position) const;
    QAction *tbrHTMLButton(int position) const;
    StatusBar &SBar() { return *SBar_; }
    FileDialogState &CD() override { return *CD_; }
    void setStatusText(const QString &text) override { SBar_->setText(text); }
    void setFormatText(const QString &text) override { SBar_->setFormatText(text); }
    void setModifiedShown(bool modified) override { SBar_->setModifiedShown(modified); }
    void setCutEnabled(bool enabled) override;

    // The two states the document windows switch the main window between.
    void enterDocumentOpenState() override;
    void enterNoDocumentState() override;

    // Toolbar dispatch on the 1-based button position; separators do nothing.
    void tbrNormal_ButtonClick(int index);
    void tbrHTML_ButtonClick(int index);

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuClose_Click();
    void mnuAllClose_Click();
    void mnuSave_Click();
    void mnuSaveName_Click();
    void mnuReadAgain_Click();
    void mnuConvertSave_Click();
    void mnuExit_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuAllSelect_Click();
    void mnuFind_Click();
    void mnuReplace_Click();
    void mnuFindNext_Click();
    void mnuFindPrevious_Click();
    void mnuFindFiles_Click();
    void mnuTagEdit_Click();
    void mnuWB_Click();
    void mnuToolBar_Click();
    void mnuHTMLTBar_Click();
    // Every view option entry: the options as the entries stand now reach every document.
    void mnuViewOption_Click();
    void mnuHLink_Click();
    void mnuImage_Click();
    void mnuList_Click();
    void mnuTableMake_Click();
    void mnuAddSel_Click();
    void mnuForm_Click();
    void mnuTextarea_Click();
    void mnuCheckbox_Click();
    void mnuSubmit_Click();
    void mnuSelectBox_Click();
    void mnuHR_Click();
    void mnuBR_Click();
    void mnuNOBR_Click();
    void mnuComment_Click();
    void mnuFrame_Click();
    void mnuMapArea_Click();
    void mnuColor_Click();
    void mnuFontH_Click();
    void mnuBaseFont_Click();
    void mnuK1_Click();
    void mnuK2_Click();
    void mnuK3_Click();
    void mnuK4_Click();
    void mnuMarquee_Click();
    void mnuLeft_Click();
    void mnuRight_Click();
    void mnuCenter_Click();
    void mnuBold_Click();
    void mnuItalic_Click();
    void mnuUnderLine_Click();
    void mnuTorikesi_Click();
    void mnuCheckPage_Click();
    void mnuCascade_Click();
    void mnuTile_Click();
    void mnuIcon_Click();
    void mnuHTML_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MDIForm_Load(const QStringList &files);
    void buildMenus();
    void rebuildWindowMenu();
    void setDocumentState(bool open);
    void setToolbarShown(QToolBar *toolbar, const char *entry, bool shown);
    void updateReadAgainEntry();
    bool closeDocuments();

    QMdiArea *area_;
    StatusBar *SBar_;
    std::unique_ptr<FileDialogState> CD_;
    std::unique_ptr<MainMenus> menus_;
    QToolBar *tbrNormal_ = nullptr;
    QToolBar *tbrHTML_ = nullptr;
    QList<QAction *> normalPositions_;
    QList<QAction *> htmlPositions_;
    QList<QAction *> windowListEntries_;
};
