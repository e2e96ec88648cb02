#include "components/ui/InterfaceTexts.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Stands in for the Vantric button: a widget whose caption is its own Caption property.
class CaptionedButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    using QWidget::QWidget;
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }

private:
    QString m_caption;
};

// A window shaped like the program's: menus, toolbar, buttons, lists.
struct Window
{
    QMainWindow window;
    QMenu* mene = nullptr;
    QAction* menen = nullptr;
    QAction* tlb1 = nullptr;
    CaptionedButton* sbt0 = nullptr;
    QPushButton* cmd = nullptr;
    QLabel* lbl = nullptr;
    QLineEdit* txt = nullptr;
    QTreeWidget* lsv = nullptr;
    QStandardItemModel model { 0, 3 };
    QWidget* lsw = nullptr;

    Window()
    {
        window.setObjectName(QStringLiteral("frmPubMain"));
        mene = window.menuBar()->addMenu(QStringLiteral("mene"));
        mene->setObjectName(QStringLiteral("mene"));
        menen = mene->addAction(QStringLiteral("menen"));
        menen->setObjectName(QStringLiteral("menen"));
        tlb1 = window.addToolBar(QStringLiteral("tlb"))->addAction(QStringLiteral("tlb1"));
        tlb1->setObjectName(QStringLiteral("tlb(1)"));

        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        sbt0 = new CaptionedButton;
        sbt0->setObjectName(QStringLiteral("sbt(0)"));
        cmd = new QPushButton;
        cmd->setObjectName(QStringLiteral("cmd"));
        lbl = new QLabel;
        lbl->setObjectName(QStringLiteral("lbl"));
        txt = new QLineEdit;
        txt->setObjectName(QStringLiteral("txt"));
        lsv = new QTreeWidget;
        lsv->setObjectName(QStringLiteral("lsv"));
        lsv->setColumnCount(3);
        // A list inside a thin wrapper, as the program's report lists are.
        lsw = new QWidget;
        lsw->setObjectName(QStringLiteral("lsw"));
        auto* view = new QTreeView(lsw);
        view->setModel(&model);
        for (QWidget* widget : { static_cast<QWidget*>(sbt0), static_cast<QWidget*>(cmd),
                 static_cast<QWidget*>(lbl), static_cast<QWidget*>(txt), static_cast<QWidget*>(lsv), lsw })
            layout->addWidget(widget);
        window.setCentralWidget(central);
    }
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

class TestInterfaceTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void applyControlTexts()
    {
        QTemporaryDir dir;
        const QString tips = writeFile(dir, QStringLiteral("tips.dll"),
            "[Message & Text]\r\nNEED EVENT=Give the event a name.\r\n"
            "[frmPubMain]\r\n"
            "Caption=Kronvel\r\n"
            "sbt(0).Caption=&Save && Close\r\n"
            "sbt(0).ToolTipText=Saves the event\r\n"
            "cmd.Caption=Cancel\r\n"
            "lbl.Caption=Caf\xe9\r\n"
            "txt.Text=typed\r\n"
            "tlb(1).ToolTipText=New event\r\n"
            "lsv.ColumnHeader(1).Text=Name\r\n"
            "lsv.ColumnHeader(3).Text=Years\r\n"
            "lsw.ColumnHeader(2).Text=Date\r\n"
            "nothing.Caption=skipped\r\n"
            "cmd.Caption=second is ignored\r\n"
            "[frmPubDetail]\r\n"
            "cmd.Caption=other window\r\n");
        Window w;
        QVERIFY(InterfaceTexts().applyControlTexts(&w.window, tips));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Kronvel"));
        QCOMPARE(w.sbt0->caption(), QStringLiteral("&Save && Close"));
        QCOMPARE(w.sbt0->toolTip(), QStringLiteral("Saves the event"));
        QCOMPARE(w.cmd->text(), QStringLiteral("Cancel"));
        QCOMPARE(w.lbl->text(), QStringLiteral("Caf\u00e9"));
        QCOMPARE(w.txt->text(), QStringLiteral("typed"));
        QCOMPARE(w.tlb1->toolTip(), QStringLiteral("New event"));
        QCOMPARE(w.lsv->headerItem()->text(0), QStringLiteral("Name"));
        QCOMPARE(w.lsv->headerItem()->text(2), QStringLiteral("Years"));
        QCOMPARE(w.model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Date"));
    }

    void applyMenuTexts()
    {
        QTemporaryDir dir;
        const QString menus = writeFile(dir, QStringLiteral("menus.dll"),
            "[frmPubMain]\nmene=&Event\nmenen=&New...\n[frmPubWorkTime]\nmene=&Work\n");
        Window w;
        QVERIFY(InterfaceTexts().applyMenuTexts(&w.window, menus));
        QCOMPARE(w.mene->title(), QStringLiteral("&Event"));
        QCOMPARE(w.mene->menuAction()->text(), QStringLiteral("&Event"));
        QCOMPARE(w.menen->text(), QStringLiteral("&New..."));
    }

    void missingFileChangesNothing()
    {
        QTemporaryDir dir;
        Window w;
        QVERIFY(!InterfaceTexts().applyControlTexts(&w.window, dir.filePath(QStringLiteral("tips.dll"))));
        QVERIFY(!InterfaceTexts().applyMenuTexts(&w.window, dir.filePath(QStringLiteral("menus.dll"))));
        QCOMPARE(w.cmd->text(), QString());
        QCOMPARE(w.mene->title(), QStringLiteral("mene"));
    }

    void isInList_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("found");
        QTest::newRow("equal entry") << QStringLiteral("Started") << true;
        QTest::newRow("other case") << QStringLiteral("started") << false;
        QTest::newRow("part of an entry") << QStringLiteral("Start") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void isInList()
    {
        QFETCH(QString, value);
        QFETCH(bool, found);
        const QStringList list { QStringLiteral("Started"), QStringLiteral("Paused") };
        QCOMPARE(InterfaceTexts::isInList(value, list), found);
    }
};

QTEST_MAIN(TestInterfaceTexts)
#include "test_interfacetexts.moc"
