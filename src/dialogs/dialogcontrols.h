#pragma once

// The controls every dialog is built from. Every control carries its name as its object
// name, and labels show their captions as plain text (captions such as "<H1>" are markup
// samples, not rich text).
//
//     QGroupBox *frame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("基本設定"));
//     txtWidth_ = makeTextField(frame, QStringLiteral("txtWidth"));
//     auto *grid = new QGridLayout(frame);
//     addFieldRow(grid, 0, makeLabel(frame, QStringLiteral("Label2"), QStringLiteral("幅：")),
//     txtWidth_);
//     ...
//     layout->addLayout(makeButtonRow(cmdOK, cmdCancel));

#include <QSlider>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption);
QLineEdit *makeTextField(QWidget *parent, const QString &name, const QString &text = QString());
// Enter presses a button only when its dialog makes it the default (Dialog::setDefaultButton).
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption);
QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption);
QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption);
QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption);
// A drop-down list of `items` with the first one selected.
QComboBox *makeCombo(QWidget *parent, const QString &name, const QStringList &items);
QSlider *makeSlider(QWidget *parent, const QString &name, int minimum, int maximum);

// An option set: one button per caption, all named `name`, with their index as id in the
// returned group; the first one is selected.
QButtonGroup *makeOptions(QWidget *parent, const QString &name, const QStringList &captions);

// A frame holding the buttons of an option set one below the other.
QGroupBox *makeOptionFrame(QWidget *parent, const QString &name, const QString &caption,
                           QButtonGroup *options);

// Calls `handler` on a slider's click: the user releasing the slider after pressing or
// dragging it, or stepping it with a click on the groove, a key or the wheel. Moves while
// dragging and values set by code do not count. The handler reads sliderPosition(), which
// is already current when a step is reported.
template <class Handler> void onSliderClick(QSlider *slider, QObject *context, Handler handler)
{
    QObject::connect(slider, &QSlider::sliderReleased, context, handler);
    QObject::connect(slider, &QSlider::actionTriggered, context, [slider, handler](int action) {
        if (action != QAbstractSlider::SliderMove || !slider->isSliderDown())
            handler();
    });
}

// A row of `grid`: the label, the field beside it and, where given, a button after the field.
// The label names the field, so an access key in its caption puts the focus there.
void addFieldRow(QGridLayout *grid, int row, QLabel *label, QWidget *field,
                 QWidget *button = nullptr);

// A row with a confirm and a cancel button at its right end.
QHBoxLayout *makeButtonRow(QPushButton *confirm, QPushButton *cancel);

// Closes `dialog` as cancelled when `button` is clicked.
void closeOnClick(QAbstractButton *button, QDialog *dialog);
