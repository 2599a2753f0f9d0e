#include "document/documentwindow.h"

#include "codepage/codepage.h"
#include "document/documentformat.h"
#include "document/documenthost.h"
#include "document/filehooks.h"
#include "document/loadedwindows.h"
#include "document/pagetemplate.h"
#include "platform/platform.h"
#include "textview/textbox.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

const QString DocumentWindow::Untitled = QStringLiteral("（無題）");
const QString DocumentWindow::ModifiedMark = QStringLiteral("CHANGE");

QString DocumentWindow::newPageTemplate()
{
    return ::newPageTemplate();
}

namespace {
DocumentWindow::Watcher watcher;
} // namespace

void DocumentWindow::setWatcher(Watcher newWatcher)
{
    watcher = std::move(newWatcher);
}

DocumentWindow::DocumentWindow(DocumentHost &host) : host_(host), Text_(new TextBox), model_(*Text_)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Text_->setModel(model_);
    Text_->setViewOptions(ViewOptions::stored());
    setWidget(Text_);
    leaveControlKeysToTheMenus();
    LoadedWindows::add(this);
    host_.mdiArea().addSubWindow(this);

    connect(Text_, &QPlainTextEdit::textChanged, this, &DocumentWindow::Text_Change);
    connect(Text_, &TextBox::shiftEnterPressed, this,
            [this] { model_.setSelText(QStringLiteral("<BR>")); });
    // Looked up at each drop, not when connecting: the hooks may be served after this window.
    connect(Text_, &TextBox::fileDragged, this,
            [](QDragMoveEvent *event) { DocumentFileHooks::served.dragOver(event); });
    connect(Text_, &TextBox::fileDropped, this,
            [](QDropEvent *event) { DocumentFileHooks::served.drop(event); });
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if (!(before & Qt::WindowActive) && (now & Qt::WindowActive))
                    Form_Activate();
            });
    // Shown and active before the text comes in: the text box then has its final width, and a
    // width change after the text would lay out every line again.
    show();
    host_.mdiArea().setActiveSubWindow(this);
    Form_Load();
    if (watcher)
        watcher(*this);
}

// The window's own menu binds Ctrl+W to close, which is also the key of a menu entry: a key
// bound twice runs neither. Every Ctrl+letter belongs to the menus; close keeps Ctrl+F4.
void DocumentWindow::leaveControlKeysToTheMenus()
{
    for (QAction *entry : systemMenu()->actions()) {
        QList<QKeySequence> kept = entry->shortcuts();
        kept.removeIf([](const QKeySequence &key) {
            return key.count() == 1 && key[0].keyboardModifiers() == Qt::ControlModifier &&
                   key[0].key() >= Qt::Key_A && key[0].key() <= Qt::Key_Z;
        });
        entry->setShortcuts(kept);
    }
}

DocumentWindow::~DocumentWindow()
{
    LoadedWindows::remove(this);
}

void DocumentWindow::Form_Load()
{
    if (!DocumentFileHooks::served.loadPendingFile(*this)) {
        setCaption(Untitled);
        model_.setText(::newPageTemplate(ViewOptions::stored().markupStyle, newPageCharset()));
    }
    setTag(QString());
    host_.enterDocumentOpenState();
    showStatus();
}

void DocumentWindow::setTag(const QString &tag)
{
    const bool changed = tag != Tag_;
    Tag_ = tag;
    if (changed || tag.isEmpty())
        showStatus();
    if (changed)
        Q_EMIT modifiedChanged(isModified());
}

void DocumentWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    showStatus();
}

void DocumentWindow::setFileText(const QString &text, const TextEncoding &encoding,
                                 TextModel::Ending ending, std::optional<LineBreak> documentBreak)
{
    model_.setFileText(text, ending, documentBreak);
    encoding_ = encoding;
    showFormat();
}

void DocumentWindow::setFileFormat(const TextEncoding &encoding, std::optional<LineBreak> lineBreak)
{
    encoding_ = encoding;
    if (lineBreak)
        model_.setAllBreaks(*lineBreak);
    showFormat();
}

void DocumentWindow::showFormat()
{
    if (host_.mdiArea().currentSubWindow() == this)
        host_.setFormatText(formatInfo());
}

QString DocumentWindow::documentInfo() const
{
    if (isUntitled())
        return Untitled;
    const QFileInfo file(Caption());
    if (!file.exists())
        return Caption();
    return Caption() + QStringLiteral(" / ﾌｧｲﾙｻｲｽﾞ ") + QString::number(file.size()) +
           QStringLiteral("ﾊﾞｲﾄ") + QStringLiteral(" / 更新日時 ") +
           file.lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString DocumentWindow::formatInfo() const
{
    return formatName({codepage::effectiveCodePage(encoding_), encoding_.byteOrderMark,
                       encoding_.keepsRawBytes, model_.documentBreak(), model_.hasMixedBreaks()});
}

void DocumentWindow::Form_Activate()
{
    DocumentFileHooks::served.activated(*this);
    showStatus();
}

void DocumentWindow::showStatus()
{
    if (host_.mdiArea().currentSubWindow() != this)
        return;
    host_.setStatusText(documentInfo());
    host_.setModifiedShown(isModified());
    host_.setFormatText(formatInfo());
}

void DocumentWindow::Text_Change()
{
    host_.setCutEnabled(!model_.isEmpty());
    setTag(ModifiedMark);
    Q_EMIT contentChanged();
    // An edit can end a mix of breaks, and its undo bring the mix back.
    if (host_.mdiArea().currentSubWindow() == this)
        host_.setFormatText(formatInfo());
}

bool DocumentWindow::Form_Unload()
{
    if (isModified()) {
        const platform::Answer answer = platform::showMessage(
            this,
            {Caption() + QStringLiteral("は変更されています。保存しますか？"), Caption(),
             platform::Buttons::YesNoCancel, platform::Icon::Question, platform::Answer::Yes});
        if (answer == platform::Answer::Cancel)
            return false;
        // A save that did not happen keeps the window: closing it would lose the text the
        // user just asked to keep.
        if (answer == platform::Answer::Yes && !DocumentFileHooks::served.save(*this))
            return false;
    }
    if (LoadedWindows::count() == 2)
        host_.enterNoDocumentState();
    if (isLastDocument()) {
        host_.setFormatText(QString());
        host_.setModifiedShown(false);
    }
    LoadedWindows::remove(this);
    Q_EMIT unloaded();
    return true;
}

bool DocumentWindow::isLastDocument() const
{
    const QList<QMdiSubWindow *> windows = host_.mdiArea().subWindowList();
    return windows.size() == 1 && windows.constFirst() == this;
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
