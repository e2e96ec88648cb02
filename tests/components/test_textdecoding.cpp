#include "components/TextDecoding.h"

#include <QTest>

class TestTextDecoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodeLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("ASCII") << QByteArray("Birthday\t2010/01/01")
                               << QStringLiteral("Birthday\t2010/01/01");
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac")
                               << QStringLiteral("Caf\u00e9 \u20ac");
        QTest::newRow("Windows-1252 Latin letters")
            << QByteArray("Caf\xe9 na\xefve") << QStringLiteral("Caf\u00e9 na\u00efve");
        QTest::newRow("Windows-1252 euro and quotes")
            << QByteArray("\x80 \x93x\x94 \x85") << QStringLiteral("\u20ac \u201cx\u201d \u2026");
        QTest::newRow("Windows-1252 last of the block") << QByteArray("\x9f") << QStringLiteral("\u0178");
        QTest::newRow("unassigned byte keeps its code") << QByteArray("\x81") << QStringLiteral("\u0081");
        QTest::newRow("cut UTF-8 sequence") << QByteArray("a\xc3") << QStringLiteral("a\u00c3");
        QTest::newRow("byte-order mark dropped") << QByteArray("\xef\xbb\xbfx") << QStringLiteral("x");
    }

    void decodeLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(::decodeLine(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "test_textdecoding.moc"
