#include "dialogs/dialog.h"

#include "dialogs/readingorder.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>

namespace {

// Presses the button of `buttons` that is on show, if it is enabled; false when none is on show.
bool pressShown(const QList<QPointer<QPushButton>> &buttons, const QWidget &window)
{
    for (QPushButton *button : buttons) {
        if (button && button->isVisibleTo(&window)) {
            if (button->isEnabled())
                button->click();
            return true;
        }
    }
    return false;
}

bool isEnter(const QKeyEvent &event)
{
    const bool enterKey = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enterKey && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A field is any control that takes input; buttons and the tab strip only lead elsewhere.
bool isField(QWidget *control, const QWidget &window)
{
    return !qobject_cast<QPushButton *>(control) && !qobject_cast<QTabBar *>(control) &&
           control->isVisibleTo(&window) && control->isEnabled();
}

// An option set is entered at its selected option, as Tab enters it.
QWidget *entryOf(QWidget *control)
{
    auto *option = qobject_cast<QAbstractButton *>(control);
    if (option && option->group() && option->group()->checkedButton())
        return option->group()->checkedButton();
    return control;
}

// The title bar's icon and buttons and its margins, in lines of the dialog's font: the window
// manager draws them, so their size is not known here.
constexpr int TitleBarExtraLines = 6;

} // namespace

Dialog::Dialog(QWidget *parent, const QString &name, const QString &caption) : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
}

void Dialog::setDefaultButton(QPushButton *button)
{
    if (defaultButtons_.isEmpty())
        button->setDefault(true);
    defaultButtons_ << button;
}

void Dialog::setCancelButton(QPushButton *button)
{
    cancelButtons_ << button;
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        pressShown(cancelButtons_, *this))
        return;
    if (isEnter(*event) && pressShown(defaultButtons_, *this))
        return;
    QDialog::keyPressEvent(event);
}

void Dialog::showEvent(QShowEvent *event)
{
    if (!focusArranged_) {
        focusArranged_ = true;
        arrangeFocus();
        makeRoomForTitle();
    }
    QDialog::showEvent(event);
}

void Dialog::arrangeFocus()
{
    QList<QWidget *> order = readingOrder(*this);
    std::stable_partition(order.begin(), order.end(), [this](QWidget *control) {
        auto *button = qobject_cast<QPushButton *>(control);
        return !defaultButtons_.contains(button) && !cancelButtons_.contains(button);
    });
    setTabChain(order);
    if (focusWidget())
        return;
    const auto first = std::find_if(order.begin(), order.end(),
                                    [this](QWidget *control) { return isField(control, *this); });
    if (first != order.end())
        entryOf(*first)->setFocus(Qt::OtherFocusReason);
}

// Before the window is first mapped, so that it appears at that width. The room is kept in
// the layout, which sets the size of a fixed-size dialog again whenever it changes.
void Dialog::makeRoomForTitle()
{
    QLayout *content = layout();
    const int titleWidth = fontMetrics().horizontalAdvance(windowTitle()) +
                           TitleBarExtraLines * fontMetrics().height();
    if (!content || content->totalMinimumSize().width() >= titleWidth)
        return;
    const QMargins margins = content->contentsMargins();
    content->addItem(new QSpacerItem(titleWidth - margins.left() - margins.right(), 0,
                                     QSizePolicy::Fixed, QSizePolicy::Fixed));
    content->activate();
    if (width() < minimumWidth())
        resize(minimumWidth(), height());
}
