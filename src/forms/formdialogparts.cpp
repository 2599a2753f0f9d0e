#include "forms/formdialogparts.h"

#include "dialogs/dialog.h"
#include "dialogs/dialogcontrols.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

QButtonGroup *makeNamedOptions(QWidget *parent, const QList<NamedCaption> &options)
{
    auto *group = new QButtonGroup(parent);
    for (int index = 0; index < options.size(); ++index)
        group->addButton(makeOption(parent, options[index].name, options[index].caption), index);
    return group;
}

QGridLayout *makeFieldGrid(QWidget *parent, const QList<FieldRow> &rows)
{
    auto *grid = new QGridLayout;
    for (int index = 0; index < rows.size(); ++index) {
        const FieldRow &row = rows[index];
        addFieldRow(grid, index, makeLabel(parent, row.label.name, row.label.caption), row.field);
    }
    return grid;
}

QGroupBox *makeFieldFrame(QWidget *parent, const NamedCaption &frame, const QList<FieldRow> &rows)
{
    QGroupBox *box = makeFrame(parent, frame.name, frame.caption);
    box->setLayout(makeFieldGrid(box, rows));
    return box;
}

QPushButton *addConfirmButtons(Dialog &dialog, QBoxLayout &layout, const NamedCaption &cancel)
{
    QPushButton *cmdOK = makeButton(&dialog, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    QPushButton *cancelButton = makeButton(&dialog, cancel.name, cancel.caption);
    closeOnClick(cancelButton, &dialog);
    dialog.setDefaultButton(cmdOK);
    dialog.setCancelButton(cancelButton);
    layout.addLayout(makeButtonRow(cmdOK, cancelButton));
    layout.setSizeConstraint(QLayout::SetFixedSize);
    return cmdOK;
}
