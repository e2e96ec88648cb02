// Building a window's buttons from its form data.
#include "FormLoader.h"
#include "Vantric.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTest>

class TestFormLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsNamesAndPlacesEachButton();
    void storedProperties_data();
    void storedProperties();
    void skipsUnknownControlsAndKeepsGoing();
    void missingFileIsAProblem();
};

namespace {

FormLoader::Result loadText(const QByteArray& text, QWidget* window)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return FormLoader::load(buffer, window);
}

const QByteArray form = R"(; frmPubDetail
[sbt(0)]
Class=Orvane.Vantric
Left=120
Top=2760
Width=1215
Height=375
Default=True
Caption=&Save && Close
Enabled=True
Raised=-1
BackColor=-2147483633

[sbt(1)]
Left=1440
Top=2760
Width=1440
Height=375
Cancel=True
Enabled=True
URL=mailto:someone@example.org

[sbt(2)]
Left=2880
Top=2760
Width=1215
Height=375
Caption=Help
caption=Ignored, the first key wins
)";

} // namespace

void TestFormLoader::createsNamesAndPlacesEachButton()
{
    QWidget window;
    const FormLoader::Result result = loadText(form, &window);
    QVERIFY(result.problems.isEmpty());
    QCOMPARE(result.controls.size(), 3);
    const double dpi = window.logicalDpiX();
    const auto px = [dpi](int twips) { return qRound(twips * dpi / 1440.0); };
    auto* save = window.findChild<Vantric*>(QStringLiteral("sbt(0)"));
    QVERIFY(save);
    QCOMPARE(result.controls.at(0), save);
    QCOMPARE(save->geometry(), QRect(px(120), px(2760), px(1215), px(375)));
    auto* cancel = window.findChild<Vantric*>(QStringLiteral("sbt(1)"));
    QVERIFY(cancel);
    QCOMPARE(cancel->geometry(), QRect(px(1440), px(2760), px(1440), px(375)));
    QVERIFY(save->Default());
    QVERIFY(!save->Cancel());
    QVERIFY(cancel->Cancel());
}

void TestFormLoader::storedProperties_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("caption with ampersands") << "sbt(0)"
                                             << "Caption" << QVariant(QStringLiteral("&Save && Close"));
    QTest::newRow("raised") << "sbt(0)"
                            << "Raised" << QVariant(true);
    QTest::newRow("enabled") << "sbt(0)"
                             << "Enabled" << QVariant(true);
    QTest::newRow("caption from the name") << "sbt(1)"
                                           << "Caption" << QVariant(QStringLiteral("sbt(1)"));
    QTest::newRow("url") << "sbt(1)"
                         << "URL" << QVariant(QStringLiteral("mailto:someone@example.org"));
    QTest::newRow("first key wins") << "sbt(2)"
                                    << "Caption" << QVariant(QStringLiteral("Help"));
    QTest::newRow("no Enabled entry: disabled") << "sbt(2)"
                                                << "Enabled" << QVariant(false);
}

void TestFormLoader::storedProperties()
{
    QFETCH(QString, control);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    QWidget window;
    loadText(form, &window);
    auto* button = window.findChild<Vantric*>(control);
    QVERIFY(button);
    QCOMPARE(button->property(property.toLatin1().constData()), expected);
}

void TestFormLoader::skipsUnknownControlsAndKeepsGoing()
{
    QWidget window;
    const FormLoader::Result result = loadText("[txt]\nClass=Orvane.TextBox\n[sbt]\nEnabled=True\n", &window);
    QCOMPARE(result.controls.size(), 1);
    QCOMPARE(result.controls.at(0)->objectName(), QStringLiteral("sbt"));
    QCOMPARE(result.problems.size(), 1);
    QVERIFY(result.problems.at(0).startsWith(QStringLiteral("txt")));
}

void TestFormLoader::missingFileIsAProblem()
{
    QWidget window;
    const FormLoader::Result result
        = FormLoader::load(QStringLiteral("/nonexistent/frmPubNone.ini"), &window);
    QVERIFY(result.controls.isEmpty());
    QCOMPARE(result.problems.size(), 1);
}

QTEST_MAIN(TestFormLoader)
#include "test_form_loader.moc"
