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

Answer askOverwrite(QMessageBox &box, Answer defaultButton)
{
    QPushButton *overwrite = box.addButton(QStringLiteral("上書き"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
    box.setDefaultButton(defaultButton == Answer::Ok ? overwrite : cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == overwrite ? Answer::Ok : Answer::Cancel;
}

class DesktopBackend final : public Backend {
public:
    Answer message(QWidget *parent, const Message &m) override
    {
        QMessageBox box(standardIcon(m.icon), m.title, m.text, standardButtons(m.buttons), parent);
        if (m.buttons == Buttons::OverwriteCancel)
            return askOverwrite(box, m.defaultButton);
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
