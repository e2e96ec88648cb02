// The options dialog's values, checks and links, without any window: the settings record
// into values, the order and texts Save writes to a file on disk, the checks Save makes and
// their messages, what the number boxes let in, and the about box's addresses.
#include "components/ProfileFile.h"
#include "models/DigitsValidator.h"
#include "models/OptionsCheck.h"
#include "models/OptionsValues.h"
#include "stores/AboutInfo.h"
#include "stores/Settings.h"
#include "stores/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Settings defaults()
{
    Settings settings;
    for (int key = 0; key < settingCount; ++key) {
        if (const char* value = settingDefinition(SettingKey(key)).defaultValue)
            settings.setValue(SettingKey(key), QString::fromLatin1(value));
    }
    return settings;
}

OptionsValues validValues()
{
    OptionsValues values;
    loadOptions(values, defaults());
    return values;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestOptionsLogic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveKeepsKeysWrittenOutside();
    void workdayFlags_data();
    void workdayFlags();
    void emptyFontTextsShowTheDefaults();
    void colours_data();
    void colours();
    void numbersTakenUnchecked();
    void checks_data();
    void checks();
    void messages_data();
    void messages();
    void saveWritesEveryKeyInOrder();
    void saveToReadOnlyFileFails();
    void digitsOnly_data();
    void digitsOnly();
    void aboutAddresses_data();
    void aboutAddresses();
};

void TestOptionsLogic::workdayFlags_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("Y ticks") << u"Y"_s << false << true;
    QTest::newRow("N clears") << u"N"_s << true << false;
    QTest::newRow("lower y keeps a clear box") << u"y"_s << false << false;
    QTest::newRow("lower y keeps a ticked box") << u"y"_s << true << true;
    QTest::newRow("empty keeps") << QString() << true << true;
    QTest::newRow("Yes keeps") << u"Yes"_s << false << false;
}

void TestOptionsLogic::workdayFlags()
{
    QFETCH(QString, flag);
    QFETCH(bool, before);
    QFETCH(bool, after);
    Settings settings = defaults();
    settings.setValue(SettingKey::Wed, flag);
    OptionsValues values;
    values.workdays.fill(before);
    loadOptions(values, settings);
    QCOMPARE(values.workdays[3], after);
    // The others follow their own "Y"/"N".
    QCOMPARE(values.workdays[0], false);
    QCOMPARE(values.workdays[1], true);
    QCOMPARE(values.workdays[6], false);
}

void TestOptionsLogic::emptyFontTextsShowTheDefaults()
{
    Settings settings = defaults();
    settings.setValue(SettingKey::Name, QString());
    settings.setValue(SettingKey::Size, QString());
    OptionsValues values;
    loadOptions(values, settings);
    QCOMPARE(values.fontName, u"Tahoma"_s);
    QCOMPARE(values.fontSize, u"9"_s);
    settings.setValue(SettingKey::Name, u"DejaVu Serif"_s);
    settings.setValue(SettingKey::Size, u"abc"_s);
    loadOptions(values, settings);
    QCOMPARE(values.fontName, u"DejaVu Serif"_s);
    QCOMPARE(values.fontSize, u"abc"_s);
}

void TestOptionsLogic::colours_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("swatch");
    QTest::addColumn<qint32>("shown");
    const int back = int(SettingKey::Back);
    const int finished = int(SettingKey::Finished);
    QTest::newRow("rgb") << back << u"65280"_s << 0 << qint32(65280);
    QTest::newRow("system colour") << back << u"-2147483633"_s << 0 << qint32(-2147483633);
    QTest::newRow("empty back") << back << QString() << 0 << qint32(-2147483643);
    QTest::newRow("empty general") << int(SettingKey::General) << QString() << 1 << qint32(-2147483640);
    QTest::newRow("empty future") << int(SettingKey::Future) << QString() << 2 << qint32(16711680);
    QTest::newRow("empty paused") << int(SettingKey::Paused) << QString() << 3 << qint32(16711680);
    QTest::newRow("empty finished") << finished << QString() << 4 << qint32(255);
    QTest::newRow("not a number") << finished << u"red"_s << 4 << qint32(255);
    QTest::newRow("beyond 32 bits") << finished << u"4294967295"_s << 4 << qint32(255);
    QTest::newRow("blanks around") << finished << u" 128 "_s << 4 << qint32(128);
}

void TestOptionsLogic::colours()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, swatch);
    QFETCH(qint32, shown);
    Settings settings = defaults();
    settings.setValue(SettingKey(key), text);
    OptionsValues values;
    loadOptions(values, settings);
    QCOMPARE(values.colours[size_t(swatch)], shown);
}

