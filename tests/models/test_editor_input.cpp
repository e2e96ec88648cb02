// The editor's name cleaning and input checks, without a window.
#include "models/EventInput.h"
#include "models/EventListModel.h"

#include <QTest>

class TestEditorInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanName_data();
    void cleanName();
    void check_data();
    void check();
};

void TestEditorInput::cleanName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("blanks at both ends") << QStringLiteral("  Trip  ") << QStringLiteral("Trip");
    QTest::newRow("tab inside") << QStringLiteral("A\tB") << QStringLiteral("A B");
    QTest::newRow("line breaks") << QStringLiteral("A\r\nB\n") << QStringLiteral("A  B");
    QTest::newRow("tab at the end is trimmed") << QStringLiteral("Trip\t") << QStringLiteral("Trip");
    QTest::newRow("delete and next-line") << QStringLiteral("A\u007fB\u0085C") << QStringLiteral("A B C");
    QTest::newRow("unicode line separator") << QStringLiteral("A\u2028B\u2029C") << QStringLiteral("A B C");
    QTest::newRow("only controls") << QStringLiteral("\t\n\r") << QString();
    QTest::newRow("letters beyond ASCII kept")
        << QStringLiteral("Jörg’s day") << QStringLiteral("Jörg’s day");
}

void TestEditorInput::cleanName()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(cleanEventName(typed), stored);
}

void TestEditorInput::check_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("past");
    QTest::addColumn<qint64>("secondsFromNow");
    QTest::addColumn<int>("editedRow");
    QTest::addColumn<int>("problem");
    const int none = int(EventProblem::None);
    QTest::newRow("empty name") << QString() << true << qint64(-1) << -1 << int(EventProblem::NeedEvent);
    // The name comes first: an empty name with a bad moment is told about the name.
    QTest::newRow("empty name, bad moment")
        << QString() << true << qint64(5) << -1 << int(EventProblem::NeedEvent);
    QTest::newRow("past, one second ago") << QStringLiteral("X") << true << qint64(-1) << -1 << none;
    QTest::newRow("past, now") << QStringLiteral("X") << true << qint64(0) << -1
                               << int(EventProblem::FutureTime);
    QTest::newRow("past, one second ahead")
        << QStringLiteral("X") << true << qint64(1) << -1 << int(EventProblem::FutureTime);
    QTest::newRow("future, one second ahead") << QStringLiteral("X") << false << qint64(1) << -1 << none;
    QTest::newRow("future, now") << QStringLiteral("X") << false << qint64(0) << -1
                                 << int(EventProblem::PastTime);
    QTest::newRow("future, one second ago")
        << QStringLiteral("X") << false << qint64(-1) << -1 << int(EventProblem::PastTime);
    // The moment is checked before the name's uniqueness.
    QTest::newRow("taken name, bad moment")
        << QStringLiteral("birthday") << true << qint64(0) << -1 << int(EventProblem::FutureTime);
    QTest::newRow("new, other letter case")
        << QStringLiteral("BIRTHDAY") << true << qint64(-1) << -1 << int(EventProblem::EventExists);
    QTest::newRow("change keeps own name in new case")
        << QStringLiteral("BIRTHDAY") << true << qint64(-1) << 0 << none;
    QTest::newRow("change into another's name")
        << QStringLiteral("wedding") << true << qint64(-1) << 0 << int(EventProblem::EventExists);
    // A row read with blanks around its name is still its own name.
    QTest::newRow("change keeps own blank-padded name")
        << QStringLiteral("Padded") << true << qint64(-1) << 2 << none;
    QTest::newRow("new, like a padded name")
        << QStringLiteral("padded") << true << qint64(-1) << -1 << int(EventProblem::EventExists);
}

void TestEditorInput::check()
{
    QFETCH(QString, name);
    QFETCH(bool, past);
    QFETCH(qint64, secondsFromNow);
    QFETCH(int, editedRow);
    QFETCH(int, problem);

    const Moment now = *Moment::fromCivil(2024, 5, 1, 10, 0, 0);
    EventListModel model;
    model.addEvent({ QStringLiteral("Birthday"), QStringLiteral("Past"), *Moment::fromCivil(1975, 9, 21) });
    model.addEvent({ QStringLiteral("Wedding"), QStringLiteral("Past"), *Moment::fromCivil(2010, 1, 1, 12) });
    model.addEvent({ QStringLiteral(" Padded "), QStringLiteral("Past"), *Moment::fromCivil(2000, 1, 1) });
    const Moment moment = *Moment::fromSeconds(now.secondsSinceEpoch() + secondsFromNow);
    QCOMPARE(int(checkEventInput({ name, past, moment }, now, model, editedRow)), problem);
}

QTEST_GUILESS_MAIN(TestEditorInput)
#include "test_editor_input.moc"
