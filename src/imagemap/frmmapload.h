#pragma once

// The map definition window: asks for the image's and the link's addresses and the map's
// name, and writes the markup of the area just drawn into the active document.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class frmMapArea;

class frmMapLoad : public QDialog {
    Q_OBJECT
public:
    explicit frmMapLoad(frmMapArea &owner);

    // Esc is the redo button.
    void reject() override;

protected:
    // Closing the window by its frame neither writes nor redoes.
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    frmMapArea &owner_;
    QLineEdit *txtURL_;
    QLineEdit *txtMapName_;
    QLineEdit *txtLinkURL_;
    QCheckBox *Check1_;
};
