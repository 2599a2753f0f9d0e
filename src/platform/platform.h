#pragma once

// The one layer between the program and the desktop: message boxes, file, colour and
// font choosers, the clipboard, key sending, pictures, web addresses, the Caps Lock
// state, the program's folder and the helper programs it starts. Everything here goes
// through a Backend that tests replace with a scripted one, so no other code touches
// QMessageBox, QFileDialog, QColorDialog, QFontDialog, QClipboard, QImageReader,
// QDesktopServices, QProcess or the display's keyboard state directly.

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QUrl;
class QWidget;

namespace platform {

class HelperProcess;

// OverwriteCancel: "上書き", which answers Ok, and "ｷｬﾝｾﾙ", which Esc presses too.
// ReferenceJumpCancel: "文字参照で書く" (Reference), "最初の文字へ移動" (Jump) and "ｷｬﾝｾﾙ";
// JumpCancel the last two of them.
enum class Buttons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    OverwriteCancel,
    ReferenceJumpCancel,
    JumpCancel
};
enum class Icon { None, Question, Exclamation, Information, Critical };
enum class Answer { Ok, Cancel, Yes, No, Reference, Jump };

// The program's name: the title of every message box that has none of its own.
inline const QString ProgramName = QStringLiteral("Zurne");

struct Message {
    QString text;
    QString title = ProgramName;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

// Folder: an existing folder, chosen with the file dialog showing folders only.
enum class FileMode { Open, Save, Folder };

struct FileRequest {
    FileMode mode = FileMode::Open;
    // Filter in the program's own notation: "description|pattern|description|pattern".
    QString filter;
    QString initialDir;
    QString initialFile;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual Answer message(QWidget *parent, const Message &message) = 0;
    // Open: the chosen file must exist. Save: an existing file is confirmed before use.
    virtual std::optional<QString> fileName(QWidget *parent, const FileRequest &request) = 0;
    // The chooser starts from `current`; nullopt when the user cancelled.
    virtual std::optional<QColor> color(QWidget *parent, const QColor &current) = 0;
    // Screen font families; nullopt when the user cancelled.
    virtual std::optional<QString> fontFamily(QWidget *parent, const QString &initial) = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString &text) = 0;
    virtual void beep() = 0;
    // Opens `url` in the desktop's browser; a failure is ignored.
    virtual void openUrl(const QUrl &url) = 0;
    // A picture file (PNG, GIF, JPEG and the other formats Qt reads), its size() in pixels;
    // nullopt when the file cannot be read as a picture.
    virtual std::optional<QImage> readPicture(const QString &path) = 0;
    virtual bool capsLockOn() = 0;
    // The folder of the program's executable, where its helper programs and pages lie.
    virtual QString programFolder() = 0;
    // Whether the program runs with the rights of the system's administrator (root).
    virtual bool runsAsRoot() = 0;
    // Starts `program` (a full path); null when it could not be started.
    virtual std::unique_ptr<HelperProcess> startHelper(const QString &program,
                                                       const QStringList &arguments) = 0;
};

Backend &backend();
// Installs a replacement (tests); nullptr restores the desktop backend.
void setBackend(Backend *replacement);

// Shows `m` with the normal mouse pointer, also in the middle of busy work.
Answer showMessage(QWidget *parent, const Message &m);

// The program's warning: OK button, exclamation icon, the program's name as title.
inline void warn(QWidget *parent, const QString &text)
{
    showMessage(parent, {.text = text, .icon = Icon::Exclamation});
}

// Sends one press and release of `key` to the widget that has the keyboard focus and
// returns after it has been handled.
void sendKeyToFocus(int key);

} // namespace platform
