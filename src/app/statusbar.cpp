#include "app/statusbar.h"

#include "platform/platform.h"

#include <QDateTime>
#include <QEvent>
#include <QLabel>

namespace {

const QString ModifiedMark = QStringLiteral("更新");

QLabel *sunkenPanel(QWidget *parent)
{
    auto *panel = new QLabel(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    return panel;
}

} // namespace

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("SBar"));
    for (QLabel *&panel : panels_)
        panel = sunkenPanel(this);
    modified_ = sunkenPanel(this);
    format_ = sunkenPanel(this);
    format_->setToolTip(
        QStringLiteral("ｱｸﾃｨﾌﾞな文書を保存するときの文字ｺｰﾄﾞと改行ｺｰﾄﾞで、"
                       "読み込んだﾌｧｲﾙと同じ形式（変換できないﾊﾞｲﾄは元のまま）"
                       "で書き込みます。ﾀﾞﾌﾞﾙｸﾘｯｸで文字ｺｰﾄﾞと改行を変えて保存できます。"));
    format_->installEventFilter(this);
    addWidget(panels_[0], 1);
    // As wide with the mark as without, so the panels beside it stay where they are.
    modified_->setMinimumWidth(modified_->fontMetrics().horizontalAdvance(ModifiedMark) + 12);
    addPermanentWidget(modified_);
    addPermanentWidget(format_);
    panels_[1]->setMinimumWidth(
        panels_[1]->fontMetrics().horizontalAdvance(QStringLiteral("CAPS")) + 12);
    for (int i = 1; i < 4; ++i)
        addPermanentWidget(panels_[i]);
    connect(&clock_, &QTimer::timeout, this, &StatusBar::refresh);
    clock_.start(500);
    refresh();
}

QString StatusBar::text() const
{
    return panels_[0]->text();
}

void StatusBar::setText(const QString &text)
{
    panels_[0]->setText(text);
}

QString StatusBar::formatText() const
{
    return format_->text();
}

void StatusBar::setFormatText(const QString &text)
{
    format_->setText(text);
}

QString StatusBar::modifiedText() const
{
    return modified_->text();
}

void StatusBar::setModifiedShown(bool modified)
{
    modified_->setText(modified ? ModifiedMark : QString());
}

QString StatusBar::panelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[panel - 1]->text() : QString();
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == format_ && event->type() == QEvent::MouseButtonDblClick)
        Q_EMIT formatDoubleClicked();
    return QStatusBar::eventFilter(watched, event);
}

void StatusBar::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    panels_[1]->setText(platform::backend().capsLockOn() ? QStringLiteral("CAPS") : QString());
    panels_[2]->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    panels_[3]->setText(now.toString(QStringLiteral("H:mm")));
}
