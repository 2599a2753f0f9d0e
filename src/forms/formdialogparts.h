#pragma once

// What the form control dialogs are built from beyond the dialog kit: option buttons that
// each carry their own name, grids of labelled fields, and the two buttons every one of
// them ends with.

#include <QList>
#include <QString>

class Dialog;
class QBoxLayout;
class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

struct NamedCaption {
    QString name;
    QString caption;
};

// One option button per entry in one exclusive group, with its index as id. None is
// selected: each dialog selects its own preset, if it has one.
QButtonGroup *makeNamedOptions(QWidget *parent, const QList<NamedCaption> &options);

struct FieldRow {
    NamedCaption label;
    QLineEdit *field;
};

// The rows one below the other, each label beside its field.
QGridLayout *makeFieldGrid(QWidget *parent, const QList<FieldRow> &rows);

// A frame holding such a grid.
QGroupBox *makeFieldFrame(QWidget *parent, const NamedCaption &frame, const QList<FieldRow> &rows);

// Ends `layout` with cmdOK "決定(&N)", the default button (Enter), and the cancel button
// named and captioned as given, pressed by Esc, which closes the dialog without writing.
// The dialog takes the size of its controls and keeps it. Returns cmdOK for the dialog to
// connect to its confirm handler.
QPushButton *addConfirmButtons(Dialog &dialog, QBoxLayout &layout, const NamedCaption &cancel);
