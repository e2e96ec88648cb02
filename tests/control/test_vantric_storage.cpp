// The button's stored properties: defaults, a round trip, text values from form data, and the
// picture-size rule.
#include "ControlFactory.h"
#include "MemoryPropertyBag.h"
#include "Vantric.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Orvane;

class TestVantricStorage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factoryCreatesByProgId_data();
    void factoryCreatesByProgId();
    void newControlWritesEnabledAndOmitsDefaults();
    void bagWithoutEnabledGivesDisabledButton();
    void roundTripKeepsEveryProperty();
    void textValuesFromFormData_data();
    void textValuesFromFormData();
    void storedPictureSizeIsNotReapplied();
    void pictureSizeRule_data();
    void pictureSizeRule();
    void settersNotifyTheContainer();
};

namespace {

QPixmap solid(const QSize& size, const QColor& color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

} // namespace

void TestVantricStorage::factoryCreatesByProgId_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<bool>("created");
    QTest::newRow("exact") << "Orvane.Vantric" << true;
    QTest::newRow("other case") << "orvane.vantric" << true;
    QTest::newRow("unknown") << "Orvane.Other" << false;
}

void TestVantricStorage::factoryCreatesByProgId()
{
    QFETCH(QString, progId);
    QFETCH(bool, created);
    QWidget parent;
    QWidget* control = createControl(progId, &parent);
    QCOMPARE(qobject_cast<Vantric*>(control) != nullptr, created);
    if (control)
        QCOMPARE(control->parentWidget(), &parent);
}

void TestVantricStorage::newControlWritesEnabledAndOmitsDefaults()
{
    QWidget form;
    Vantric b(&form);
    b.setObjectName(QStringLiteral("sbtClose"));
    b.InitNew();
    QCOMPARE(b.Caption(), QStringLiteral("sbtClose"));
    MemoryPropertyBag bag;
    b.WriteProperties(bag);
    QCOMPARE(bag.names(), QStringList { QStringLiteral("Enabled") });
    QCOMPARE(bag.value(QStringLiteral("Enabled")), QVariant(true));
}

void TestVantricStorage::bagWithoutEnabledGivesDisabledButton()
{
    Vantric b;
    MemoryPropertyBag bag;
    bag.set(QStringLiteral("Caption"), QStringLiteral("OK"));
    b.ReadProperties(bag);
    QVERIFY(!b.Enabled());
    QCOMPARE(b.Caption(), QStringLiteral("OK"));
}

void TestVantricStorage::roundTripKeepsEveryProperty()
{
    QTemporaryDir dir;
    const QString iconPath = dir.filePath(QStringLiteral("go.png"));
    QVERIFY(solid(QSize(20, 12), Qt::red).save(iconPath));

    QWidget form;
    Vantric a(&form);
    a.setObjectName(QStringLiteral("sbt(1)"));
    a.InitNew();
    QFont font(QStringLiteral("DejaVu Serif"), 13);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    a.SetFont(font);
    a.SetMousePointer(11);
    a.SetMouseIcon(Picture::icon(solid(QSize(16, 16), Qt::green)));
    a.SetShowBorderOnFocus(false);
    a.SetShowFocusRect(true);
    a.SetRaised(true);
    a.SetBorderEdged(true);
    a.SetURL(QStringLiteral("mailto:a@example.org"));
    a.SetCaption(QStringLiteral("&Save && Close"));
    a.SetPicturePosition(gbBOTTOM);
    a.SetPictureSize(sizeCustom);
    a.SetPicture(Picture::fromFile(iconPath));
    a.SetPictureWidth(24);
    a.SetPictureHeight(18);
    a.SetPictureHover(Picture::bitmap(solid(QSize(7, 5), Qt::blue)));
    a.SetForeColor(rgbColor(1, 2, 3));
    a.SetBackColor(systemColor(5));
    a.SetEnabled(false);

    MemoryPropertyBag bag;
    a.WriteProperties(bag);
    Vantric b(&form);
    b.setObjectName(QStringLiteral("sbt(1)"));
    b.ReadProperties(bag);

    QCOMPARE(b.Enabled(), false);
    QCOMPARE(b.Font().family(), font.family());
    QCOMPARE(b.Font().pointSize(), 13);
    QVERIFY(b.Font().bold() && b.Font().italic() && b.Font().underline() && b.Font().strikeOut());
    QCOMPARE(b.font(), a.font());
    QCOMPARE(b.MousePointer(), 11);
    QCOMPARE(b.MouseIcon().naturalSize(), QSize(16, 16));
    QCOMPARE(b.MouseIcon().kind(), Picture::Kind::Icon);
    QCOMPARE(b.ShowBorderOnFocus(), false);
    QCOMPARE(b.ShowFocusRect(), true);
    QCOMPARE(b.Raised(), true);
    QCOMPARE(b.BorderEdged(), true);
    QCOMPARE(b.URL(), QStringLiteral("mailto:a@example.org"));
    QCOMPARE(b.Caption(), QStringLiteral("&Save && Close"));
    QCOMPARE(b.PicturePosition(), gbBOTTOM);
    QCOMPARE(b.PictureSize(), sizeCustom);
    QCOMPARE(b.Picture().source(), iconPath);
    QCOMPARE(b.Picture().naturalSize(), QSize(20, 12));
    QCOMPARE(b.PictureWidth(), 24);
    QCOMPARE(b.PictureHeight(), 18);
    QCOMPARE(b.PictureHover().naturalSize(), QSize(7, 5));
    QCOMPARE(b.PictureHover().pixmap().toImage().pixelColor(3, 3), QColor(Qt::blue));
    QCOMPARE(b.ForeColor(), rgbColor(1, 2, 3));
    QCOMPARE(b.BackColor(), systemColor(5));

    // Written again, the second button gives the same stored data.
    MemoryPropertyBag again;
    b.WriteProperties(again);
    QCOMPARE(again.names(), bag.names());
    for (const QString& name : bag.names())
        QCOMPARE(again.value(name), bag.value(name));
}