void TestOptionsLogic::numbersTakenUnchecked()
{
    Settings settings = defaults();
    settings.setValue(SettingKey::Minute, u" x "_s);
    settings.setValue(SettingKey::Refresh, QString());
    OptionsValues values;
    loadOptions(values, settings);
    QCOMPARE(values.numbers[0], u"3"_s);
    QCOMPARE(values.numbers[5], u" x "_s);
    QCOMPARE(values.numbers[7], QString());
}

void TestOptionsLogic::checks_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("anyWorkday");
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("focus");
    const int none = int(OptionsProblem::None);
    const int scope = int(OptionsProblem::RefreshScope);
    QTest::newRow("defaults pass") << 0 << u"3"_s << true << none << -1;
    QTest::newRow("years empty") << 0 << QString() << true << int(OptionsProblem::EmptyPrecision) << 0;
    QTest::newRow("seconds blanks") << 6 << u"   "_s << true << int(OptionsProblem::EmptyPrecision) << 6;
    QTest::newRow("refresh empty") << 7 << QString() << true << int(OptionsProblem::EmptyRefresh) << 7;
    QTest::newRow("refresh 0") << 7 << u"0"_s << true << scope << 7;
    QTest::newRow("refresh 1") << 7 << u"1"_s << true << none << -1;
    QTest::newRow("refresh 65") << 7 << u"65"_s << true << none << -1;
    QTest::newRow("refresh 66") << 7 << u"66"_s << true << scope << 7;
    QTest::newRow("refresh 00065") << 7 << u"00065"_s << true << none << -1;
    QTest::newRow("refresh beyond 16 bits") << 7 << u"32768"_s << true << scope << 7;
    QTest::newRow("refresh beyond 64 bits") << 7 << u"99999999999999999999999"_s << true << scope << 7;
    QTest::newRow("refresh 65536 is not 0") << 7 << u"65536"_s << true << scope << 7;
    QTest::newRow("refresh not a number") << 7 << u"1x"_s << true << scope << 7;
    QTest::newRow("no workday") << 0 << u"3"_s << false << int(OptionsProblem::NoWorkday) << -1;
    QTest::newRow("empty box before no workday")
        << 2 << QString() << false << int(OptionsProblem::EmptyPrecision) << 2;
    QTest::newRow("scope before no workday") << 7 << u"99"_s << false << scope << 7;
}

void TestOptionsLogic::checks()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(bool, anyWorkday);
    QFETCH(int, problem);
    QFETCH(int, focus);
    OptionsValues values = validValues();
    values.numbers[size_t(box)] = text;
    if (!anyWorkday)
        values.workdays.fill(false);
    const OptionsCheck check = checkOptions(values);
    QCOMPARE(int(check.problem), problem);
    QCOMPARE(check.box, focus);
}

void TestOptionsLogic::messages_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("years") << int(OptionsProblem::EmptyPrecision) << 0 << u"<INPUT PREC> years."_s;
    QTest::newRow("minutes") << int(OptionsProblem::EmptyPrecision) << 5 << u"<INPUT PREC> minutes."_s;
    QTest::newRow("refresh") << int(OptionsProblem::EmptyRefresh) << 7 << u"<INPUT REFRE>"_s;
    QTest::newRow("scope") << int(OptionsProblem::RefreshScope) << 7 << u"<REFRE SCOPE>"_s;
    QTest::newRow("workday") << int(OptionsProblem::NoWorkday) << -1 << u"<WORKDAY>"_s;
}

void TestOptionsLogic::messages()
{
    QFETCH(int, problem);
    QFETCH(int, box);
    QFETCH(QString, text);
    const auto lookup = [](const QString& key) -> QString { return u'<' + key + u'>'; };
    QCOMPARE(optionsMessage({ OptionsProblem(problem), box }, lookup), text);
}

void TestOptionsLogic::saveWritesEveryKeyInOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"krn.dll"_s);
    QVERIFY(writeFile(path, QByteArray()));
    OptionsValues values = validValues();
    values.numbers = { u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"06"_s, u"65"_s };
    values.workdays = { true, false, true, false, true, false, true };
    values.fontName = u"DejaVu Sans"_s;
    values.fontSize = u"12"_s;
    values.colours = { 1, -2147483633, 16777215, 0, 255 };
    QString error;
    QVERIFY(saveOptions(values, SettingsFile(path), &error));
    QCOMPARE(error, QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines,
        QStringList({ u"[System]"_s, u"Year=0"_s, u"Month=1"_s, u"Week=2"_s, u"Day=3"_s, u"Hour=4"_s,
            u"Minute=5"_s, u"Second=06"_s, u"Refresh=65"_s, u"Sun=Y"_s, u"Mon=N"_s, u"Tues=Y"_s, u"Wed=N"_s,
            u"Thur=Y"_s, u"Fri=N"_s, u"Sat=Y"_s, u"[List]"_s, u"Name=DejaVu Sans"_s, u"Size=12"_s,
            u"Back=1"_s, u"General=-2147483633"_s, u"Future=16777215"_s, u"Paused=0"_s, u"Finished=255"_s }));
}

