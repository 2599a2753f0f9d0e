#include "textview/textbox.h"

#include "textmodel/textmodel.h"
#include "textview/blankmarks.h"
#include "textview/markupcolouring.h"
#include "textview/tagpairmark.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
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

// The box draws its blocks itself, so that the colours go to the painter, never into the
// layouts: setting formats would lay a block out again and have the whole view drawn at
// every key. Only the blocks in the event's area are drawn; the marks go over them.
void TextBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    BlockPainter blocks(painter, event->rect(), context.palette);
    const std::vector<Shown> shown = shownBlocks();
    for (const Shown &block : shown) {
        if (block.area.intersects(event->rect()))
            paintBlock(blocks, block, context);
    }
    pairMark_->paint(painter);
    if (view_.blankMarks) {
        for (const Shown &block : shown)
            BlankMarks::paint(painter, block.block, block.area.topLeft());
    }
    if (view_.colouring)
        recolourStale(shown, event->rect());
}

// Every block within the viewport, from the top, with where it is drawn.
std::vector<TextBox::Shown> TextBox::shownBlocks() const
{
    std::vector<Shown> shown;
    const QPointF offset = contentOffset();
    const qreal bottom = viewport()->height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF area = blockBoundingGeometry(block).translated(offset);
        if (area.top() > bottom)
            break;
        shown.push_back({block, area});
    }
    return shown;
}

void TextBox::paintBlock(BlockPainter &painter, const Shown &shown,
                         const QAbstractTextDocumentLayout::PaintContext &context)
{
    const int start = shown.block.position();
    const int end = start + shown.block.length();
    std::vector<BlockPainter::Selection> selections;
    for (const QAbstractTextDocumentLayout::Selection &selection : context.selections) {
        const int from = selection.cursor.selectionStart();
        const int to = selection.cursor.selectionEnd();
        if (to > start && from < end)
            selections.push_back({from - start, to - start, selection.format.background(),
                                  selection.format.foreground()});
    }
    BlockPainter::Caret caret;
    if (context.cursorPosition >= start && context.cursorPosition < end)
        caret = {context.cursorPosition - start, cursorWidth(), overwriteMode()};
    static const std::vector<ColourStretch> plain;
    painter.paint(shown.block, shown.area.topLeft(),
                  view_.colouring ? colouring_->coloursOf(shown.block) : plain, selections, caret);
}

// An edit can change the state the blocks below it start in (a comment opened) without
// the widget drawing them again; the blocks from the first such one down are drawn anew.
void TextBox::recolourStale(const std::vector<Shown> &shown, const QRect &painted)
{
    for (const Shown &block : shown) {
        if (!block.area.intersects(painted) && colouring_->startsOtherwise(block.block)) {
            viewport()->update(QRectF(0, block.area.top(), viewport()->width(),
                                      viewport()->height() - block.area.top())
                                   .toAlignedRect());
            break;
        }
    }
    if (!shown.empty())
        colouring_->keepOnly(shown.front().block.blockNumber(), shown.back().block.blockNumber());
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
