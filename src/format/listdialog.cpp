#include "format/listdialog.h"

#include "dialogs/dialogcontrols.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString CountOutOfRange = QStringLiteral("項目数には1から32768までの数を入力してください");

// The controls of the numbered kind end in 1, those of the bulleted kind in 2.
QString controlName(const char *base, ListKind kind)
{
    return QLatin1String(base) + (kind == ListKind::Numbered ? QLatin1Char('1') : QLatin1Char('2'));
}

} // namespace

ListDialog::ListDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmList"), QStringLiteral("ﾘｽﾄ設定"))
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildFrame(ListKind::Numbered, QStringLiteral("番号付ﾘｽﾄ"),
                                 {QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("a"),
                                  QStringLiteral("I"), QStringLiteral("i")}));
    layout->addWidget(
        buildFrame(ListKind::Bulleted, QStringLiteral("番号無（記号）ﾘｽﾄ"),
                   {QStringLiteral("DISK"), QStringLiteral("SQUARE"), QStringLiteral("CIRCLE")}));
}

QGroupBox *ListDialog::buildFrame(ListKind kind, const QString &caption, const QStringList &styles)
{
    QGroupBox *frame = makeFrame(this, controlName("Frame", kind), caption);
    KindControls &kindControls = controls(kind);
    kindControls.count = makeTextField(frame, controlName("txtKoumoku", kind), QStringLiteral("1"));
    kindControls.style = makeCombo(frame, controlName("Combo", kind), styles);
    QPushButton *ok = makeButton(frame, controlName("cmdOK", kind), QStringLiteral("決定(&N)"));
    connect(ok, &QPushButton::clicked, this,
            kind == ListKind::Numbered ? &ListDialog::cmdOK1_Click : &ListDialog::cmdOK2_Click);
    QPushButton *cancel =
        makeButton(frame, controlName("cmdCancel", kind), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cancel, this);

    auto *grid = new QGridLayout(frame);
    grid->addWidget(makeLabel(frame, QStringLiteral("Label1"), QStringLiteral("項目数：")), 0, 0);
    grid->addWidget(kindControls.count, 0, 1);
    grid->addWidget(kindControls.style, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->addLayout(makeButtonRow(ok, cancel), 3, 0, 1, 2);
    return frame;
}

ListDialog::KindControls &ListDialog::controls(ListKind kind)
{
    return kind == ListKind::Numbered ? numbered_ : bulleted_;
}

void ListDialog::cmdOK1_Click()
{
    confirm(ListKind::Numbered);
}

void ListDialog::cmdOK2_Click()
{
    confirm(ListKind::Bulleted);
}

// A count the list cannot hold is refused with a message; the dialog stays as it is.
void ListDialog::confirm(ListKind kind)
{
    const KindControls &kindControls = controls(kind);
    const std::optional<qint16> furtherItems = furtherListItems(kindControls.count->text());
    if (!furtherItems) {
        platform::warn(this, CountOutOfRange);
        kindControls.count->setFocus();
        return;
    }
    edit_.write(
        listMarkup({kind, kindControls.style->currentText(), *furtherItems}, edit_.style()));
    accept();
}

// The classic style writes the style on the items, HTML5 on the list: the style of a tag
// that does not carry it stays as written.
void ListDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const bool isItem = edit_.name() == QLatin1String("LI");
    const bool carriesStyle = isItem == (edit_.style() == MarkupStyle::Classic);
    QString style = carriesStyle
                        ? edit_.value(QStringLiteral("TYPE"), QStringLiteral("list-style-type"))
                        : QString();
    if (style.compare(QLatin1String("disc"), Qt::CaseInsensitive) == 0)
        style = QStringLiteral("DISK");
    const bool numbered =
        isItem ? numbered_.style->findText(style) >= 0 : edit_.name() == QLatin1String("OL");
    const KindControls &kindControls = controls(numbered ? ListKind::Numbered : ListKind::Bulleted);
    const int position = kindControls.style->findText(
        style, numbered ? Qt::MatchExactly | Qt::MatchCaseSensitive : Qt::MatchFixedString);
    if (position >= 0)
        kindControls.style->setCurrentIndex(position);
    // The other kind's list would stand in the start tag of this one, before its end tag.
    if (!isItem)
        controls(numbered ? ListKind::Bulleted : ListKind::Numbered)
            .count->parentWidget()
            ->setEnabled(false);
    kindControls.count->setFocus();
}

void showListDialog(QWidget *parent)
{
    showModal<ListDialog>(parent);
}
