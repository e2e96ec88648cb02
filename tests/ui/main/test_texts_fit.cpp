// Every window shows its texts whole: in English at the desktop's font and in German at a large
// one (CTest runs it again at scale 2, where the offscreen screen is 400 pixels square).
#include "CommandDriver.h"
#include "MainWindowFixture.h"
#include "Vantric.h"
#include "ui/common/ReportList.h"
#include "ui/main/frmPubMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Why a control of the program's own placing does not show its text whole, or empty; the
// status panels cut their texts with "…" by design.
QString faultOf(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    const auto* bar = widget.window()->findChild<const QStatusBar*>();
    if (widget.objectName().isEmpty() || widget.objectName().startsWith(u"qt_"_s)
        || qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())
        || (bar && bar->isAncestorOf(&widget)))
        return {};
    const QFontMetrics metrics = widget.fontMetrics();
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const auto* option = qobject_cast<const QAbstractButton*>(&widget); // check and option buttons
    const auto* button = qobject_cast<const Vantric*>(&widget);
    if (label && !label->text().isEmpty()
        && (label->wordWrap()
                ? label->heightForWidth(label->width()) > label->height()
                : metrics.boundingRect(QRect(0, 0, 1 << 20, 99), Qt::TextShowMnemonic, label->text()).width()
                        > label->contentsRect().width()
                    || metrics.height() > label->contentsRect().height()))
        return u"label cut"_s;
    if (option && !option->text().isEmpty()
        && (widget.width() < widget.sizeHint().width() || widget.height() < metrics.height()))
        return u"caption cut"_s;
    if (button && !button->Caption().isEmpty()
        && (button->captionRect().height() > QFontMetrics(button->font()).height()
            || button->captionRect().left < 0 || button->captionRect().right > button->width()))
        return u"caption wrapped or cut"_s;
    return parent->rect().contains(widget.geometry()) ? QString() : u"outside its parent"_s;
}

QStringList faultsOf(QWidget& window)
{
    QStringList faults;
    const QSize screen = window.screen()->availableGeometry().size();
    if (window.frameGeometry().width() > screen.width() || window.frameGeometry().height() > screen.height())
        faults << u"larger than the screen"_s;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString fault = widget->isVisibleTo(&window) ? faultOf(*widget) : QString();
        if (!fault.isEmpty())
            faults << widget->objectName() + u": "_s + fault;
    }
    // Every header whole, and every cell after the names.
    for (const ReportList* list : window.findChildren<ReportList*>()) {
        for (int column = 0; column < list->model()->columnCount(); ++column) {
            int needed = list->header()->sectionSizeHint(column);
            for (int row = 0; column > 0 && row < list->model()->rowCount(); ++row)
                needed = std::max(needed, list->sizeHintForIndex(list->model()->index(row, column)).width());
            if (list->columnWidth(column) < needed)
                faults << list->objectName() + u": column "_s + QString::number(column) + u" cut"_s;
        }
    }
    return faults;
}

} // namespace

class TestTextsFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        QApplication::setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
        QLocale::setDefault(QLocale::system());
    }

    void everyTextShowsWhole_data()
    {
        QTest::addColumn<QString>("command"); // the menu entry that opens the window
        QTest::addColumn<bool>("german");
        for (const char* command : { "", "menen", "mentw", "mentc", "mento", "mentr", "menha" }) {
            QTest::addRow("%s, English", *command ? command : "main")
                << QString::fromLatin1(command) << false;
            QTest::addRow("%s, German, 15 pt", *command ? command : "main")
                << QString::fromLatin1(command) << true;
        }
    }
    void everyTextShowsWhole()
    {
        QFETCH(QString, command);
        QFETCH(bool, german);
        MainWindowFixture kronvel;
        if (german) {
            for (const QString name : { u"tips.dll"_s, u"menus.dll"_s, u"menutips.dll"_s })
                QVERIFY(QFile::copy(u":/shipped-de/"_s + name, kronvel.path(name)));
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            QApplication::setFont(QFont(QApplication::font().family(), 15));
        }
        QVERIFY(kronvel.start());
        frmPubMain& main = kronvel.window();
        QVERIFY(CommandDriver::activate(main));
        QStringList faults { u"never shown"_s };
        const auto walk = [&faults](QWidget* window) {
            faults = faultsOf(*window);
            window->close();
        };
        // Opened as a user opens it; the about box is modeless.
        auto* entry = command.isEmpty() ? nullptr : main.findChild<QAction*>(command);
        if (entry && command != u"menha") {
            CommandDriver::whenModalShows(walk);
            entry->trigger();
        } else {
            if (entry)
                entry->trigger();
            walk(entry ? main.findChild<QWidget*>(u"frmPubAbout"_s) : &main);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
};

QTEST_MAIN(TestTextsFit)
#include "test_texts_fit.moc"
