#include "preview/browser/previewwindow.h"

#include "icon/programicon.h"
#include "preview/browser/guardedpage.h"
#include "preview/browser/rendererwatch.h"
#include "preview/browser/silenceline.h"

#include <QApplication>
#include <QMenuBar>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>

using PreviewProtocol::Kind;

PreviewWindow::PreviewWindow()
    : profile_(new QWebEngineProfile(this)), WB_(new QWebEngineView(this))
{
    auto *page = new GuardedPage(*profile_, WB_);
    WB_->setPage(page);
    watch_ = new RendererWatch(*page);
    setObjectName(QStringLiteral("frmWB"));
    setWindowTitle(QStringLiteral("ﾌﾞﾗｳｻﾞ確認"));
    setWindowIcon(programIcon());
    setStatusBar(new SilenceLine(
        *WB_->page(), [this] { watch_->endRenderer(); }, this));
    // The renderer of a page with an endless script would outlive the program.
    connect(qApp, &QCoreApplication::aboutToQuit, watch_, &RendererWatch::endRenderer);
    WB_->setObjectName(QStringLiteral("WB"));
    // The central widget always covers the whole client area under the menu bar.
    setCentralWidget(WB_);
    addMenuEntry("Back", QStringLiteral("戻る(&B)"), &PreviewWindow::Back_Click);
    addMenuEntry("Forward", QStringLiteral("進む(&F)"), &PreviewWindow::Forward_Click);
    addMenuEntry("Refresh", QStringLiteral("更新(&R)"), &PreviewWindow::Refresh_Click);
    addMenuEntry("Stop", QStringLiteral("停止(&S)"), &PreviewWindow::Stop_Click);
    connect(WB_, &QWebEngineView::loadFinished, this, &PreviewWindow::WB_LoadFinished);
    connect(WB_, &QWebEngineView::titleChanged, this, [this](const QString &title) {
        Q_EMIT report({Kind::Title, title});
    });
    resize(800, 600);
}

PreviewWindow::~PreviewWindow()
{
    delete WB_;
}

void PreviewWindow::addMenuEntry(const char *name, const QString &caption,
                                 void (PreviewWindow::*handler)())
{
    QAction *entry = menuBar()->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    connect(entry, &QAction::triggered, this, handler);
}

// The engine's history moves do nothing at either end of it, so no error reaches the user.
// Each command goes through the watch, so that a page that stopped answering cannot hold it.
void PreviewWindow::Back_Click()
{
    watch_->run([this] { WB_->back(); });
}
void PreviewWindow::Forward_Click()
{
    watch_->run([this] { WB_->forward(); });
}
void PreviewWindow::Refresh_Click()
{
    watch_->run([this] { WB_->reload(); });
}
void PreviewWindow::Stop_Click()
{
    watch_->run([this] { WB_->stop(); });
}

void PreviewWindow::WB_LoadFinished(bool ok)
{
    Q_EMIT report({ok ? Kind::LoadSucceeded : Kind::LoadFailed, WB_->url().toString()});
}

void PreviewWindow::apply(const PreviewProtocol::Message &message)
{
    switch (message.kind) {
    case Kind::Navigate:
        watch_->run([this, url = QUrl(message.argument)] { WB_->load(url); });
        break;
    case Kind::GoBack:
        Back_Click();
        break;
    case Kind::GoForward:
        Forward_Click();
        break;
    case Kind::Refresh:
        Refresh_Click();
        break;
    case Kind::Stop:
        Stop_Click();
        break;
    case Kind::Raise:
        raise();
        activateWindow();
        break;
    case Kind::LoadSucceeded:
    case Kind::LoadFailed:
    case Kind::Title:
        break; // the browser's own reports never come back to it
    }
}
