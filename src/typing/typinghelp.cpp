#include "typing/typinghelp.h"

#include "markup/endtagcloser.h"
#include "textmodel/textmodel.h"
#include "textview/htmlnames.h"
#include "textview/textbox.h"
#include "typing/completioncontext.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>

namespace {

// How far back the typing help reads: a start tag longer than this gets no completion.
constexpr int TagReach = 4000;
constexpr int ElementReach = 200000;

} // namespace

TypingHelp::TypingHelp(TextBox &box, TextModel &model) : QObject(&box), box_(box), model_(model)
{
    connect(&box, &TextBox::typed, this, &TypingHelp::typed);
    box.installEventFilter(this);
}

// Made when first offered, so that a window opens without one.
QListWidget &TypingHelp::list()
{
    if (list_)
        return *list_;
    list_ = new QListWidget(&box_);
    list_->setObjectName(QStringLiteral("lstCompletion"));
    // A tool window takes no focus: the keys keep going to the text, which hands the list
    // only the keys that choose in it.
    list_->setWindowFlags(Qt::ToolTip);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->hide();
    connect(list_, &QListWidget::itemClicked, this, &TypingHelp::takeChosen);
    return *list_;
}

bool TypingHelp::listShown() const
{
    return list_ && list_->isVisible();
}

void TypingHelp::serveEveryTextBox()
{
    TextBox::setHelper([](TextBox &box, TextModel &model) { new TypingHelp(box, model); });
}

void TypingHelp::typed(const QString &text)
{
    if (text == u"/" && box_.viewOptions().closeEndTags) {
        const QString before = model_.textBeforeCaret(ElementReach);
        const QString name = elementToClose(before, before.size());
        if (!name.isEmpty())
            model_.setSelText(name + u'>');
    }
    offerNames();
}

void TypingHelp::offerNames()
{
    const CompletionContext context = completionContext(model_.textBeforeCaret(TagReach));
    QStringList names;
    if (context.kind == CompletionContext::Element)
        names = HtmlNames::elementsStartingWith(context.prefix);
    else if (context.kind == CompletionContext::Attribute)
        names = HtmlNames::attributesStartingWith(context.element, context.prefix);
    // A name typed out in full needs no list.
    if (names.isEmpty() || (names.size() == 1 && names.front().size() == context.prefix.size())) {
        if (list_)
            list_->hide();
        return;
    }
    prefix_ = context.prefix;
    const bool upper = HtmlNames::isUpperCase(
        context.kind == CompletionContext::Element ? context.prefix : context.element);
    list().clear();
    for (const QString &name : names)
        list_->addItem(upper ? name.toUpper() : name);
    list_->setCurrentRow(0);
    const QRect caret = box_.cursorRect();
    list_->move(box_.viewport()->mapToGlobal(caret.bottomLeft()));
    list_->resize(180, std::min(8, int(names.size())) * list_->sizeHintForRow(0) + 4);
    list_->show();
}

void TypingHelp::takeChosen()
{
    const QListWidgetItem *chosen = list_->currentItem();
    list_->hide();
    if (!chosen)
        return;
    const qsizetype caret = model_.SelStart();
    model_.setSelStart(caret - prefix_.size());
    model_.setSelLength(prefix_.size());
    model_.setSelText(chosen->text());
}

bool TypingHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &box_ && event->type() == QEvent::FocusOut && list_)
        list_->hide();
    if (watched != &box_ || event->type() != QEvent::KeyPress || !listShown())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QCoreApplication::sendEvent(list_, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        takeChosen();
        return true;
    case Qt::Key_Escape:
        list_->hide();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        list_->hide();
        return false;
    default:
        return false;
    }
}
