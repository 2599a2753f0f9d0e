// Finding and replacing in a 1 MB text with 24,000 occurrences of the searched text:
// walking the occurrences with the matcher (exact and loose, literal text and the same text as
// a regular expression), and replacing all of them, against the floor of one QString::replace
// of the same text.
//
//   bench_search [runs]        each case `runs` times (default 3)

#include "app/mainwindow.h"
#include "document/documentwindow.h"
#include "search/finddialog.h"
#include "search/matcher.h"
#include "support/benchsupport.h"
#include "support/quietbackend.h"
#include "textview/textbox.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextCursor>

#include <cstdio>
#include <functional>

namespace {

constexpr int Occurrences = 24000;
const QString Searched = QStringLiteral("ｹﾞﾝｺﾞ");       // half-width, with voiced marks
const QString LooseSearched = QStringLiteral("げんご"); // what a loose search may type
const QString Replacement = QStringLiteral("言語");

// The sample text with the searched text at the end of its lines, spread evenly: more
// occurrences than lines, so some lines end with two.
QString searchText()
{
    QStringList lines = bench::sampleText(qint64(1) << 20).split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < Occurrences; ++i)
        lines[i * lines.size() / Occurrences] += Searched;
    return lines.join(QStringLiteral("\r\n"));
}

double timed(const std::function<void()> &work)
{
    const double start = bench::nowMs();
    work();
    return bench::nowMs() - start;
}

// Every occurrence from the top to the last one, as 24,000 presses of find would find them.
std::vector<TextMatch> everyMatch(const QString &text, const QString &what, Comparison comparison,
                                  bool regularExpression = false)
{
    const Matcher matcher({what, comparison, regularExpression});
    std::vector<TextMatch> matches;
    qsizetype from = 0;
    while (const std::optional<TextMatch> match = matcher.find(text, from)) {
        matches.push_back(*match);
        from = match->start + match->length;
    }
    return matches;
}

void report(const char *name, const QList<double> &ms, const char *note = "")
{
    std::printf("  %-46s %8.2f ms %s\n", name, bench::median(ms), note);
    std::fflush(stdout);
}

