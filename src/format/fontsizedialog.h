#pragma once

// The font size dialog: wraps the selection in a heading (page 0) or in a FONT or BASEFONT
// element (page 1). Opens on page 1.

#include "dialogs/dialog.h"
#include "markup/colorchooser.h"
#include "markup/tagedit.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTabWidget;

class FontSizeDialog : public Dialog {
    Q_OBJECT
public:
    explicit FontSizeDialog(QWidget *parent = nullptr);
    // Fills the page of the heading, FONT or BASEFONT tag `edit` holds and brings it
    // forward; the other page, which writes another element, is shut. Its confirm then
    // writes over a FONT or BASEFONT tag alone, always in the classic style that has them,
    // and over a whole heading, whose end tag has its level.
    void fill(TagEdit edit);

private:
    QWidget *buildHeadingPage();
    QWidget *buildFontPage();
    void Form_Load();
    void Slider1_Click();
    void Slider2_Click();
    void cmdFont_Click();
    void cmdColor_Click();
    void Command1_Click();
    void Command3_Click();

    QTabWidget *SSTab1_;
    QLabel *lblH_ = nullptr;
    QSlider *Slider1_ = nullptr;
    QLabel *lblSize_ = nullptr;
    QSlider *Slider2_ = nullptr;
    QLineEdit *txtFS_ = nullptr;
    QLineEdit *txtColor_ = nullptr;
    QLabel *Label1_ = nullptr;
    QLineEdit *txtFontName_ = nullptr;
    QCheckBox *chkBaseFont_ = nullptr;
    ColorChooser CD2_;
    TagEdit edit_;
};

void showFontSizeDialog(QWidget *parent);
