// The text model's round trips, on a fresh text box for every input and on one text box
// reused across inputs: a file's text comes back exactly as it was read, and a text set by
// a command comes back with every line break as CR LF.

#include "fuzzcheck.h"
#include "textmodel/textmodel.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <memory>

namespace {

QString withCrLfBreaksOnly(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

void roundTrip(TextModel &model, const QString &text)
{
    model.setFileText(text, TextModel::Ending::AsInFile);
    check(model.fileText() == text, "a file's text comes back as it was read");
    check(model.Text() == withCrLfBreaksOnly(text), "the model shows every break as CR LF");
    model.setText(text);
    check(model.Text() == withCrLfBreaksOnly(text), "a set text comes back with CR LF breaks");
}

struct TextBox {
    QPlainTextEdit widget;
    TextModel model{widget};
};

} // namespace

// The font library keeps its caches for the life of the process.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_textmodel";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    static TextBox reused;
    roundTrip(reused.model, text);
    const auto fresh = std::make_unique<TextBox>();
    roundTrip(fresh->model, text);
    return 0;
}
