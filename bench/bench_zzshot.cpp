#include "app/frmmdi.h"
#include "app/application.h"
#include "document/frmchild.h"
#include <QApplication>
#include <QMdiArea>
#include <QTimer>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installJapaneseTranslation(app);
    frmMDI w;
    w.resize(900, 600);
    w.show();
    TextModel &t = w.activeChild()->Text();
    t.setSelStart(t.Text().indexOf("<BODY>") + 8);
    t.setSelText(QString::fromUtf8("<CENTER><B>ようこそ Zurne へ</B></CENTER>\r\n<P>ﾍﾟｰｼﾞの本文をここに書きます。<BR>\r\n"));
    QTimer::singleShot(300, [&] { w.grab().save(argv[1]); app.quit(); });
    return app.exec();
}
