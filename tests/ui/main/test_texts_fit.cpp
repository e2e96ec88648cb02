// Every window shows its texts whole: in English at the desktop's font and in German at a large
// one (CTest runs it again at scale 2, where the offscreen screen is 400 pixels square).
#include "CommandDriver.h"
#include "MainWindowFixture.h"
#include "Vantric.h"
#include "ui/common/ReportList.h"
#include "ui/main/frmPubMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int textWidth(const QFontMetrics& metrics, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::TextShowMnemonic, text).width();
}

// A control of the program's own placing; the status panels cut their texts with "…" by design.
bool isPlaced(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    if (widget.objectName().isEmpty() || widget.objectName().startsWith(u"qt_"_s) || !parent
        || qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
        return false;
    for (const QWidget* above = &widget; above; above = above->parentWidget()) {
        if (qobject_cast<const QStatusBar*>(above))
            return false;
    }
    return true;
}

// Why a control does not show its text whole, or empty.
QString faultOf(const QWidget& widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    const QRect room = widget.contentsRect();
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->text().isEmpty()) {
        if (label->wordWrap()
                ? label->heightForWidth(label->width()) > label->height()
                : textWidth(metrics, label->text()) > room.width() || metrics.height() > room.height())
            return u"label cut"_s;
    } else if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget)) {
        if (widget.width() < widget.sizeHint().width() || widget.height() < metrics.height())
            return u"caption cut"_s;
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        if (textWidth(metrics, group->title()) > room.width())
            return u"title cut"_s;
    } else if (const auto* button = qobject_cast<const Vantric*>(&widget);
               button && !button->Caption().isEmpty()) {
        const Orvane::FaceRect caption = button->captionRect();
        if (caption.height() > QFontMetrics(button->font()).height() || caption.left < 0
            || caption.right > button->width())
            return u"caption wrapped or cut"_s;
    }
    if (!widget.parentWidget()->rect().contains(widget.geometry()))
        return u"outside its parent"_s;
    return {};
}

QStringList faultsOf(QWidget& window)
{
    QStringList faults;
    const QRect screen = window.screen()->availableGeometry();
    if (window.frameGeometry().width() > screen.width() || window.frameGeometry().height() > screen.height())
        faults << u"larger than the screen"_s;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisibleTo(&window) && isPlaced(*widget)) {
            if (const QString fault = faultOf(*widget); !fault.isEmpty())
                faults << widget->objectName() + u": "_s + fault;
        }
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
    void initTestCase() { m_desktopFont = QApplication::font(); }
    void cleanup()
    {
        QApplication::setFont(m_desktopFont);
        QLocale::setDefault(QLocale::system());
    }

    void everyTextShowsWhole_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("german");
        const char* const windows[][2] = { { "main window", "" }, { "editor", "menen" },
            { "work time", "mentw" }, { "calculator", "mentc" }, { "options", "mento" },
            { "reminders", "mentr" }, { "about", "menha" } };
        for (const auto& [name, command] : windows) {
            QTest::addRow("%s, English", name) << QString::fromLatin1(command) << false;
            QTest::addRow("%s, German, 15 pt", name) << QString::fromLatin1(command) << true;
        }
    }
    void everyTextShowsWhole()
    {
        QFETCH(QString, command);
        QFETCH(bool, german);
        MainWindowFixture kronvel;
        if (german) {
            for (const QString name : { u"tips.dll"_s, u"menus.dll"_s, u"menutips.dll"_s }) {
                QFile shipped(u":/shipped-de/"_s + name);
                QVERIFY(shipped.open(QIODevice::ReadOnly));
                kronvel.writeFile(name, shipped.readAll());
            }
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            QFont large = m_desktopFont;
            large.setPointSize(15);
            QApplication::setFont(large);
        }
        QVERIFY(kronvel.start());
        frmPubMain& main = kronvel.window();
        QVERIFY(CommandDriver::activate(main));
        QStringList faults;
        bool walked = false;
        const auto walk = [&faults, &walked](QWidget* window) {
            faults = faultsOf(*window);
            walked = true;
            window->close();
        };
        // The menu entry opens the window, as a user's choice would.
        auto* entry = command.isEmpty() ? nullptr : main.findChild<QAction*>(command);
        if (!entry) {
            walk(&main);
        } else if (command == u"menha") {
            entry->trigger();
            auto* about = main.findChild<QWidget*>(u"frmPubAbout"_s);
            QTRY_VERIFY(about && about->isVisible());
            walk(about);
        } else {
            CommandDriver::whenModalShows(walk);
            entry->trigger();
        }
        QVERIFY(walked);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }

private:
    QFont m_desktopFont;
};

QTEST_MAIN(TestTextsFit)
#include "test_texts_fit.moc"
