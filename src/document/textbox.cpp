#include "document/textbox.h"

#include "document/textmodel.h"
#include "platform/platform.h"

#include <QFont>
#include <QKeyEvent>
#include <QMimeData>

const QString TextBox::FontFamily = QStringLiteral("Noto Sans Mono CJK JP");

namespace {

QFont documentFont()
{
    QFont font(TextBox::FontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(13.5);
    return font;
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Text a key press would type, as the widget itself decides it.
bool typesText(const QKeyEvent *event)
{
    const QString text = event->text();
    return !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t'));
}

} // namespace

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setFont(documentFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAcceptDrops(true);
}

bool TextBox::event(QEvent *event)
{
    // The menus' Ctrl shortcuts (copy, cut, paste, select all, Ctrl+K ...) win over the
    // widget's own key bindings; keys no menu entry takes still reach keyPressEvent.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

bool TextBox::fits(const QString &typed)
{
    const qsizetype after = model_->length() - model_->SelLength() + typed.size();
    if (after <= MaxLength || typed.isEmpty())
        return true;
    platform::backend().beep();
    return false;
}

void TextBox::insertLineBreak()
{
    // A block break is the document's CR LF; never the widget's own line separator.
    QTextCursor cursor = textCursor();
    cursor.insertText(QStringLiteral("\n"));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::ShiftModifier)
            Q_EMIT shiftEnterPressed();
        if (fits(QStringLiteral("\r\n")))
            insertLineBreak();
        event->accept();
        return;
    }
    if (typesText(event) && !(event->modifiers() & Qt::ControlModifier) && !fits(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() && !fits(event->commitString())) {
        // Drop the commit but keep the input method's state consistent.
        QInputMethodEvent refused(QString(), {});
        QPlainTextEdit::inputMethodEvent(&refused);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    // Pasted lines follow the document's convention: every LF, CR or CR LF is a CR LF.
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'),
                                                                        QLatin1Char('\n'));
    QString counted = text;
    counted.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (!fits(counted))
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(TextModel::toWidgetForm(counted));
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData *TextBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(model_->SelText());
    return data;
}

void TextBox::dragEnterEvent(QDragEnterEvent *event) { Q_EMIT fileDragged(event); }

void TextBox::dragMoveEvent(QDragMoveEvent *event) { Q_EMIT fileDragged(event); }

void TextBox::dropEvent(QDropEvent *event) { Q_EMIT fileDropped(event); }