void matcherCases(int runs)
{
    const QString text = searchText();
    std::printf("1 MB text, %d occurrences of %s (median of %d)\n", Occurrences,
                qPrintable(Searched), runs);
    QList<double> floor, exact, loose, exactMiss, looseMiss, exactPattern, loosePattern;
    qsizetype exactFound = 0;
    qsizetype looseFound = 0;
    qsizetype exactPatternFound = 0;
    qsizetype loosePatternFound = 0;
    for (int run = 0; run < runs; ++run) {
        floor << timed([&] { QString(text).replace(Searched, Replacement); });
        exact << timed([&] { exactFound = everyMatch(text, Searched, Comparison::Exact).size(); });
        loose << timed(
            [&] { looseFound = everyMatch(text, LooseSearched, Comparison::Loose).size(); });
        exactMiss << timed([&] { findText(text, u"absent", 0, Comparison::Exact); });
        looseMiss << timed([&] { findText(text, u"absent", 0, Comparison::Loose); });
        exactPattern << timed([&] {
            exactPatternFound = everyMatch(text, Searched, Comparison::Exact, true).size();
        });
        loosePattern << timed([&] {
            loosePatternFound = everyMatch(text, LooseSearched, Comparison::Loose, true).size();
        });
    }
    report("floor: QString::replace of all", floor);
    report("exact: find each up to the last", exact, qPrintable(QString::number(exactFound)));
    report("loose: find each up to the last", loose, qPrintable(QString::number(looseFound)));
    report("exact: one search through the whole text", exactMiss);
    report("loose: one search through the whole text", looseMiss);
    report("exact pattern: find each up to the last", exactPattern,
           qPrintable(QString::number(exactPatternFound)));
    report("loose pattern: find each up to the last", loosePattern,
           qPrintable(QString::number(loosePatternFound)));
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

struct Outcome {
    double ms = 0;
    bool sameAsFloor = false;
    bool oneUndoRestores = false;
    qint64 beforeKiB = 0;
    qint64 afterKiB = 0;
};

void print(const Outcome &o)
{
    std::printf("%.3f %d %d %lld %lld\n", o.ms, int(o.sameAsFloor), int(o.oneUndoRestores),
                o.beforeKiB, o.afterKiB);
}

// Replaces all in `document` with `replaceAll` and checks the result with `text`, which reads
// the document's text.
Outcome measure(QTextDocument &document, const std::function<void()> &replaceAll,
                const std::function<QString()> &text)
{
    settle();
    const QString original = text();
    Outcome o;
    o.beforeKiB = bench::residentKiB();
    o.ms = timed([&] {
        replaceAll();
        settle();
    });
    o.afterKiB = bench::residentKiB();
    o.sameAsFloor = text() == QString(original).replace(Searched, Replacement);
    document.undo();
    o.oneUndoRestores = text() == original;
    return o;
}

// A bare QPlainTextEdit given the same edits from one QTextCursor in one edit block.
void runBare()
{
    QPlainTextEdit edit;
    edit.resize(1000, 700);
    edit.show();
    edit.setPlainText(searchText());
    QTextDocument &document = *edit.document();
    const auto replaceAll = [&] {
        const std::vector<TextMatch> matches =
            everyMatch(document.toPlainText(), Searched, Comparison::Exact);
        QTextCursor cursor(&document);
        cursor.beginEditBlock();
        for (auto m = matches.rbegin(); m != matches.rend(); ++m) {
            cursor.setPosition(int(m->start));
            cursor.setPosition(int(m->start + m->length), QTextCursor::KeepAnchor);
            cursor.insertText(Replacement);
        }
        cursor.endEditBlock();
    };
    print(measure(document, replaceAll, [&] { return document.toPlainText(); }));
}

// The program: the replace-all button of the find and replace window, pressed on the active
// document of the main window.
void runZurne()
{
    bench::QuietBackend backend;
    platform::setBackend(&backend);
    MainWindow window;
    window.show();
    TextModel &model = window.activeChild()->Text();
    model.setText(searchText());
    window.action(QStringLiteral("mnuFind"))->trigger();
    auto *dialog = window.findChild<FindDialog *>();
    dialog->findChild<QLineEdit *>(QStringLiteral("txtSearch2"))->setText(Searched);
    dialog->findChild<QLineEdit *>(QStringLiteral("txtReplace"))->setText(Replacement);
    auto *cmdAllReplace = dialog->findChild<QPushButton *>(QStringLiteral("cmdAllReplace"));
    print(measure(
        *window.activeChild()->textBox().document(), [&] { cmdAllReplace->click(); },
        [&] { return model.Text(); }));
    platform::setBackend(nullptr);
}

// Each replace-all case in a process of its own, so that its memory is its own.
void documentCases(const QString &program, int runs)
{
    std::printf("replace all %d, shown and idle (median of %d): ms, same text as the floor, one "
                "undo restores, memory after the replace over before\n",
                Occurrences, runs);
    for (const char *name : {"bare", "zurne"}) {
        QList<double> ms, grownMb;
        QByteArray checks;
        for (int run = 0; run < runs; ++run) {
            const QList<QByteArray> out =
                bench::runSelf(program, {QString::fromLatin1(name)}).trimmed().split(' ');
            if (out.size() != 5)
                continue;
            ms << out[0].toDouble();
            checks += out[1] == "1" && out[2] == "1" ? "ok " : "WRONG ";
            grownMb << (out[4].toDouble() - out[3].toDouble()) / 1024;
        }
        std::printf("  %-6s %8.1f ms   memory %+6.1f MB   text and undo: %s\n", name,
                    bench::median(ms), bench::median(grownMb), checks.constData());
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (mode == QLatin1String("bare") || mode == QLatin1String("zurne")) {
        mode == QLatin1String("bare") ? runBare() : runZurne();
        return 0;
    }
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 3;
    matcherCases(runs);
    documentCases(QString::fromLocal8Bit(argv[0]), runs);
    return 0;
}
