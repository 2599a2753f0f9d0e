#pragma once

// The main window's status bar: the document information text, the Caps Lock indicator,
// the date and the time. The last three keep themselves current.

#include <QStatusBar>
#include <QTimer>

class QLabel;

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // Panels 1 to 4, for reading back what is shown.
    QString panelText(int panel) const;

    // Re-reads Caps Lock and the clock now.
    void refresh();

private:
    QLabel *panels_[4];
    QTimer clock_;
};
