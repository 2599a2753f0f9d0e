#include "support/scriptedplatform.h"

#include "platform/helperprocess.h"
#include "platform/picturefile.h"
#include "support/rootsandbox.h"

#include <QCursor>
#include <QGuiApplication>

ScriptedPlatform::ScriptedPlatform()
{
    platform::setBackend(this);
}

ScriptedPlatform::~ScriptedPlatform()
{
    platform::setBackend(nullptr);
}

platform::Answer ScriptedPlatform::message(QWidget *, const platform::Message &message)
{
    messages << message;
    const QCursor *pointer = QGuiApplication::overrideCursor();
    messagePointers << (pointer ? std::optional(pointer->shape()) : std::nullopt);
    return answers.isEmpty() ? message.defaultButton : answers.dequeue();
}

std::optional<QString> ScriptedPlatform::fileName(QWidget *, const platform::FileRequest &request)
{
    fileRequests << request;
    return fileNames.isEmpty() ? std::nullopt : fileNames.dequeue();
}

std::optional<QColor> ScriptedPlatform::color(QWidget *, const QColor &current)
{
    colorStarts << current;
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

std::optional<QString> ScriptedPlatform::fontFamily(QWidget *, const QString &initial)
{
    fontStarts << initial;
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    clipboard = text;
    ++clipboardWrites;
}

std::optional<QImage> ScriptedPlatform::readPicture(const QString &path)
{
    if (pictures.contains(path))
        return pictures.value(path);
    return platform::readPictureFile(path);
}

std::unique_ptr<platform::HelperProcess> ScriptedPlatform::startHelper(const QString &program,
                                                                       const QStringList &arguments)
{
    helperStarts << program;
    allowBrowserEngineAsRoot();
    return platform::startHelperProcess(program, arguments);
}
