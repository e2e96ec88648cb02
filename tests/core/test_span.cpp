#include "core/Moment.h"
#include "core/SpanSeconds.h"
#include "core/TimeUnit.h"
#include "core/UnitText.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Moment at(const char* text)
{
    return *Moment::parse(QString::fromLatin1(text));
}

// Groups with "," and separates decimals with ".".
QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// Groups with "." and separates decimals with ",".
QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

const QStringList defaultDecimals = { u"3"_s, u"3"_s, u"2"_s, u"2"_s, u"2"_s, u"1"_s, u"0"_s };

QStringList rowTexts(std::int64_t seconds, const QStringList& decimals, const QLocale& locale)
{
    QStringList texts;
    for (TimeUnit unit : allTimeUnits) {
        const auto text = unitText(unitAmount(seconds, unit), decimals[int(unit)], locale);
        texts << text.value_or(u"<none>"_s);
    }
    return texts;
}

} // namespace

class TestSpan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signedSpanBetweenTwoTexts_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("29 days over February")
            << u"2026/01/31 00:00:00"_s << u"2026/03/01 00:00:00"_s << qint64(2505600);
        QTest::newRow("swapped is negative")
            << u"2026/03/01 00:00:00"_s << u"2026/01/31 00:00:00"_s << qint64(-2505600);
        QTest::newRow("125 years") << u"1901/01/01 00:00:00"_s << u"2026/01/01 00:00:00"_s
                                   << qint64(3944678400LL);
        QTest::newRow("whole calendar range")
            << u"1601/01/01 00:00:00"_s << u"9999/12/31 23:59:59"_s << qint64(265046774399LL);
        QTest::newRow("same moment") << u"2026/01/01 00:00:00"_s << u"2026/01/01 00:00:00"_s << qint64(0);
        QTest::newRow("over a leap day")
            << u"2024/02/28 12:00:00"_s << u"2024/03/01 12:00:00"_s << qint64(2 * 86400);
    }
    void signedSpanBetweenTwoTexts()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(qint64, seconds);
        QCOMPARE(SpanSeconds(first, second, at("2000/01/01 00:00:00")), std::optional<std::int64_t>(seconds));
    }

    void distanceToNowIsNeverNegative_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("an hour behind") << u"2026/12/07 11:00:00"_s << qint64(3600);
        QTest::newRow("an hour ahead") << u"2026/12/07 13:00:00"_s << qint64(3600);
        QTest::newRow("now") << u"2026/12/07 12:00:00"_s << qint64(0);
    }
    void distanceToNowIsNeverNegative()
    {
        QFETCH(QString, event);
        QFETCH(qint64, seconds);
        QCOMPARE(
            SpanSeconds(event, QString(), at("2026/12/07 12:00:00")), std::optional<std::int64_t>(seconds));
    }

    void unreadableTextGivesNoValue()
    {
        const Moment now = at("2026/12/07 12:00:00");
        QVERIFY(!SpanSeconds(u"someday", QString(), now));
        QVERIFY(!SpanSeconds(u"2026/01/01", u"later", now));
    }

    void rowOfSevenTexts_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("decimals");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a day, an hour, a minute and a second")
            << qint64(90061) << english() << defaultDecimals
            << QStringList { u"0.003"_s, u"0.034"_s, u"0.15"_s, u"1.04"_s, u"25.02"_s, u"1,501.0"_s,
                   u"90,061."_s };
        QTest::newRow("the same in German") << qint64(90061) << german() << defaultDecimals
                                            << QStringList { u"0,003"_s, u"0,034"_s, u"0,15"_s, u"1,04"_s,
                                                   u"25,02"_s, u"1.501,0"_s, u"90.061,"_s };
        QTest::newRow("zero shows every decimal")
            << qint64(0) << english() << defaultDecimals
            << QStringList { u"0.000"_s, u"0.000"_s, u"0.00"_s, u"0.00"_s, u"0.00"_s, u"0.0"_s, u"0."_s };
        QTest::newRow("all decimals zero")
            << qint64(90061) << english() << QStringList(7, u"0"_s)
            << QStringList { u"0."_s, u"0."_s, u"0."_s, u"1."_s, u"25."_s, u"1,501."_s, u"90,061."_s };
        QTest::newRow("the whole calendar range in seconds")
            << qint64(265046774399LL) << english() << defaultDecimals
            << QStringList { u"8,398.825"_s, u"100,785.906"_s, u"438,238.71"_s, u"3,067,671.00"_s,
                   u"73,624,104.00"_s, u"4,417,446,240.0"_s, u"265,046,774,399."_s };
        QTest::newRow("unusable decimals give no text")
            << qint64(90061) << english()
            << QStringList { u"x"_s, u"-1"_s, u"100"_s, u"2.5"_s, u""_s, u"99"_s, u" 2 "_s }
            << QStringList { u"<none>"_s, u"<none>"_s, u"<none>"_s, u"<none>"_s, u"<none>"_s, u"<99>"_s,
                   u"90,061.00"_s };
    }
    void rowOfSevenTexts()
    {
        QFETCH(qint64, seconds);
        QFETCH(QLocale, locale);
        QFETCH(QStringList, decimals);
        QFETCH(QStringList, expected);
        QStringList texts = rowTexts(seconds, decimals, locale);
        // 99 decimals are allowed; their exact digits are the double's own, so only the shape is checked.
        if (expected[5] == u"<99>"_s) {
            QVERIFY(texts[5].startsWith(u"1,501.01666"_s));
            QCOMPARE(texts[5].size(), 6 + 99);
            texts[5] = expected[5];
        }
        QCOMPARE(texts, expected);
    }

    void roundsHalfAwayFromZero_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0.125 to two") << 0.125 << 2 << u"0.13"_s;
        QTest::newRow("2.5 to none") << 2.5 << 0 << u"3."_s;
        QTest::newRow("3.5 to none") << 3.5 << 0 << u"4."_s;
        QTest::newRow("-2.5 to none") << -2.5 << 0 << u"-3."_s;
        QTest::newRow("negative thousands") << -1501.0166 << 1 << u"-1,501.0"_s;
        QTest::newRow("tiny negative is zero") << -0.0004 << 2 << u"0.00"_s;
        QTest::newRow("1501.02 to none") << 1501.0166 << 0 << u"1,501."_s;
    }
    void roundsHalfAwayFromZero()
    {
        QFETCH(double, amount);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(unitText(amount, decimals, english()), expected);
    }

    void monthsOfTwentyNineDays()
    {
        const auto seconds = SpanSeconds(u"2026/01/31 00:00:00", u"2026/03/01 00:00:00", at("2000/01/01"));
        QVERIFY(seconds);
        QCOMPARE(unitText(unitAmount(*seconds, TimeUnit::Months), 2, english()), u"0.95"_s);
    }
};

QTEST_GUILESS_MAIN(TestSpan)
#include "test_span.moc"
