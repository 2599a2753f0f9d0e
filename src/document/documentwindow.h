#pragma once

// A document window: one HTML source text inside the main window.

#include "codepage/textencoding.h"
#include "platform/filestamp.h"
#include "textmodel/textmodel.h"

#include <QMdiSubWindow>

#include <functional>

class DocumentHost;
class TextBox;

class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // Creates the window in the host's area, shows and activates it, and runs its load: the
    // file named by PendingFileName, or the new-page template.
    explicit DocumentWindow(DocumentHost &host);
    ~DocumentWindow() override;

    TextModel &Text() { return model_; }
    TextBox &textBox() { return *Text_; }

    // The modified mark: "CHANGE" while there are unsaved changes, empty otherwise.
    QString Tag() const { return Tag_; }
    // The status bar follows: a changed mark, and a cleared one, which comes with a save or a
    // read, after which the file's size and time are new too.
    void setTag(const QString &tag);
    bool isModified() const { return Tag_ == ModifiedMark; }

    // The file's full path, or Untitled.
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption);
    bool isUntitled() const { return Caption() == Untitled; }

    // How the document's file was read and is written.
    const TextEncoding &encoding() const { return encoding_; }
    // Replaces the text with a file's, decoded as `encoding` says; the file's line breaks
    // and encoding become the document's (see TextModel::setFileText).
    void setFileText(const QString &text, const TextEncoding &encoding, TextModel::Ending ending,
                     std::optional<LineBreak> documentBreak = std::nullopt);
    // From now on the file is written as `encoding` says, and every line with `lineBreak`
    // where one is given.
    void setFileFormat(const TextEncoding &encoding, std::optional<LineBreak> lineBreak);

    // The document's file as this window last read or wrote it, and as it was when the
    // user was last asked about a change made elsewhere.
    const platform::FileStamp &fileStamp() const { return stamp_; }
    void rememberFile(const QString &path) { stamp_ = platform::FileStamp::of(path); }
    // A document brought back after the program ended knows its file as it was then.
    void rememberFile(const platform::FileStamp &stamp) { stamp_ = stamp; }
    platform::FileStamp askedStamp;

    // The text shown in status bar panel 1 while this window is active.
    QString documentInfo() const;
    // The code page and line breaks the status bar shows while this window is active.
    QString formatInfo() const;

    static const QString Untitled;
    static const QString ModifiedMark;
    // The classic new page.
    static QString newPageTemplate();

    // Told of every document window once it has loaded: whoever keeps a record of all open
    // documents (the journal) connects to its signals there. None by default.
    using Watcher = std::function<void(DocumentWindow &)>;
    static void setWatcher(Watcher watcher);

Q_SIGNALS:
    // The text changed, by typing or by any command.
    void contentChanged();
    // The modified mark was set or cleared (a save, a read).
    void modifiedChanged(bool modified);
    // The window is closing for good; its text is no longer wanted.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void leaveControlKeysToTheMenus();
    void Form_Load();
    void Form_Activate();
    void Text_Change();
    bool Form_Unload();
    bool isLastDocument() const;
    void showFormat();
    void showStatus();

    DocumentHost &host_;
    TextBox *Text_;
    TextModel model_;
    QString Tag_;
    TextEncoding encoding_;
    platform::FileStamp stamp_;
};
