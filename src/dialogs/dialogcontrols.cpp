#include "dialogs/dialogcontrols.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

namespace {

template <class Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    QLabel *label = named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A field holds whatever the user types or pastes, however long: the line edit's own limit of
// 32767 characters would cut it off without a word.
QLineEdit *makeTextField(QWidget *parent, const QString &name, const QString &text)
{
    QLineEdit *field = named(new QLineEdit(parent), name);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setText(text);
    return field;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    QPushButton *button = named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QGroupBox(caption, parent), name);
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QRadioButton(caption, parent), name);
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QCheckBox(caption, parent), name);
}

QComboBox *makeCombo(QWidget *parent, const QString &name, const QStringList &items)
{
    QComboBox *combo = named(new QComboBox(parent), name);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    return combo;
}

QSlider *makeSlider(QWidget *parent, const QString &name, int minimum, int maximum)
{
    QSlider *slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(minimum, maximum);
    slider->setPageStep(1);
    return slider;
}

QButtonGroup *makeOptions(QWidget *parent, const QString &name, const QStringList &captions)
{
    auto *group = new QButtonGroup(parent);
    for (int index = 0; index < captions.size(); ++index)
        group->addButton(makeOption(parent, name, captions[index]), index);
    group->button(0)->setChecked(true);
    return group;
}

QGroupBox *makeOptionFrame(QWidget *parent, const QString &name, const QString &caption,
                           QButtonGroup *options)
{
    QGroupBox *frame = makeFrame(parent, name, caption);
    auto *layout = new QVBoxLayout(frame);
    for (QAbstractButton *option : options->buttons())
        layout->addWidget(option);
    return frame;
}

void addFieldRow(QGridLayout *grid, int row, QLabel *label, QWidget *field, QWidget *button)
{
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (button)
        grid->addWidget(button, row, 2);
}

QHBoxLayout *makeButtonRow(QPushButton *confirm, QPushButton *cancel)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(confirm);
    row->addWidget(cancel);
    return row;
}

void closeOnClick(QAbstractButton *button, QDialog *dialog)
{
    QObject::connect(button, &QAbstractButton::clicked, dialog, &QDialog::reject);
}
