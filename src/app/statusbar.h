#pragma once

// The main window's status bar: the document information text, whether the active document
// has unsaved changes, its code page and line breaks, the Caps Lock indicator, the date and the
// time. The last three keep themselves current.

#include <QStatusBar>
#include <QTimer>

class QLabel;

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // Shown between the text panel and the Caps Lock indicator.
    QString formatText() const;
    void setFormatText(const QString &text);

    // "更新" before the format panel while the active document has unsaved changes.
    QString modifiedText() const;
    void setModifiedShown(bool modified);

    // Panels 1 to 4 (text, Caps Lock, date, time), for reading back what is shown.
    QString panelText(int panel) const;

    // Re-reads Caps Lock and the clock now.
    void refresh();

Q_SIGNALS:
    // The code page and line break panel was double-clicked.
    void formatDoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *panels_[4];
    QLabel *modified_;
    QLabel *format_;
    QTimer clock_;
};
