// The HTML guide the help menu opens: every page is reached from start.html, declares UTF-8
// and has a title, and every local link names a file and an anchor that exist. The pages are
// read from the build folder's copy, beside the program, where the preview window opens them.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

namespace {

const QString ProgramFolder = QStringLiteral(ZURNE_PROGRAM_DIR);
const QString SourceFolder = QStringLiteral(ZURNE_GUIDE_SOURCE_DIR);

// A page's text, or a null string when it is missing or not valid UTF-8.
QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    return decoder.hasError() ? QString() : text;
}

// The start tags of a page, comments left out. Examples shown as text are escaped (&lt;),
// so they hold no tags.
QStringList tagsOf(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<!--.*?-->"),
                                   QRegularExpression::DotMatchesEverythingOption));
    QStringList tags;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("<[A-Za-z][^>]*>")).globalMatch(html);
    while (it.hasNext())
        tags << it.next().captured();
    return tags;
}

// The values of the attributes `names` (alternatives of a pattern) in `tags`.
QStringList attributeValues(const QStringList &tags, const QString &names)
{
    const QRegularExpression attribute(
        QStringLiteral("\\s(?:%1)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(names),
        QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (const QString &tag : tags) {
        QRegularExpressionMatchIterator it = attribute.globalMatch(tag);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            values << match.captured(1) + match.captured(2) + match.captured(3);
        }
    }
    return values;
}

struct LocalLink {
    QString file; // cleaned path from the guide's folder; the page itself when empty in HREF
    QString anchor;
};

// The page's links to files beside it; addresses with a scheme (https:, MAILTO:) are not.
QList<LocalLink> localLinks(const QString &page, const QString &html)
{
    QList<LocalLink> links;
    const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    for (QString value : attributeValues(tagsOf(html), QStringLiteral("href|src"))) {
        if (scheme.match(value).hasMatch())
            continue;
        value = value.section(QLatin1Char('?'), 0, 0);
        const QString file = value.section(QLatin1Char('#'), 0, 0);
        const QString anchor = value.section(QLatin1Char('#'), 1);
        const QString base = QFileInfo(page).path();
        links.append({file.isEmpty() ? page : QDir::cleanPath(base + u'/' + file), anchor});
    }
    return links;
}

} // namespace

class tst_guide : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void reachedFromStart_data() { addPageRows(); }
    void reachedFromStart();
    void declaresUtf8AndTitle_data() { addPageRows(); }
    void declaresUtf8AndTitle();
    void localLinksResolve_data() { addPageRows(); }
    void localLinksResolve();

private:
    static void addPageRows();
    QSet<QString> reached_;
};

void tst_guide::initTestCase()
{
    QStringList queue{QStringLiteral("start.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        if (reached_.contains(page))
            continue;
        reached_.insert(page);
        for (const LocalLink &link : localLinks(page, readPage(ProgramFolder + u'/' + page))) {
            if (link.file.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
                queue << link.file;
        }
    }
}

// One row per page of the guide's source folder.
void tst_guide::addPageRows()
{
    QTest::addColumn<QString>("page");
    const QStringList pages = QDir(SourceFolder).entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.size() > 20);
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << page;
}

void tst_guide::reachedFromStart()
{
    QFETCH(QString, page);
    QVERIFY2(reached_.contains(page), "no chain of links leads here from start.html");
}

void tst_guide::declaresUtf8AndTitle()
{
    QFETCH(QString, page);
    const QString html = readPage(ProgramFolder + u'/' + page);
    QVERIFY2(!html.isNull(), "missing beside the program, or not UTF-8");
    QVERIFY(
        html.contains(QRegularExpression(QStringLiteral("<meta\\s[^>]*charset\\s*=\\s*[\"']?utf-8"),
                                         QRegularExpression::CaseInsensitiveOption)));
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("<title>(.*?)</title>"),
                           QRegularExpression::CaseInsensitiveOption |
                               QRegularExpression::DotMatchesEverythingOption)
            .match(html);
    QVERIFY(title.hasMatch());
    QVERIFY(!title.captured(1).simplified().isEmpty());
}

void tst_guide::localLinksResolve()
{
    QFETCH(QString, page);
    QStringList broken;
    for (const LocalLink &link : localLinks(page, readPage(ProgramFolder + u'/' + page))) {
        const QString target = ProgramFolder + u'/' + link.file;
        if (!QFileInfo(target).isFile()) {
            broken << link.file;
        } else if (!link.anchor.isEmpty() &&
                   !attributeValues(tagsOf(readPage(target)), QStringLiteral("id|name"))
                        .contains(link.anchor)) {
            broken << link.file + u'#' + link.anchor;
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral(", "))));
}

QTEST_APPLESS_MAIN(tst_guide)
#include "tst_guide.moc"
