#pragma once

// The image and link dialog: a link around text, an image, or an image inside a link, in
// place of the active document's selection. It stays open beside the documents and
// writes into whichever document is active when a confirm button is pressed.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

class ImageLinkDialog : public Dialog {
    Q_OBJECT
public:
    enum Page { LinkPage = 0, ImagePage = 1 };

    explicit ImageLinkDialog(QWidget *owner);

    // Brings `page` forward with the focus in its first field; every field keeps its value.
    void showPage(Page page);
    // Fills the page of the A or IMG tag `edit` holds and brings it forward, the other page
    // shut, since it writes another element; its confirm then writes over that tag. An
    // anchor around nothing but a picture fills both pages, and the image page's confirm
    // writes over the whole anchor.
    void fill(TagEdit edit);

private:
    QWidget *buildLinkPage();
    QWidget *buildImagePage();
    void Form_Load();
    void Combo_Click(int position);
    void GetTemp();
    void cmdLinkOK_Click();
    void cmdMove_Click();
    void Command1_Click();
    void cmdImageOK_Click();
    // Puts `markup` in place of the active document's selection and closes; with no
    // document open it writes nothing and stays open.
    void writeAndClose(const QString &markup, TagEdit::Scope scope = TagEdit::Scope::StartTag);
    void fillLink();
    void fillImage(TagEdit &image);

    // The opening anchor as last fixed, the chosen target frame, and whether the image
    // page writes its image inside that anchor.
    QString LinkTag_;
    QString LinkTarget_;
    bool ImageAsLink_ = false;

    QTabWidget *SSTab1_;
    QLineEdit *txtURL_ = nullptr;
    QCheckBox *chkMail_ = nullptr;
    QLineEdit *txtMozi_ = nullptr;
    QComboBox *Combo_ = nullptr;
    QLineEdit *txtImageURL_ = nullptr;
    QLineEdit *txtDaitai_ = nullptr;
    QLineEdit *txtWidth_ = nullptr;
    QLineEdit *txtHeight_ = nullptr;
    QLineEdit *txtBorder_ = nullptr;
    QComboBox *Combo1_ = nullptr;
    TagEdit edit_;
};