void TestVantricStorage::textValuesFromFormData_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("system colour as signed decimal") << "BackColor"
                                                     << "-2147483633"
                                                     << "BackColor" << QVariant(buttonFace);
    QTest::newRow("system colour as hex") << "ForeColor"
                                          << "0x80000012"
                                          << "ForeColor" << QVariant(buttonText);
    QTest::newRow("colour in form notation") << "BackColor"
                                             << "&H000000FF&"
                                             << "BackColor" << QVariant(rgbColor(255, 0, 0));
    QTest::newRow("enabled True") << "Enabled"
                                  << "True"
                                  << "Enabled" << QVariant(true);
    QTest::newRow("enabled -1") << "Enabled"
                                << "-1"
                                << "Enabled" << QVariant(true);
    QTest::newRow("enabled 0") << "Enabled"
                               << "0"
                               << "Enabled" << QVariant(false);
    QTest::newRow("raised false") << "Raised"
                                  << "False"
                                  << "Raised" << QVariant(false);
    QTest::newRow("position") << "PicturePosition"
                              << "2"
                              << "PicturePosition" << QVariant(int(gbRIGHT));
}

void TestVantricStorage::textValuesFromFormData()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    Vantric b;
    b.SetRaised(true);
    MemoryPropertyBag bag;
    bag.set(name, text);
    b.ReadProperties(bag);
    QVariant got = b.property(property.toLatin1().constData());
    if (property == QLatin1String("PicturePosition"))
        got = QVariant(int(b.PicturePosition()));
    QCOMPARE(got, expected);
}

void TestVantricStorage::storedPictureSizeIsNotReapplied()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.png"));
    QVERIFY(solid(QSize(20, 12), Qt::red).save(path));
    MemoryPropertyBag bag;
    bag.set(QStringLiteral("Picture"), path);
    bag.set(QStringLiteral("PictureSize"), QStringLiteral("2"));
    bag.set(QStringLiteral("PictureWidth"), QStringLiteral("50"));
    Vantric b;
    b.ReadProperties(bag);
    QCOMPARE(b.PictureSize(), sizeDefault);
    QCOMPARE(b.PictureWidth(), 50);
    QCOMPARE(b.PictureHeight(), 32);
}

void TestVantricStorage::pictureSizeRule_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("16x16") << 0 << true << QSize(16, 16);
    QTest::newRow("32x32") << 1 << true << QSize(32, 32);
    QTest::newRow("default, picture") << 2 << true << QSize(20, 12);
    QTest::newRow("default, no picture") << 2 << false << QSize(32, 32);
    QTest::newRow("custom keeps") << 3 << true << QSize(40, 9);
}

void TestVantricStorage::pictureSizeRule()
{
    QFETCH(int, size);
    QFETCH(bool, withPicture);
    QFETCH(QSize, expected);
    Vantric b;
    if (withPicture)
        b.SetPicture(Picture::bitmap(solid(QSize(20, 12), Qt::red)));
    b.SetPictureWidth(40);
    b.SetPictureHeight(9);
    b.SetPictureSize(static_cast<GB_PIC_SIZE>(size));
    QCOMPARE(QSize(b.PictureWidth(), b.PictureHeight()), expected);
    if (!withPicture && size == sizeDefault) {
        // A picture set afterwards brings its natural size.
        b.SetPicture(Picture::bitmap(solid(QSize(20, 12), Qt::red)));
        QCOMPARE(QSize(b.PictureWidth(), b.PictureHeight()), QSize(20, 12));
    }
}

void TestVantricStorage::settersNotifyTheContainer()
{
    Vantric b;
    QSignalSpy spy(&b, &Vantric::PropertyChanged);
    b.SetCaption(QStringLiteral("x"));
    b.SetRaised(true);
    b.SetBackColor(rgbColor(1, 1, 1));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Caption"));
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("Raised"));
    QCOMPARE(spy.at(2).at(0).toString(), QStringLiteral("BackColor"));
}

QTEST_MAIN(TestVantricStorage)
#include "test_vantric_storage.moc"
