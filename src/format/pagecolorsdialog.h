#pragma once

// The page colours dialog: composes a BODY tag from five page colours and a background
// image, previews the colours and copies the tag or the last colour value to the clipboard.
// It writes nothing into the document, unless it was opened on a BODY tag already there: its
// tag copy button then writes over that tag.

#include "dialogs/dialog.h"
#include "format/pagecolormarkup.h"
#include "markup/colorchooser.h"
#include "markup/tagedit.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class PageColorsDialog : public Dialog {
    Q_OBJECT
public:
    explicit PageColorsDialog(QWidget *parent = nullptr);

    // Rebuilds the tag in the text box from the slots and the image address.
    void TEXT_BODY();
    // Takes the colours and the image of the BODY tag `edit` holds.
    void fill(TagEdit edit);

private:
    QWidget *buildPreview();
    void Form_Load();
    void Command1_Click();
    void paintPreview(int slot);
    void copyAndClose(const QString &text);

    std::array<QString, PageColorSlotCount> slots_;
    QButtonGroup *Option_;
    QLabel *lblx_;
    QLabel *lblBACK_ = nullptr;
    // The preview of each slot, by slot: the background patch, then the labels drawn in the
    // text, link, visited and active link colours.
    std::array<QLabel *, PageColorSlotCount> previewLabels_{};
    QLineEdit *txtBackGround_;
    QPlainTextEdit *Text_;
    ColorChooser CD_;
    TagEdit edit_;
};

void showPageColorDialog(QWidget *parent);
