#include "pagecheck/pagechecker.h"

#include "pagecheck/checkmessages.h"
#include "pagecheck/nestingdepth.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <QRegularExpression>
#include <QThread>

#include <memory>

namespace {

// libtidy's parser goes down one call per open element. On this stack it has come through
// pages ten times deeper than the limit below, and beyond that limit it takes seconds.
constexpr uint StackSize = 64 * 1024 * 1024;
constexpr int DeepestChecked = 20000;

enum class Judged { Html5, Html4, ByTidy };

// The HTML5 doctype (its legacy form too) means HTML5; an XHTML one is left to libtidy; none,
// or any other, is an older page.
Judged judgedAs(const QString &page)
{
    static const QRegularExpression doctype(
        QStringLiteral(R"(^\x{FEFF}?\s*(?:<!--.*?-->\s*)*<!DOCTYPE\s+html\b([^>]*)>)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = doctype.match(page);
    if (!match.hasMatch())
        return Judged::Html4;
    const QString rest = match.captured(1).trimmed();
    if (rest.isEmpty() || rest.startsWith(QLatin1String("SYSTEM"), Qt::CaseInsensitive))
        return Judged::Html5;
    return rest.contains(QLatin1String("XHTML"), Qt::CaseInsensitive) ? Judged::ByTidy
                                                                      : Judged::Html4;
}

QStringList argumentsOf(TidyMessage message)
{
    QStringList arguments;
    for (TidyIterator it = tidyGetMessageArguments(message); it;) {
        TidyMessageArgument argument = tidyGetNextMessageArgument(message, &it);
        arguments << (tidyGetArgType(message, &argument) == tidyFormatType_STRING
                          ? QString::fromUtf8(tidyGetArgValueString(message, &argument))
                          : QString::number(tidyGetArgValueInt(message, &argument)));
    }
    return arguments;
}

// What an older page means to write: browser elements and attributes outside the standard,
// and the table summary HTML 4 asks for and such pages never had.
bool meantByOlderPage(unsigned code, const QStringList &arguments)
{
    switch (code) {
    case PROPRIETARY_ELEMENT:
    case PROPRIETARY_ATTRIBUTE:
    case PROPRIETARY_ATTR_VALUE:
        return true;
    case MISSING_ATTRIBUTE:
        return arguments.value(1) == QLatin1String("summary");
    default:
        return false;
    }
}

struct Run {
    Judged judged;
    std::vector<Finding> findings;
};

// The checker reads the text from memory, whatever code page the page names for its file.
bool aboutTheCheckItself(unsigned code)
{
    return code == ENCODING_MISMATCH;
}

Bool TIDY_CALL collect(TidyMessage message)
{
    Run &run = *static_cast<Run *>(tidyGetAppData(tidyGetMessageDoc(message)));
    const TidyReportLevel level = tidyGetMessageLevel(message);
    const bool error = level == TidyError || level == TidyBadDocument || level == TidyFatal;
    if (!error && level != TidyWarning)
        return no;
    const unsigned code = tidyGetMessageCode(message);
    const QStringList arguments = argumentsOf(message);
    if (aboutTheCheckItself(code) ||
        (run.judged == Judged::Html4 && meantByOlderPage(code, arguments)))
        return no;
    const std::optional<QString> translated = translatedMessage(code, arguments);
    run.findings.push_back({std::max(tidyGetMessageLine(message), 1),
                            std::max(tidyGetMessageColumn(message), 1),
                            error ? Finding::Kind::Error : Finding::Kind::Warning,
                            translated ? *translated : QString::fromUtf8(tidyGetMessage(message))});
    return no;
}

// libtidy keeps its own count of a lone CR's line; as LF (the same length) it counts as the
// user does.
QByteArray tidyInput(const QString &page)
{
    QByteArray bytes = page.toUtf8();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            bytes[i] = '\n';
    }
    return bytes;
}

void runTidy(const QString &page, Run &run)
{
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &run);
    tidySetMessageCallback(doc, collect);
    tidyOptSetValue(doc, TidyCharEncoding, "utf8");
    // A tab is one column, as the user counts it.
    tidyOptSetBool(doc, TidyKeepTabs, yes);
    tidyOptSetInt(doc, TidyShowErrors, 1000000);
    // An empty list item or paragraph is right HTML, left for the user to fill: libtidy would
    // drop it from its own output and say so.
    tidyOptSetBool(doc, TidyDropEmptyElems, no);
    tidyOptSetBool(doc, TidyDropEmptyParas, no);
    if (run.judged == Judged::Html4)
        tidyOptSetValue(doc, TidyDoctype, "loose");
    QByteArray bytes = tidyInput(page);
    TidyBuffer input;
    tidyBufInit(&input);
    tidyBufAttach(&input, reinterpret_cast<byte *>(bytes.data()), uint(bytes.size()));
    // What HTML5 dropped is found when the document is repaired, after the parse.
    if (tidyParseBuffer(doc, &input) >= 0)
        tidyCleanAndRepair(doc);
    else
        run.findings.push_back(
            {1, 1, Finding::Kind::Error,
             QStringLiteral("ﾍﾟｰｼﾞを読み取れなかったため、検査できませんでした")});
    tidyBufDetach(&input);
    tidyRelease(doc);
}

// libtidy would take its language from the environment; messages not translated here come in
// its Japanese where it has one, else in its English, never in a third language.
void chooseTidyLanguage()
{
    static const bool chosen = tidySetLanguage("ja") || tidySetLanguage("en");
    Q_UNUSED(chosen);
}

} // namespace

std::vector<Finding> checkPage(const QString &page)
{
    chooseTidyLanguage();
    if (nestingDepth(page) > DeepestChecked)
        return {{1, 1, Finding::Kind::Error,
                 QStringLiteral("要素の入れ子が %1 段より深いため、検査できません")
                     .arg(DeepestChecked)}};
    Run run{judgedAs(page), {}};
    std::unique_ptr<QThread> thread(QThread::create([&page, &run] { runTidy(page, run); }));
    thread->setStackSize(StackSize);
    thread->start();
    thread->wait();
    return run.findings;
}

QString findingText(const Finding &finding)
{
    return QStringLiteral("行 %1, 桁 %2: %3: %4")
        .arg(finding.line)
        .arg(finding.column)
        .arg(finding.kind == Finding::Kind::Error ? QStringLiteral("エラー")
                                                  : QStringLiteral("警告"),
             finding.message);
}

QString nothingFoundText()
{
    return QStringLiteral("問題は見つかりませんでした");
}
