#include "app/statusbar.h"

#include "platform/platform.h"

#include <QDateTime>
#include <QLabel>

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("SBar"));
    for (QLabel *&panel : panels_) {
        panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
    }
    addWidget(panels_[0], 1);
    panels_[1]->setMinimumWidth(panels_[1]->fontMetrics().horizontalAdvance(QStringLiteral("CAPS")) + 12);
    for (int i = 1; i < 4; ++i)
        addPermanentWidget(panels_[i]);
    connect(&clock_, &QTimer::timeout, this, &StatusBar::refresh);
    clock_.start(500);
    refresh();
}

QString StatusBar::text() const { return panels_[0]->text(); }

void StatusBar::setText(const QString &text) { panels_[0]->setText(text); }

QString StatusBar::panelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[panel - 1]->text() : QString();
}

void StatusBar::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    panels_[1]->setText(platform::backend().capsLockOn() ? QStringLiteral("CAPS") : QString());
    panels_[2]->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    panels_[3]->setText(now.toString(QStringLiteral("H:mm")));
}
