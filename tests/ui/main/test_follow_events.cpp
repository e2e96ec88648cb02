#include "core/SpanSeconds.h"
#include "models/EventListModel.h"
#include "ui/main/FollowEvents.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const Moment now = *Moment::parse(u"2026/12/07 12:00:00");

// "name date" items, in file order, typed against at as a load types them.
QVector<EventRecord> eventsOf(const QStringList& items, const Moment& at = now)
{
    QVector<EventRecord> events;
    for (const QString& item : items) {
        const Moment moment = *Moment::parse(item.section(u' ', 1));
        events.push_back(
            { item.section(u' ', 0, 0), secondsUntilNow(moment, at) > 0 ? u"Past"_s : u"Future"_s, moment });
    }
    return events;
}

// The list as a load of these events gives it, sorted as the main window sorts it then.
void load(EventListModel& model, const QVector<EventRecord>& events, int column, Qt::SortOrder order)
{
    if (column >= 0)
        model.sort(column, order);
    model.setEvents(events);
    model.refreshAll(now);
    if (column >= EventListModel::Years)
        model.sort(column, order);
}

QStringList rowsOf(const EventListModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.event(row).name + u' ' + model.event(row).type + u' '
                + model.event(row).moment.toText();
    return rows;
}

} // namespace

class TestFollowEvents : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Following a change gives the rows a new load gives, in the same order; a row that stays
    // stays selected. An unsorted list whose kept rows would leave the file's order is left
    // to a new load.
    void followingGivesWhatALoadGives_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<bool>("followed");

        const QStringList abc = { u"a 2000/01/01"_s, u"b 2001/01/01"_s, u"c 2030/01/01"_s };
        const auto up = Qt::AscendingOrder;
        const auto down = Qt::DescendingOrder;
        QTest::newRow("append, unsorted")
            << abc << abc + QStringList { u"d 2002/01/01"_s } << -1 << up << true;
        QTest::newRow("insert, unsorted")
            << abc << QStringList { u"a 2000/01/01"_s, u"x 2003/01/01"_s, abc[1], abc[2] } << -1 << up
            << true;
        QTest::newRow("edit in place, unsorted")
            << abc << QStringList { abc[0], u"b 2040/01/01"_s, abc[2] } << -1 << up << true;
        QTest::newRow("remove, unsorted") << abc << QStringList { abc[0], abc[2] } << -1 << up << true;
        QTest::newRow("reordered, unsorted")
            << abc << QStringList { abc[2], abc[0], abc[1] } << -1 << up << false;
        QTest::newRow("append, names down")
            << abc << abc + QStringList { u"bb 2002/01/01"_s, u"0 2002/01/01"_s, u"00 2002/01/01"_s }
            << int(EventListModel::Name) << down << true;
        QTest::newRow("edit, dates up") << abc << QStringList { abc[0], u"b 2050/01/01"_s, abc[2] }
                                        << int(EventListModel::DateTime) << up << true;
        QTest::newRow("remove and add, types up")
            << abc << QStringList { u"e 2040/01/01"_s, abc[1], u"f 1990/01/01"_s }
            << int(EventListModel::Type) << up << true;
        QTest::newRow("add, days down") << abc << abc + QStringList { u"g 2026/12/01"_s, u"h 2100/01/01"_s }
                                        << int(EventListModel::Days) << down << true;
    }
    void followingGivesWhatALoadGives()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(bool, followed);
        EventListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        load(model, eventsOf(before), column, order);
        QItemSelectionModel selection(&model);
        const int b = model.findName(u"b");
        selection.select(model.index(b, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

        const QStringList rowsBefore = rowsOf(model);
        QCOMPARE(followEvents(model, eventsOf(after), now), followed);
        EventListModel loaded;
        load(loaded, eventsOf(after), column, order);
        QCOMPARE(rowsOf(model), followed ? rowsOf(loaded) : rowsBefore);
        if (followed && after.contains(before[1])) {
            QCOMPARE(selection.selectedRows().size(), 1);
            QCOMPARE(model.event(selection.selectedRows().first().row()).name, u"b"_s);
        }
    }

    // An event whose moment passed since the list was loaded comes back typed "Past", as a load
    // would type it; the other rows stay.
    void passedEventIsTypedAgain()
    {
        const Moment earlier = *Moment::parse(u"2026/01/01 00:00:00");
        const QStringList items = { u"a 2000/01/01"_s, u"b 2026/06/01"_s, u"c 2030/01/01"_s };
        EventListModel model;
        model.setEvents(eventsOf(items, earlier));
        QCOMPARE(model.event(1).type, u"Future"_s);
        QVERIFY(followEvents(model, eventsOf(items), now));
        QCOMPARE(rowsOf(model),
            QStringList({ u"a Past 2000/01/01 00:00:00"_s, u"b Past 2026/06/01 00:00:00"_s,
                u"c Future 2030/01/01 00:00:00"_s }));
    }
};

QTEST_GUILESS_MAIN(TestFollowEvents)
#include "test_follow_events.moc"