void TestOptionsLogic::saveKeepsKeysWrittenOutside()
{
    QTemporaryDir dir;
    const SettingsFile file(dir.filePath(u"krn.dll"_s));
    QVERIFY(file.writeDefaults());
    const Settings opened = file.read();
    OptionsValues values;
    loadOptions(values, opened);
    // While the dialog is open, another machine changes the refresh and adds a key of its own.
    QVERIFY(ProfileFile::writeTexts(
        file.path(), { { u"System"_s, u"Refresh"_s, u"9"_s }, { u"Sync"_s, u"Device"_s, u"B"_s } }));
    values.numbers[0] = u"5"_s; // the user changes only the years' decimals
    QVERIFY(saveOptions(values, file, nullptr, &opened));
    const Settings saved = file.read();
    QCOMPARE(saved.value(SettingKey::Year), u"5"_s);
    QCOMPARE(saved.value(SettingKey::Refresh), u"9"_s);
    QCOMPARE(ProfileFile::readText(file.path(), u"Sync"_s, u"Device"_s), u"B"_s);
}

void TestOptionsLogic::saveToReadOnlyFileFails()
{
    QTemporaryDir dir;
    const SettingsFile file(dir.filePath(u"krn.dll"_s));
    const QByteArray before = "[System]\nYear=1\n";
    QVERIFY(writeFile(file.path(), before));
    QVERIFY(QFile::setPermissions(file.path(), QFile::ReadOwner | QFile::ReadGroup));
    QString error;
    QVERIFY(!saveOptions(validValues(), file, &error));
    QVERIFY2(error.contains(u"read-only"_s), qPrintable(error));
    QFile::setPermissions(file.path(), QFile::ReadOwner | QFile::WriteOwner);
    QFile read(file.path());
    QVERIFY(read.open(QIODevice::ReadOnly));
    QCOMPARE(read.readAll(), before);
}

void TestOptionsLogic::digitsOnly_data()
{
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << 2 << QString() << true;
    QTest::newRow("one digit") << 2 << u"7"_s << true;
    QTest::newRow("two digits") << 2 << u"99"_s << true;
    QTest::newRow("three digits in a precision box") << 2 << u"100"_s << false;
    QTest::newRow("many digits in the refresh box") << 0 << u"123456"_s << true;
    QTest::newRow("letter") << 0 << u"1a"_s << false;
    QTest::newRow("minus") << 0 << u"-1"_s << false;
    QTest::newRow("plus") << 0 << u"+1"_s << false;
    QTest::newRow("decimal point") << 0 << u"1.5"_s << false;
    QTest::newRow("decimal comma") << 0 << u"1,5"_s << false;
    QTest::newRow("blank") << 0 << u"1 "_s << false;
    QTest::newRow("arabic-indic digit") << 0 << u"\u0663"_s << false;
    QTest::newRow("fullwidth digit") << 0 << u"\uFF11"_s << false;
}

void TestOptionsLogic::digitsOnly()
{
    QFETCH(int, maxDigits);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    const DigitsValidator validator(maxDigits);
    int position = int(text.size());
    QCOMPARE(validator.validate(text, position) == QValidator::Acceptable, accepted);
}

void TestOptionsLogic::aboutAddresses_data()
{
    QTest::addColumn<QByteArray>("links");
    QTest::addColumn<int>("link");
    QTest::addColumn<QString>("address");
    const QByteArray all
        = "[Links]\nWeb=https://w.example/\nMail= help@example.org \nPublisher=https://p.example\n";
    QTest::newRow("product page") << all << int(AboutInfo::Link::ProductPage) << u"https://w.example/"_s;
    QTest::newRow("publisher") << all << int(AboutInfo::Link::PublisherPage) << u"https://p.example"_s;
    QTest::newRow("mail") << all << int(AboutInfo::Link::SupportMail) << u"mailto:help@example.org"_s;
    QTest::newRow("no mail, no bare mailto")
        << QByteArray("[Links]\nMail=\n") << int(AboutInfo::Link::SupportMail) << QString();
    QTest::newRow("no section") << QByteArray("[Other]\nWeb=x\n") << int(AboutInfo::Link::ProductPage)
                                << QString();
}

void TestOptionsLogic::aboutAddresses()
{
    QFETCH(QByteArray, links);
    QFETCH(int, link);
    QFETCH(QString, address);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"tips.dll"_s), links));
    QCOMPARE(AboutInfo::address(dir.path(), AboutInfo::Link(link)), address);
}

QTEST_GUILESS_MAIN(TestOptionsLogic)
#include "test_options_logic.moc"
