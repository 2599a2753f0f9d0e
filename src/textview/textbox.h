#pragma once

// The text box of a document window: a plain text editor whose line breaks and pastes go
// through the document's text model, and which leaves Ctrl shortcuts and file drops to the
// program. It draws its text itself, with the markup colours, the blank marks and the box on
// the other half of the tag at the caret, none of which go into the text or its layouts.

#include "textview/markupcolouring.h"
#include "textview/viewoptions.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <memory>
#include <vector>

class TagPairMark;
class TextModel;

class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    // A fixed-pitch Japanese face.
    static const QString FontFamily;
    // The font every document is shown in.
    static QFont documentFont();

    explicit TextBox(QWidget *parent = nullptr);
    ~TextBox() override;

    // Typing help the program puts on every text box once the box has its model; none by
    // default, as where the view is used alone.
    using Helper = void (*)(TextBox &box, TextModel &model);
    static void setHelper(Helper helper);
    void setModel(TextModel &model);
    const ViewOptions &viewOptions() const { return view_; }
    void setViewOptions(const ViewOptions &options);

Q_SIGNALS:
    // A key or an input method put `text` in at the caret.
    void typed(const QString &text);
    // Enter pressed with exactly Shift held, before its line break goes in.
    void shiftEnterPressed();
    // File drags and drops over the text; the receiver decides.
    void fileDragged(QDragMoveEvent *event);
    void fileDropped(QDropEvent *event);

public:
    // The widget's own clipboard paths, kept to the document's text model.
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Shown {
        QTextBlock block;
        QRectF area;
    };
    std::vector<Shown> shownBlocks() const;
    void paintBlock(BlockPainter &painter, const Shown &shown,
                    const QAbstractTextDocumentLayout::PaintContext &context);
    void recolourStale(const std::vector<Shown> &shown, const QRect &painted);
    bool movesOverPieces(QKeyEvent *event);

    TextModel *model_ = nullptr;
    ViewOptions view_;
    std::unique_ptr<MarkupColouring> colouring_;
    std::unique_ptr<TagPairMark> pairMark_;
};
