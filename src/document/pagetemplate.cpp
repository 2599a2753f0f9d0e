#include "document/pagetemplate.h"
#include "codepage/codepage.h"
#include "document/documentformat.h"

#include <QStringList>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString classicTemplate()
{
    return QStringList{
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<META NAME='GENERATOR' CONTENT='VEK Zurne'>"),
        QStringLiteral("<TITLE>"),
        TitlePlaceholder,
        QStringLiteral("</TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QString(),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    }
        .join(CrLf);
}

} // namespace

QString html5Page(const Html5PageFields &fields)
{
    QString title = fields.title;
    title.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    return QStringLiteral("<!DOCTYPE html>") + CrLf + QStringLiteral("<html lang=\"ja\">") + CrLf +
           QStringLiteral("<head>") + CrLf + QStringLiteral("<meta charset=\"") + fields.charset +
           QStringLiteral("\">") + CrLf +
           QStringLiteral(
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">") +
           CrLf + QStringLiteral("<meta name=\"generator\" content=\"VEK Zurne\">") + CrLf +
           QStringLiteral("<title>") + (title.trimmed().isEmpty() ? TitlePlaceholder : title) +
           QStringLiteral("</title>") + CrLf + fields.head + QStringLiteral("</head>") + CrLf +
           fields.bodyTag + CrLf + fields.body + QStringLiteral("</body>") + CrLf +
           QStringLiteral("</html>");
}

QString newPageCharset()
{
    return codePageName(codepage::system());
}

QString newPageTemplate(MarkupStyle style, const QString &charset)
{
    static const QString classic = classicTemplate();
    if (style == MarkupStyle::Classic)
        return classic;
    return html5Page({charset, TitlePlaceholder, QString(), QStringLiteral("<body>"), CrLf});
}
