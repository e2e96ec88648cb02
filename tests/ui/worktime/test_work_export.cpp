#include "tests/ui/worktime/WorkTimeFixture.h"
#include "ui/worktime/frmPubWorkTime.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Three works of the week of Monday 2024/04/29; the clock stands at Wednesday 10:00.
const QStringList works = {
    u"Write\tFinished\t2024/04/29 09:00:00\t2024/04/29 10:00:00\t0\t-\t3600"_s,
    u"Read, then sum up\tPaused\t2024/04/30 08:00:00\t-\t0\t2024/04/30 08:30:00\t1800"_s,
    u"Plan\tStarted\t2024/05/01 09:00:00\t-\t600\t-\t0"_s, // 3,000 seconds by now
};

} // namespace

class TestWorkExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportsTheWorksOrTheirReport_data()
    {
        QTest::addColumn<Qt::Key>("entry");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("works")
            << Qt::Key_W << u"works.csv"_s << u"Export Works"_s
            << "name,status,began,finished,pausedSeconds,pausedAt,usedSeconds,years,months,weeks,"
               "days,hours,minutes,seconds\r\n"
               "Write,Finished,2024-04-29T09:00:00,2024-04-29T10:00:00,0,,3600,0.000,0.001,0.01,"
               "0.04,1.00,60.0,3600\r\n"
               "\"Read, then sum up\",Paused,2024-04-30T08:00:00,,0,2024-04-30T08:30:00,1800,0.000,"
               "0.001,0.00,0.02,0.50,30.0,1800\r\n"
               "Plan,Started,2024-05-01T09:00:00,,600,,3000,0.000,0.001,0.00,0.03,0.83,50.0,3000\r\n"_ba;
        QTest::newRow("days")
            << Qt::Key_D << u"days.json"_s << u"Export Report"_s
            << "[\n  {\"period\": \"2024-04-29\", \"works\": 1, \"seconds\": 3600, \"hours\": 1.00},\n"
               "  {\"period\": \"2024-04-30\", \"works\": 1, \"seconds\": 1800, \"hours\": 0.50},\n"
               "  {\"period\": \"2024-05-01\", \"works\": 1, \"seconds\": 3000, \"hours\": 0.83}\n]\n"_ba;
        QTest::newRow("weeks") << Qt::Key_E << u"weeks"_s << u"Export Report"_s
                               << "period,works,seconds,hours\r\n2024-04-29,3,8400,2.33\r\n"_ba;
        QTest::newRow("months")
            << Qt::Key_M << u"months.csv"_s << u"Export Report"_s
            << "period,works,seconds,hours\r\n2024-04,2,5400,1.50\r\n2024-05,1,3000,0.83\r\n"_ba;
    }
    void exportsTheWorksOrTheirReport()
    {
        QFETCH(Qt::Key, entry);
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QByteArray, contents);
        WorkTimeFixture f(works);
        f.open();
        f.desktop.queueSaveResult(f.dir.filePath(file));
        // Work menu, Export submenu, then the entry: each by its access key.
        for (const auto& [key, modifier] :
            { std::pair { Qt::Key_W, Qt::AltModifier }, { Qt::Key_E, Qt::NoModifier } }) {
            QWidget* before = QApplication::activePopupWidget();
            QTest::keyClick(before ? before : f.window.get(), key, modifier);
            QTRY_VERIFY(QApplication::activePopupWidget() && QApplication::activePopupWidget() != before);
        }
        QTest::keyClick(QApplication::activePopupWidget(), entry);
        QCOMPARE(f.desktop.lastTitle(), title);
        QCOMPARE(f.desktop.lastFilter(), u"CSV Files (*.csv);;JSON Files (*.json)"_s);
        QFile written(f.dir.filePath(file));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), contents);
    }
};

QTEST_MAIN(TestWorkExport)
#include "test_work_export.moc"
