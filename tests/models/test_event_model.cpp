#include "models/ColourValue.h"
#include "models/EventListModel.h"

#include <QAbstractItemModelTester>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Moment at(const char* text)
{
    return *Moment::parse(QString::fromLatin1(text));
}

EventListModel::Event makeEvent(const char* name, const char* type, const char* moment)
{
    return { QString::fromUtf8(name), QString::fromLatin1(type), at(moment) };
}

const std::array<QString, timeUnitCount> defaultDecimals
    = { u"3"_s, u"3"_s, u"2"_s, u"2"_s, u"2"_s, u"1"_s, u"0"_s };

QStringList namesOf(const EventListModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.event(row).name;
    return names;
}

} // namespace

class TestEventModel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EventListModel> m_owner;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    EventListModel& model() { return *m_owner; }

private Q_SLOTS:
    void init()
    {
        m_tester.reset();
        m_owner = std::make_unique<EventListModel>();
        model().setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        model().setDecimals(defaultDecimals);
        m_tester = std::make_unique<QAbstractItemModelTester>(
            m_owner.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void futureEventCountsDownAndKeepsItsType()
    {
        const Moment start = at("2026/12/07 12:00:00");
        const int row = model().addEvent(makeEvent("Launch", "Future", "2026/12/07 12:00:10"));
        QCOMPARE(model().cellText(row, EventListModel::Seconds), QString());
        model().refreshRow(row, start);
        QCOMPARE(model().cellText(row, EventListModel::Seconds), u"10."_s);
        model().refreshAll(*Moment::fromSeconds(start.secondsSinceEpoch() + 15));
        QCOMPARE(model().cellText(row, EventListModel::Seconds), u"5."_s);
        QCOMPARE(model().cellText(row, EventListModel::Type), u"Future"_s);
        QCOMPARE(model().cellText(row, EventListModel::DateTime), u"2026/12/07 12:00:10"_s);
    }

    void rowOfADayAndAMinute()
    {
        const int row = model().addEvent(makeEvent("Start", "Past", "2026/12/06 10:58:59"));
        model().refreshRow(row, at("2026/12/07 12:00:00"));
        QStringList cells;
        for (int column = EventListModel::Years; column <= EventListModel::Seconds; ++column)
            cells << model().data(model().index(row, column)).toString();
        QCOMPARE(cells,
            QStringList(
                { u"0.003"_s, u"0.034"_s, u"0.15"_s, u"1.04"_s, u"25.02"_s, u"1,501.0"_s, u"90,061."_s }));
    }

    void unusableDecimalsLeaveOnlyThatColumnEmpty()
    {
        auto decimals = defaultDecimals;
        decimals[int(TimeUnit::Minutes)] = u"one"_s;
        model().setDecimals(decimals);
        const int row = model().addEvent(makeEvent("Start", "Past", "2026/12/07 11:00:00"));
        model().refreshRow(row, at("2026/12/07 12:00:00"));
        QCOMPARE(model().cellText(row, EventListModel::Minutes), QString());
        QCOMPARE(model().cellText(row, EventListModel::Hours), u"1.00"_s);
        QCOMPARE(model().cellText(row, EventListModel::Seconds), u"3,600."_s);
    }

    void aRefreshOfEveryRowIsOneChange()
    {
        for (int i = 0; i < 100; ++i)
            model().addEvent({ u"Event %1"_s.arg(i), u"Past"_s, at("2000/01/01 00:00:00") });
        QSignalSpy changed(m_owner.get(), &QAbstractItemModel::dataChanged);
        model().refreshAll(at("2026/12/07 12:00:00"));
        QCOMPARE(changed.size(), 1);
        const QModelIndex topLeft = changed[0][0].toModelIndex();
        const QModelIndex bottomRight = changed[0][1].toModelIndex();
        QCOMPARE(topLeft, model().index(0, EventListModel::Years));
        QCOMPARE(bottomRight, model().index(99, EventListModel::Seconds));
    }

    void countersSortByValueNotText()
    {
        model().addEvent(makeEvent("ten", "Past", "2026/12/07 11:59:50"));
        model().addEvent(makeEvent("nine", "Past", "2026/12/07 11:59:51"));
        model().addEvent(makeEvent("hundred", "Past", "2026/12/07 11:58:20"));
        model().refreshAll(at("2026/12/07 12:00:00"));
        model().sort(EventListModel::Seconds, Qt::AscendingOrder);
        QCOMPARE(namesOf(model()), QStringList({ u"nine"_s, u"ten"_s, u"hundred"_s }));
        model().sort(EventListModel::Seconds, Qt::DescendingOrder);
        QCOMPARE(namesOf(model()), QStringList({ u"hundred"_s, u"ten"_s, u"nine"_s }));
        // Names sort as text, ignoring case.
        model().sort(EventListModel::Name, Qt::AscendingOrder);
        QCOMPARE(namesOf(model()), QStringList({ u"hundred"_s, u"nine"_s, u"ten"_s }));
    }

    void newRowsGoToTheirSortedPlace()
    {
        model().setEvents({ makeEvent("b", "Past", "2000/01/01"), makeEvent("d", "Past", "2000/01/01") });
        QCOMPARE(model().addEvent(makeEvent("c", "Past", "2000/01/01")), 2);
        model().sort(EventListModel::Name, Qt::DescendingOrder);
        QCOMPARE(namesOf(model()), QStringList({ u"d"_s, u"c"_s, u"b"_s }));
        QCOMPARE(model().addEvent(makeEvent("A", "Past", "2000/01/01")), 3);
        QCOMPARE(model().addEvent(makeEvent("e", "Past", "2000/01/01")), 0);
        // A reload keeps the sort.
        model().setEvents({ makeEvent("x", "Past", "2000/01/01"), makeEvent("y", "Past", "2000/01/01") });
        QCOMPARE(namesOf(model()), QStringList({ u"y"_s, u"x"_s }));
    }

    void namesMatchIgnoringCaseAndBlanks()
    {
        model().addEvent(makeEvent("Birthday", "Past", "2000/01/01"));
        model().addEvent(makeEvent(" Spaced ", "Past", "2000/01/01"));
        QCOMPARE(model().findName(u"BIRTHDAY"), 0);
        QCOMPARE(model().findName(u"spaced"), 1);
        QCOMPARE(model().findName(u"Birth"), -1);
        model().removeEvent(0);
        QVERIFY(!model().containsName(u"birthday"));
        QCOMPARE(model().findName(u"Spaced"), 0);
    }

    void rowColoursShowAsForeground()
    {
        const int row = model().addEvent(makeEvent("Soon", "Future", "2030/01/01"));
        QVERIFY(!model().data(model().index(row, 0), Qt::ForegroundRole).isValid());
        QSignalSpy changed(m_owner.get(), &QAbstractItemModel::dataChanged);
        model().setRowColour(row, QColor(Qt::blue));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(model().data(model().index(row, 5), Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    }

    void colourValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QColor>("colour");
        QPalette palette;
        palette.setColor(QPalette::Base, QColor(1, 2, 3));
        palette.setColor(QPalette::Text, QColor(4, 5, 6));
        QTest::newRow("red") << u"255"_s << true << QColor(255, 0, 0);
        QTest::newRow("blue") << u"16711680"_s << true << QColor(0, 0, 255);
        QTest::newRow("mixed") << u"8421440"_s << true << QColor(0x40, 0x80, 0x80);
        QTest::newRow("window background") << u"-2147483643"_s << true << QColor(1, 2, 3);
        QTest::newRow("window text") << u"-2147483640"_s << true << QColor(4, 5, 6);
        QTest::newRow("beyond white") << u"16777216"_s << false << QColor();
        QTest::newRow("unknown system colour") << u"-2147483448"_s << false << QColor();
        QTest::newRow("not a number") << u"blue"_s << false << QColor();
        QTest::newRow("empty") << QString() << false << QColor();
    }
    void colourValues()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QColor, colour);
        QPalette palette;
        palette.setColor(QPalette::Base, QColor(1, 2, 3));
        palette.setColor(QPalette::Text, QColor(4, 5, 6));
        const auto resolved = ColourValue::resolve(text, palette);
        QCOMPARE(resolved.has_value(), valid);
        if (valid) {
            QCOMPARE(*resolved, colour);
            if (!text.startsWith(u'-'))
                QCOMPARE(ColourValue::encode(colour), text.toInt());
        }
    }
};

QTEST_GUILESS_MAIN(TestEventModel)
#include "test_event_model.moc"
