// The works list model: counters from the last refresh, sorting, header decorations, colours
// by status.
#include "core/Moment.h"
#include "models/WorkColours.h"
#include "models/WorkListModel.h"
#include "stores/Settings.h"

#include <QAbstractItemModelTester>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Moment at(const QString& text)
{
    return *Moment::parse(text);
}

const std::array<QString, timeUnitCount> defaultDecimals
    = { u"3"_s, u"3"_s, u"2"_s, u"2"_s, u"2"_s, u"1"_s, u"0"_s };

QVector<WorkRecord> works(const QStringList& lines)
{
    QVector<WorkRecord> records;
    for (const QString& line : lines)
        records << WorkRecord::fromLine(line);
    return records;
}

QStringList namesOf(const WorkListModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.work(row).name;
    return names;
}

} // namespace

class TestWorkModel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkListModel> m_owner;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    WorkListModel& model() { return *m_owner; }

private Q_SLOTS:
    void init()
    {
        m_tester.reset();
        m_owner = std::make_unique<WorkListModel>();
        model().setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        model().setDecimals(defaultDecimals);
        m_tester = std::make_unique<QAbstractItemModelTester>(
            m_owner.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void startedWorksCountOnlyAtRefresh()
    {
        model().setWorks(works({ u"Run\tStarted\t2024/05/01 09:58:20\t-\t30\t-\t0"_s,
            u"Rest\tPaused\t2024/05/01 08:00:00\t-\t0\t2024/05/01 09:00:00\t3600"_s }));
        QCOMPARE(model().cellText(0, WorkListModel::Seconds), QString());
        QSignalSpy changed(&model(), &QAbstractItemModel::dataChanged);
        model().refreshStarted(at(u"2024/05/01 10:00:00"_s));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(model().cellText(0, WorkListModel::Seconds), u"70."_s);
        QCOMPARE(model().cellText(0, WorkListModel::Minutes), u"1.2"_s);
        QCOMPARE(model().work(0).usedSeconds, u"70"_s);
        // The paused work is not counted by the timer; it shows its stored seconds once asked.
        QCOMPARE(model().cellText(1, WorkListModel::Seconds), QString());
        model().refreshStored(1);
        QCOMPARE(model().cellText(1, WorkListModel::Hours), u"1.00"_s);
        model().refreshStarted(at(u"2030/01/01 00:00:00"_s));
        QCOMPARE(model().cellText(1, WorkListModel::Seconds), u"3,600."_s);
    }

    void uncountableWorkShowsNothing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("began unreadable") << u"W\tStarted\tlater\t-\t0\t-\t15"_s;
        QTest::newRow("paused not a number") << u"W\tStarted\t2024/05/01 09:00:00\t-\tx\t-\t15"_s;
    }
    void uncountableWorkShowsNothing()
    {
        QFETCH(QString, line);
        model().setWorks(works({ line }));
        model().refreshStarted(at(u"2024/05/01 10:00:00"_s));
        QCOMPARE(model().cellText(0, WorkListModel::Seconds), QString());
        QCOMPARE(model().work(0).usedSeconds, u"15"_s);
    }

    void unusableDecimalsEmptyOneColumn()
    {
        model().setWorks(works({ u"W\tFinished\t2024/05/01 09:00:00\t2024/05/01 10:00:00\t0\t-\t90"_s }));
        model().refreshStored(0);
        auto decimals = defaultDecimals;
        decimals[int(TimeUnit::Minutes)] = u"many"_s;
        model().setDecimals(decimals);
        QCOMPARE(model().cellText(0, WorkListModel::Minutes), QString());
        QCOMPARE(model().cellText(0, WorkListModel::Seconds), u"90."_s);
    }

    void displayAndAlignment()
    {
        model().setWorks(works({ u"W\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0"_s }));
        const auto align = [this](int column) {
            return model().index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>()
                & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(align(WorkListModel::Name), Qt::AlignLeft);
        QCOMPARE(align(WorkListModel::Status), Qt::AlignHCenter);
        QCOMPARE(align(WorkListModel::Began), Qt::AlignLeft);
        QCOMPARE(align(WorkListModel::Finished), Qt::AlignRight);
        QCOMPARE(align(WorkListModel::Years), Qt::AlignRight);
        QCOMPARE(model().headerData(WorkListModel::Finished, Qt::Horizontal).toString(), u"Finished"_s);
        QCOMPARE(model().headerData(WorkListModel::Seconds, Qt::Horizontal).toString(), u"Seconds"_s);
    }

    void sortsCountersByValueAndTextsIgnoringCase()
    {
        model().setWorks(works({ u"b\tFinished\t2024/05/01 09:00:00\t2024/05/01 10:00:00\t0\t-\t900"_s,
            u"C\tFinished\t2024/05/01 09:00:00\t2024/05/01 10:00:00\t0\t-\t1000"_s,
            u"a\tFinished\t2024/05/01 09:00:00\t2024/05/01 10:00:00\t0\t-\t90"_s }));
        for (int row = 0; row < 3; ++row)
            model().refreshStored(row);
        model().sort(WorkListModel::Name, Qt::AscendingOrder);
        QCOMPARE(namesOf(model()), QStringList({ u"a"_s, u"b"_s, u"C"_s }));
        // "1,000." < "90." as text, but the list orders what the counters count.
        model().sort(WorkListModel::Seconds, Qt::DescendingOrder);
        QCOMPARE(namesOf(model()), QStringList({ u"C"_s, u"b"_s, u"a"_s }));
        // A sorted list puts a new work at its place.
        const int row = model().addWork(WorkRecord::fromLine(u"d\tFinished\t-\t-\t0\t-\t950"_s));
        QCOMPARE(row, 3); // not counted yet: it orders as the least
        model().sort(WorkListModel::Name, Qt::DescendingOrder);
        QCOMPARE(model().addWork(WorkRecord::fromLine(u"Bb\tStarted\t-\t-\t0\t-\t0"_s)), 2);
    }

    void headerKeepsDecorationGiven()
    {
        QSignalSpy headers(&model(), &QAbstractItemModel::headerDataChanged);
        QVERIFY(model().setHeaderData(2, Qt::Horizontal, QColor(Qt::red), Qt::DecorationRole));
        QCOMPARE(model().headerData(2, Qt::Horizontal, Qt::DecorationRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(model().setHeaderData(2, Qt::Horizontal, QVariant(), Qt::DecorationRole));
        QVERIFY(!model().headerData(2, Qt::Horizontal, Qt::DecorationRole).isValid());
        QCOMPARE(headers.size(), 2);
        QVERIFY(!model().setHeaderData(11, Qt::Horizontal, u"x"_s));
    }

    void coloursByStatus()
    {
        model().setWorks(works({ u"S\tStarted\t-\t-\t0\t-\t0"_s, u"P\tPaused\t-\t-\t0\t-\t0"_s,
            u"F\tFinished\t-\t-\t0\t-\t0"_s, u"O\tOther\t-\t-\t0\t-\t0"_s }));
        Settings settings;
        settings.setValue(SettingKey::General, u"-2147483640"_s); // window text
        settings.setValue(SettingKey::Paused, u"16711680"_s);
        settings.setValue(SettingKey::Finished, u"255"_s);
        QPalette desktop;
        desktop.setColor(QPalette::Active, QPalette::Text, QColor(1, 2, 3));
        colourWorksByStatus(model(), settings, desktop);
        const auto colour
            = [this](int row) { return model().index(row, 3).data(Qt::ForegroundRole).value<QColor>(); };
        QCOMPARE(colour(0), QColor(1, 2, 3));
        QCOMPARE(colour(1), QColor(0, 0, 255));
        QCOMPARE(colour(2), QColor(255, 0, 0));
        QCOMPARE(colour(3), QColor(1, 2, 3));
        // An unreadable colour leaves the rows it would colour as they were.
        settings.setValue(SettingKey::Paused, u"blue"_s);
        settings.setValue(SettingKey::General, u"0"_s);
        colourWorksByStatus(model(), settings, desktop);
        QCOMPARE(colour(1), QColor(0, 0, 255));
        QCOMPARE(colour(0), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestWorkModel)
#include "test_work_model.moc"
