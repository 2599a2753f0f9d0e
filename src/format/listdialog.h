#pragma once

// The list dialog: puts a numbered (OL) or bulleted (UL) list skeleton in place of the
// selection. Each kind has its own frame with a count, a style and its own buttons.

#include "dialogs/dialog.h"
#include "format/listmarkup.h"
#include "markup/tagedit.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

class ListDialog : public Dialog {
    Q_OBJECT
public:
    explicit ListDialog(QWidget *parent = nullptr);
    // Fills the kind and style of the OL, UL or LI tag `edit` holds; either confirm then
    // writes that tag over it.
    void fill(TagEdit edit);

private:
    struct KindControls {
        QLineEdit *count = nullptr;
        QComboBox *style = nullptr;
    };

    QGroupBox *buildFrame(ListKind kind, const QString &caption, const QStringList &styles);
    KindControls &controls(ListKind kind);
    void cmdOK1_Click();
    void cmdOK2_Click();
    void confirm(ListKind kind);

    KindControls numbered_;
    KindControls bulleted_;
    TagEdit edit_;
};

void showListDialog(QWidget *parent);
