// The browser program behind the editor's preview window. The editor starts it on the
// first preview, talks to it over its standard input and output, and ends it by closing
// its input; closing the window ends it too. Kept apart from the editor so that the
// browser engine costs the editor nothing until the first preview, and a crash of the
// engine cannot touch the documents.
//
// zurne-preview [--owner WINDOW-ID]: the window stays above the editor's main window.

#include "preview/browser/enginesetup.h"
#include "preview/browser/ownerhint.h"
#include "preview/browser/previewwindow.h"
#include "preview/browser/stdiochannel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const int output = StdioChannel::takeStandardOutput();
    EngineSetup::prepare();
    QApplication app(argc, argv);
    StdioChannel channel(output);
    PreviewWindow window;
    QObject::connect(&channel, &StdioChannel::lineReceived, &window,
                     [&window](const QByteArray &line) {
                         if (const auto message = PreviewProtocol::decode(line))
                             window.apply(*message);
                     });
    QObject::connect(&window, &PreviewWindow::report, &channel,
                     [&channel](const PreviewProtocol::Message &m) {
                         channel.send(PreviewProtocol::encode(m));
                     });
    QObject::connect(&channel, &StdioChannel::closed, &app, &QApplication::quit);
    if (const std::optional<WId> owner = OwnerHint::fromArguments(app.arguments()))
        new OwnerHint(window, *owner);
    window.show();
    return app.exec();
}
