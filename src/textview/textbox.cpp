#include "textview/textbox.h"

#include "textmodel/textmodel.h"
#include "textview/blankmarks.h"
#include "textview/markupcolouring.h"
#include "textview/tagpairmark.h"

#include <QFont>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

const QString TextBox::FontFamily = QStringLiteral("Noto Sans Mono CJK JP");

QFont TextBox::documentFont()
{
    QFont font(FontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(13.5);
    return font;
}

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The program's typing help, put on each text box as it gets its model.
TextBox::Helper helper = nullptr;

} // namespace

TextBox::TextBox(QWidget *parent)
    : QPlainTextEdit(parent), colouring_(std::make_unique<MarkupColouring>(*document())),
      pairMark_(std::make_unique<TagPairMark>(*this, *colouring_))
{
    setFont(documentFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAcceptDrops(true);
}

TextBox::~TextBox() = default;

void TextBox::setViewOptions(const ViewOptions &options)
{
    view_ = options;
    viewport()->update();
}

// Only the blocks on screen are coloured, as they are drawn; the marks go over them.
void TextBox::paintEvent(QPaintEvent *event)
{
    const QRect painted = event->rect();
    const MarkupColouring::Columns columns = columnsShown();
    std::vector<std::pair<QTextBlock, QPointF>> shown;
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF area = blockBoundingGeometry(block).translated(offset);
        if (area.top() > painted.bottom())
            break;
        if (area.bottom() < painted.top())
            continue;
        // A line long enough to be shown in pieces (a minified page) stays plain: formats
        // make the widget lay out and draw a long piece several times slower, and a key
        // press there would no longer be instant.
        if (view_.colouring && !TextModel::isPiece(block))
            colouring_->colour(block, columns);
        else
            colouring_->clear(block);
        shown.emplace_back(block, area.topLeft());
    }
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    pairMark_->paint(painter);
    if (!view_.blankMarks)
        return;
    for (const auto &[block, origin] : shown)
        BlankMarks::paint(painter, block, origin);
}

// The characters of a line within the viewport's width as scrolled, at the least and at the
// most: in the fixed-pitch face a wide character takes two columns. Found without laying
// out a line of thousands of characters.
MarkupColouring::Columns TextBox::columnsShown() const
{
    const qreal column = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int left = horizontalScrollBar()->value();
    return {int(left / (2 * column)), int((left + viewport()->width()) / column) + 1};
}

void TextBox::setHelper(Helper newHelper)
{
    helper = newHelper;
}

void TextBox::setModel(TextModel &model)
{
    model_ = &model;
    if (helper)
        helper(*this, model);
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

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::ShiftModifier)
            Q_EMIT shiftEnterPressed();
        // A new line gets the document's break, never the widget's own line separator.
        model_->setSelText(QStringLiteral("\r\n"));
        event->accept();
        return;
    }
    if (!model_->admits(event->text())) {
        event->accept();
        return;
    }
    if (movesOverPieces(event))
        return;
    QPlainTextEdit::keyPressEvent(event);
    if (event->text().isEmpty())
        return;
    model_->cutGrownPiece();
    Q_EMIT typed(event->text());
}

// A long line is shown in pieces; the keys that move by characters and lines step over
// the breaks between them, so they act on the file's line.
bool TextBox::movesOverPieces(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    const auto motion =
        modifiers == Qt::ShiftModifier ? TextModel::Motion::Select : TextModel::Motion::Move;
    using Direction = TextModel::Direction;
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
        model_->moveToLineEdge(
            event->key() == Qt::Key_End ? Direction::Forward : Direction::Backward, motion);
        event->accept();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        model_->moveOffPieceBreaks(
            event->key() == Qt::Key_Right ? Direction::Forward : Direction::Backward, motion);
        return false;
    // With Shift too these remove a character, never the selected break between pieces.
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        model_->moveOffPieceBreaks(event->key() == Qt::Key_Delete ? Direction::Forward
                                                                  : Direction::Backward,
                                   TextModel::Motion::Move);
        return false;
    default:
        return false;
    }
}

// An input method's text goes in as typed keys do.
void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!model_->admits(event->commitString()))
        event->setCommitString(QString());
    QPlainTextEdit::inputMethodEvent(event);
    model_->cutGrownPiece();
    if (!event->commitString().isEmpty())
        Q_EMIT typed(event->commitString());
}

// The same text the paste command would put in: the model takes every kind of break.
void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        model_->setSelText(source->text());
}

QMimeData *TextBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(model_->selFileText());
    return data;
}

void TextBox::dragEnterEvent(QDragEnterEvent *event)
{
    Q_EMIT fileDragged(event);
}

void TextBox::dragMoveEvent(QDragMoveEvent *event)
{
    Q_EMIT fileDragged(event);
}

void TextBox::dropEvent(QDropEvent *event)
{
    Q_EMIT fileDropped(event);
}
