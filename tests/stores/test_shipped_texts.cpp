#include "components/ProfileFile.h"
#include "stores/MessageTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString shipped = QStringLiteral(KRN_SHIPPED_DIR);

// The keys of one section of a shipped INI file, in file order.
QStringList keysOf(const QString& fileName, const QString& section)
{
    QFile file(shipped + u'/' + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    bool inSection = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'['))
            inSection = line.compare(u'[' + section + u']', Qt::CaseInsensitive) == 0;
        else if (inSection && line.contains(u'=') && !line.startsWith(u';'))
            keys << line.left(line.indexOf(u'=')).trimmed();
    }
    return keys;
}

} // namespace

class TestShippedTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyMessageKeyHasAText_data()
    {
        QTest::addColumn<QString>("key");
        const char* keys[] = { "BASE AT END", "CLEAR EVENT", "CLEAR WORK", "DAY OUT", "DEL EVENT PROMPT",
            "DEL WORK PROMPT", "EVENT EXIST", "FIND", "FUTURE TIME", "HOUR OUT", "INPUT NAME A",
            "INPUT NAME B", "INPUT PREC", "INPUT REFRE", "INPUT WORK", "MIN OUT", "MONTH OUT", "NEED EVENT",
            "NEW WORK", "NO EVENT CLS", "NO EVENT DEL", "NO EVENT MODIFY", "NO WORK", "PAST TIME", "QTY BIG",
            "REFRE SCOPE", "SECOND OUT", "WEEK OUT", "WORKDAY", "YEAR OUT" };
        for (const char* key : keys)
            QTest::newRow(key) << QString::fromLatin1(key);
    }
    void everyMessageKeyHasAText()
    {
        QFETCH(QString, key);
        QVERIFY(!messageText(shipped, key).isEmpty());
    }

    void everyMenuEntryHasATip()
    {
        const QString menus = shipped + u"/menus.dll"_s;
        const QString tips = shipped + u"/menutips.dll"_s;
        const QStringList entries = keysOf(u"menus.dll"_s, u"frmPubMain"_s);
        QVERIFY(entries.size() >= 30);
        for (const QString& entry : entries) {
            const QString caption = ProfileFile::readText(menus, u"frmPubMain"_s, entry);
            QVERIFY2(!caption.isEmpty(), qPrintable(entry));
            // Menus that only open a submenu show no tip.
            const bool opensMenu
                = QRegularExpression(u"^men[a-z]$"_s).match(entry).hasMatch() || entry == u"mendo"_s;
            if (!opensMenu)
                QVERIFY2(
                    !ProfileFile::readText(tips, u"frmPubMain"_s, caption).isEmpty(), qPrintable(caption));
        }
    }

    void captionsAreUniqueSoTipsCanBeFound()
    {
        const QString menus = shipped + u"/menus.dll"_s;
        QStringList captions;
        for (const QString& entry : keysOf(u"menus.dll"_s, u"frmPubMain"_s))
            captions << ProfileFile::readText(menus, u"frmPubMain"_s, entry).toLower();
        captions.removeDuplicates();
        QCOMPARE(captions.size(), keysOf(u"menus.dll"_s, u"frmPubMain"_s).size());
    }
};

QTEST_GUILESS_MAIN(TestShippedTexts)
#include "test_shipped_texts.moc"
