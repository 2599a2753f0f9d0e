#pragma once

// Help while typing markup into a text box: the end tag `</` begins is finished with the
// name of the element it closes, and a list offers element and attribute names as they are
// typed (Enter or Tab takes the chosen one, Esc closes the list, typing on narrows it). The
// list takes no key while it is not shown.

#include <QObject>

class QListWidget;
class TextBox;
class TextModel;

class TypingHelp : public QObject {
    Q_OBJECT
public:
    TypingHelp(TextBox &box, TextModel &model);

    // Puts typing help on every text box of the program.
    static void serveEveryTextBox();

    // The completion list, shown or not.
    QListWidget &list();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void typed(const QString &text);
    void offerNames();
    void takeChosen();
    bool listShown() const;

    TextBox &box_;
    TextModel &model_;
    QListWidget *list_ = nullptr;
    // The part of the name typed so far, which the chosen name replaces.
    QString prefix_;
};
