#include "ui/calculator/frmPubCalc.h"

#include "components/ui/InterfaceTexts.h"
#include "core/Moment.h"
#include "platform/MessageBoxes.h"
#include "ui/calculator/UpDown.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/Program.h"
#include "ui/common/TwipsPlacing.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <limits>

namespace {

// The window hugs its outer frame with this margin on the right and at the bottom.
constexpr int marginTwips = 90;

QDate dateOf(const Moment& moment)
{
    return QDate(moment.year(), moment.month(), moment.day());
}

QTime timeOf(const Moment& moment)
{
    return QTime(moment.hour(), moment.minute(), moment.second());
}

} // namespace

frmPubCalc::frmPubCalc(Program& program, QWidget* parent)
    : QDialog(parent)
    , m_program(program)
    , m_model(program.settings(), QLocale())
{
    setObjectName(QStringLiteral("frmPubCalc"));
    setWindowTitle(QStringLiteral("Calculator"));
    // Its size follows the frame: nothing to minimize, maximize or drag.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    c = createCalcControls(this);
    connectControls();
    setUp();
}

frmPubCalc::~frmPubCalc() = default;

void frmPubCalc::connectControls()
{
    const auto span = [this] { calculate(u'E'); };
    const auto shift = [this] { calculate(u'D'); };
    for (int index = 0; index < 2; ++index) {
        connect(c.dtpDate[index], &QDateEdit::dateChanged, this, span);
        connect(c.dtpTime[index], &QTimeEdit::timeChanged, this, span);
    }
    connect(c.dtpBasedDate, &QDateEdit::dateChanged, this, shift);
    connect(c.dtpBasedTime, &QTimeEdit::timeChanged, this, shift);
    connect(c.optAdd, &QRadioButton::clicked, this, shift);
    connect(c.optSubtract, &QRadioButton::clicked, this, shift);
    connect(c.cbb, &QComboBox::currentIndexChanged, this, shift);
    connect(c.txtQty, &QLineEdit::textChanged, this, shift);
    connect(c.UpDown1, &UpDown::stepped, this, &frmPubCalc::stepQuantity);

    // The window sees every key first (Esc closes it from any control), and a result box
    // selects its whole text when the focus enters it.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void frmPubCalc::setUp()
{
    m_loading = true;
    m_program.interfaceTexts().applyControlTexts(this, m_program.filePath(QStringLiteral("tips.dll")));
    AccessibleNames::nameUnnamedControls(*this);
    const Moment now = m_program.now();
    for (QDateEdit* picker : { c.dtpDate[0], c.dtpDate[1], c.dtpBasedDate })
        picker->setDate(dateOf(now));
    for (QTimeEdit* picker : { c.dtpTime[0], c.dtpTime[1], c.dtpBasedTime })
        picker->setTime(timeOf(now));
    c.optAdd->setChecked(true);
    c.txtQty->setText(QStringLiteral("1"));
    c.cbb->setCurrentIndex(c.cbb->findData(QStringLiteral("Days")));
    m_loading = false;
    calculate(u'D');
    calculate(u'E');
    fitToFrame();
    c.dtpDate[0]->setFocus();
}

int frmPubCalc::openCalculator()
{
    setUp();
    return exec();
}

void frmPubCalc::calculate(QChar mode)
{
    if (m_loading)
        return;
    if (mode == u'E')
        calculateSpan();
    else if (mode == u'D')
        calculateShift();
}

void frmPubCalc::calculateSpan()
{
    const auto texts = m_model.span(
        { c.dtpDate[0]->date(), c.dtpTime[0]->time(), c.dtpDate[1]->date(), c.dtpTime[1]->time() });
    if (!texts)
        return;
    for (size_t unit = 0; unit < c.unitBoxes.size(); ++unit) {
        // A unit whose decimals setting is unusable keeps what it shows.
        if (texts->units[unit])
            c.unitBoxes[unit]->setText(*texts->units[unit]);
    }
    c.txtE->setText(texts->workdays);
    for (size_t day = 0; day < c.weekdayBoxes.size(); ++day)
        c.weekdayBoxes[day]->setText(texts->weekdays[day]);
}

void frmPubCalc::calculateShift()
{
    const ShiftOutcome outcome = m_model.shift({ c.dtpBasedDate->date(), c.dtpBasedTime->time(),
        c.optAdd->isChecked(), c.txtQty->text(), c.cbb->currentData().toString() });
    switch (outcome.status) {
    case ShiftOutcome::Status::Shifted:
        c.dtpResultDate->setDate(outcome.date);
        c.dtpResultTime->setTime(outcome.time);
        break;
    case ShiftOutcome::Status::OutOfRange:
        m_program.boxes().show(this, m_program.message(outcome.messageKey), MessageBoxes::Icon::Warning);
        break;
    case ShiftOutcome::Status::Unchanged:
        break;
    }
}

void frmPubCalc::stepQuantity(int delta)
{
    constexpr qint64 largest = std::numeric_limits<qint32>::max();
    const qint64 current = c.txtQty->text().toLongLong();
    // Up never lowers a quantity, not even one above the largest; down brings it into range.
    if (delta > 0 && current >= largest)
        return;
    const qint64 next = std::clamp<qint64>(current + delta, 0, largest);
    c.txtQty->setText(QString::number(next));
}

bool frmPubCalc::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
        // The arrow keys step the quantity, as its up-down control does.
        if (watched == c.txtQty && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            stepQuantity(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        for (QLineEdit* box : c.resultBoxes()) {
            // After the click that brought the focus has placed the cursor.
            if (watched == box)
                QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPubCalc::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitToFrame();
}

void frmPubCalc::fitToFrame()
{
    c.fra->adjustSize();
    c.fra->move(TwipsPlacing::across(*this, marginTwips), TwipsPlacing::down(*this, marginTwips));
    TwipsPlacing::fitAround(*this, c.fra->geometry(), marginTwips);
}
