#include "components/ProfileFile.h"
#include "stores/MessageTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString english = QStringLiteral(KRN_SHIPPED_DIR);
const QString german = english + u"/de"_s;

// The keys of one section of a shipped INI file, in file order; with no section, every
// section's keys, each after its section's name.
QStringList keysOf(const QString& set, const QString& fileName, const QString& section = {})
{
    QFile file(set + u'/' + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    QString current;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'['))
            current = line;
        else if (line.contains(u'=') && !line.startsWith(u';') && section.isEmpty())
            keys << current + line.left(line.indexOf(u'=')).trimmed();
        else if (line.contains(u'=') && !line.startsWith(u';')
            && current.compare(u'[' + section + u']', Qt::CaseInsensitive) == 0)
            keys << line.left(line.indexOf(u'=')).trimmed();
    }
    return keys;
}

void addSets()
{
    QTest::addColumn<QString>("shipped");
    QTest::newRow("English") << english;
    QTest::newRow("German") << german;
}

} // namespace

class TestShippedTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyMessageKeyHasAText_data()
    {
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QString>("key");
        const char* keys[] = { "BASE AT END", "CLEAR EVENT", "CLEAR WORK", "DAY OUT", "DEL EVENT PROMPT",
            "DEL WORK PROMPT", "EVENT EXIST", "FIND", "FUTURE TIME", "HOUR OUT", "INPUT NAME A",
            "INPUT NAME B", "INPUT PREC", "INPUT REFRE", "INPUT WORK", "MIN OUT", "MONTH OUT", "NEED EVENT",
            "NEW WORK", "NO EVENT CLS", "NO EVENT DEL", "NO EVENT MODIFY", "NO WORK", "PAST TIME", "QTY BIG",
            "REFRE SCOPE", "SECOND OUT", "WEEK OUT", "WORKDAY", "YEAR OUT" };
        for (const char* key : keys) {
            QTest::addRow("en %s", key) << english << QString::fromLatin1(key);
            QTest::addRow("de %s", key) << german << QString::fromLatin1(key);
        }
    }
    void everyMessageKeyHasAText()
    {
        QFETCH(QString, shipped);
        QFETCH(QString, key);
        QVERIFY(!messageText(shipped, key).isEmpty());
    }

    void everyMenuEntryHasATip_data() { addSets(); }
    void everyMenuEntryHasATip()
    {
        QFETCH(QString, shipped);
        const QString menus = shipped + u"/menus.dll"_s;
        const QString tips = shipped + u"/menutips.dll"_s;
        const QStringList entries = keysOf(shipped, u"menus.dll"_s, u"frmPubMain"_s);
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

    void captionsAreUniqueSoTipsCanBeFound_data() { addSets(); }
    void captionsAreUniqueSoTipsCanBeFound()
    {
        QFETCH(QString, shipped);
        const QString menus = shipped + u"/menus.dll"_s;
        QStringList captions;
        for (const QString& entry : keysOf(shipped, u"menus.dll"_s, u"frmPubMain"_s))
            captions << ProfileFile::readText(menus, u"frmPubMain"_s, entry).toLower();
        captions.removeDuplicates();
        QCOMPARE(captions.size(), keysOf(shipped, u"menus.dll"_s, u"frmPubMain"_s).size());
    }

    // The German set is complete: every text of the English set has its German one.
    void germanSetHasEveryKey_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("tips") << u"tips.dll"_s;
        QTest::newRow("menus") << u"menus.dll"_s;
    }
    void germanSetHasEveryKey()
    {
        QFETCH(QString, file);
        const QStringList keys = keysOf(english, file);
        QVERIFY(keys.size() > 60);
        QCOMPARE(keysOf(german, file), keys);
    }
};

QTEST_GUILESS_MAIN(TestShippedTexts)
#include "test_shipped_texts.moc"
