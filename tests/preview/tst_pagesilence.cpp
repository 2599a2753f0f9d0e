#include "preview/browser/pagesilence.h"

#include <QTest>

// The rule on a clock of the test's own, one tick every half second.
class tst_PageSilence : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void silentTwoSecondsAfterAnUnansweredQuestion_data();
    void silentTwoSecondsAfterAnUnansweredQuestion();
    void aLateAnswerEndsTheSilenceAndALostOneCountsForNothing();
};

void tst_PageSilence::silentTwoSecondsAfterAnUnansweredQuestion_data()
{
    QTest::addColumn<int>("answerAfterTicks"); // -1: never
    QTest::addColumn<QString>("silentAtTicks");
    QTest::addColumn<int>("questions");
    QTest::newRow("answered at once") << 0 << "" << 9;
    QTest::newRow("answered after two seconds") << 4 << "4" << 2;
    QTest::newRow("never answered") << -1 << "4 5 6 7 8" << 1;
}

// Nine ticks; each answer comes at its tick, after the silence was looked at.
void tst_PageSilence::silentTwoSecondsAfterAnUnansweredQuestion()
{
    QFETCH(int, answerAfterTicks);
    QFETCH(QString, silentAtTicks);
    QFETCH(int, questions);
    PageSilence silence;
    std::optional<quint64> waiting;
    int askedAt = 0;
    int asked = 0;
    QStringList silent;
    for (int tick = 0; tick <= 8; ++tick) {
        if (const std::optional<quint64> question = silence.tick(tick * PageSilence::TickMs)) {
            waiting = question;
            askedAt = tick;
            ++asked;
        }
        if (silence.silent())
            silent << QString::number(tick);
        if (waiting && tick - askedAt == answerAfterTicks)
            silence.answered(*std::exchange(waiting, std::nullopt));
    }
    QCOMPARE(silent.join(QLatin1Char(' ')), silentAtTicks);
    QCOMPARE(asked, questions);
}

// An answer to a question forgotten (its page replaced) does not answer the next one.
void tst_PageSilence::aLateAnswerEndsTheSilenceAndALostOneCountsForNothing()
{
    PageSilence silence;
    const quint64 first = *silence.tick(0);
    silence.tick(2000);
    silence.answered(first);
    QVERIFY(!silence.silent());
    const quint64 lost = *silence.tick(2500);
    silence.forget();
    silence.tick(3000);
    silence.answered(lost);
    silence.tick(5000);
    QVERIFY(silence.silent());
}

QTEST_GUILESS_MAIN(tst_PageSilence)
#include "tst_pagesilence.moc"
