#pragma once

// The main window: menus, toolbars, status bar and the area that holds the documents.
// It dispatches every menu entry and toolbar button; the commands live in their
// subsystems.

#include <QMainWindow>

class QMdiArea;
class QMenu;
class QToolBar;
class frmChild;
class StatusBar;
struct FileDialogState;

class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    frmMDI();
    ~frmMDI() override;

    // The main window of this run, or null before it exists and after it is gone.
    static frmMDI *instance();

    QMdiArea &mdiArea() { return *area_; }
    // The active document window, looked up afresh: null when no document is open.
    frmChild *activeChild() const;
    QList<frmChild *> children() const;

    QAction *action(const QString &name) const;
    QMenu *menu(const QString &name) const;
    QToolBar *tbrNormal() const { return tbrNormal_; }
    QToolBar *tbrHTML() const { return tbrHTML_; }
    StatusBar &SBar() { return *SBar_; }
    FileDialogState &CD() { return *CD_; }

    // The two states the document windows switch the main window between.
    void enterDocumentOpenState();
    void enterNoDocumentState();

    // Toolbar dispatch on the 1-based button position; separators do nothing.
    void tbrNormal_ButtonClick(int index);
    void tbrHTML_ButtonClick(int index);

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuClose_Click();
    void mnuAllClose_Click();
    void mnuSave_Click();
    void mnuSaveName_Click();
    void mnuExit_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuAllSelect_Click();
    void mnuFind_Click();
    void mnuReplace_Click();
    void mnuWB_Click();
    void mnuToolBar_Click();
    void mnuHTMLTBar_Click();
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
    void mnuCascade_Click();
    void mnuTile_Click();
    void mnuIcon_Click();
    void mnuHTML_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolbars();
    void rebuildWindowList();
    void setDocumentMenusShown(bool shown);

    QMdiArea *area_;
    QToolBar *tbrNormal_ = nullptr;
    QToolBar *tbrHTML_ = nullptr;
    StatusBar *SBar_;
    FileDialogState *CD_;
    QMenu *windowList_ = nullptr;
};
