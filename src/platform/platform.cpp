#include "platform/platform.h"

#include "platform/busycursor.h"
#include "platform/capslock.h"
#include "platform/filedialog.h"
#include "platform/helperprocess.h"
#include "platform/picturefile.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <unistd.h>

namespace platform {
namespace {

QMessageBox::StandardButton standardButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Reference:
    case Answer::Jump:
        return QMessageBox::NoButton;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::OverwriteCancel:
    case Buttons::ReferenceJumpCancel:
    case Buttons::JumpCancel:
        return QMessageBox::NoButton;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

struct OwnButton {
    QString caption;
    Answer answer;
};

// The buttons with captions of their own, in order; empty for the standard sets.
QList<OwnButton> ownButtons(Buttons buttons)
{
    const OwnButton cancel{QStringLiteral("ｷｬﾝｾﾙ"), Answer::Cancel};
    const OwnButton jump{QStringLiteral("最初の文字へ移動"), Answer::Jump};
    switch (buttons) {
    case Buttons::OverwriteCancel:
        return {{QStringLiteral("上書き"), Answer::Ok}, cancel};
    case Buttons::ReferenceJumpCancel:
        return {{QStringLiteral("文字参照で書く"), Answer::Reference}, jump, cancel};
    case Buttons::JumpCancel:
        return {jump, cancel};
    default:
        return {};
    }
}

// Esc presses the cancel button; closing the box answers Cancel too.
Answer askWithOwnButtons(QMessageBox &box, const QList<OwnButton> &buttons, Answer defaultButton)
{
    QList<QPushButton *> added;
    for (const OwnButton &button : buttons) {
        const bool cancels = button.answer == Answer::Cancel;
        added << box.addButton(button.caption,
                               cancels ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        if (cancels)
            box.setEscapeButton(added.last());
        if (button.answer == defaultButton)
            box.setDefaultButton(added.last());
    }
    box.exec();
    const qsizetype clicked = added.indexOf(box.clickedButton());
    return clicked < 0 ? Answer::Cancel : buttons[clicked].answer;
}

class DesktopBackend final : public Backend {
public:
    Answer message(QWidget *parent, const Message &m) override
    {
        QMessageBox box(standardIcon(m.icon), m.title, m.text, standardButtons(m.buttons), parent);
        if (const QList<OwnButton> own = ownButtons(m.buttons); !own.isEmpty())
            return askWithOwnButtons(box, own, m.defaultButton);
        box.setDefaultButton(standardButton(m.defaultButton));
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            return Answer::Cancel;
        }
    }

    std::optional<QString> fileName(QWidget *parent, const FileRequest &r) override
    {
        QFileDialog dialog(parent);
        prepareFileDialog(dialog, r);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QColor> color(QWidget *parent, const QColor &current) override
    {
        QColorDialog dialog(current, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedColor();
    }

    std::optional<QString> fontFamily(QWidget *parent, const QString &initial) override
    {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, QFont(initial), parent);
        if (!ok)
            return std::nullopt;
        return font.family();
    }

    QString clipboardText() override { return QGuiApplication::clipboard()->text(); }
    void setClipboardText(const QString &text) override
    {
        QGuiApplication::clipboard()->setText(text);
    }
    void beep() override { QApplication::beep(); }
    void openUrl(const QUrl &url) override { QDesktopServices::openUrl(url); }
    std::optional<QImage> readPicture(const QString &path) override
    {
        return readPictureFile(path);
    }
    bool capsLockOn() override { return readCapsLock(); }
    QString programFolder() override { return QCoreApplication::applicationDirPath(); }
    bool runsAsRoot() override { return geteuid() == 0; }
    std::unique_ptr<HelperProcess> startHelper(const QString &program,
                                               const QStringList &arguments) override
    {
        return startHelperProcess(program, arguments);
    }
};

Backend *replacementBackend = nullptr;

} // namespace

Backend &backend()
{
    static DesktopBackend desktop;
    return replacementBackend ? *replacementBackend : desktop;
}

void setBackend(Backend *replacement)
{
    replacementBackend = replacement;
}

Answer showMessage(QWidget *parent, const Message &m)
{
    const NormalCursor normal;
    return backend().message(parent, m);
}

void sendKeyToFocus(int key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

} // namespace platform
