#pragma once

// The marquee dialog: wraps a typed text and the selection in a MARQUEE element.

#include <QDialog>

class QButtonGroup;
class QLineEdit;

class frmMarquee : public QDialog
{
    Q_OBJECT
public:
    explicit frmMarquee(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    QLineEdit *txtMozi_;
    QLineEdit *txtLoop_;
    QButtonGroup *optHoukou_;
    QButtonGroup *OptMove_;
};

void showMarqueeDialog(QWidget *parent);
