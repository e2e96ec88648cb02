#include "ui/calculator/CalcControls.h"

#include "models/CalcViewModel.h"
#include "ui/calculator/UpDown.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimeEdit>

namespace {

template <typename Control> Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

QLabel* label(QWidget* parent, const QString& name, QWidget* buddy)
{
    auto* text = named(new QLabel(parent), name);
    text->setBuddy(buddy);
    return text;
}

QDateEdit* datePicker(QWidget* parent, const QString& name)
{
    auto* picker = named(new QDateEdit(parent), name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    // Room for the whole date beside the calendar arrow, whatever the layout offers.
    picker->setMinimumWidth(picker->fontMetrics().horizontalAdvance(QStringLiteral("8888/88/88")) + 40);
    return picker;
}

QTimeEdit* timePicker(QWidget* parent, const QString& name)
{
    auto* picker = named(new QTimeEdit(parent), name);
    picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return picker;
}

QLineEdit* resultBox(QWidget* parent, const QString& name, int minimumWidth)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMinimumWidth(minimumWidth);
    return box;
}

// Begin and End, each a date and a time picker.
void addSpanInputs(CalcControls& c, QGridLayout* grid)
{
    for (int index = 0; index < 2; ++index) {
        const QString suffix = u'(' % QString::number(index) % u')';
        c.dtpDate[index] = datePicker(c.fra, u"dtpDate" % suffix);
        c.dtpTime[index] = timePicker(c.fra, u"dtpTime" % suffix);
        grid->addWidget(label(c.fra, index == 0 ? QStringLiteral("lblBegin") : QStringLiteral("lblEnd"),
                            c.dtpDate[index]),
            index, 0);
        grid->addWidget(c.dtpDate[index], index, 1);
        grid->addWidget(c.dtpTime[index], index, 2);
    }
    grid->setColumnStretch(3, 1);
}

QGroupBox* createResultFrame(CalcControls& c)
{
    auto* frame = named(new QGroupBox(c.fra), QStringLiteral("fraResult"));
    auto* grid = new QGridLayout(frame);
    static const char* const units[] = { "Y", "M", "W", "D", "H", "I", "S", "E" };
    for (int row = 0; row < 8; ++row) {
        const QString letter = QLatin1String(units[row]);
        QLineEdit* box = resultBox(frame, u"txt" % letter, 130);
        if (row < 7)
            c.unitBoxes[size_t(row)] = box;
        else
            c.txtE = box;
        grid->addWidget(label(frame, u"lbl" % letter, box), row, 0);
        grid->addWidget(box, row, 1);
    }
    static const char* const days[] = { "Sun", "Mon", "Tues", "Wed", "Thur", "Fri", "Sat" };
    for (int row = 0; row < 7; ++row) {
        const QString day = QLatin1String(days[row]);
        c.weekdayBoxes[size_t(row)] = resultBox(frame, u"txt" % day, 70);
        grid->addWidget(label(frame, u"lbl" % day, c.weekdayBoxes[size_t(row)]), row, 3);
        grid->addWidget(c.weekdayBoxes[size_t(row)], row, 4);
    }
    grid->setColumnMinimumWidth(2, 12);
    return frame;
}

QGroupBox* createShiftFrame(CalcControls& c)
{
    auto* frame = named(new QGroupBox(c.fra), QStringLiteral("fraDate"));
    auto* grid = new QGridLayout(frame);
    c.dtpBasedDate = datePicker(frame, QStringLiteral("dtpBasedDate"));
    c.dtpBasedTime = timePicker(frame, QStringLiteral("dtpBasedTime"));
    grid->addWidget(label(frame, QStringLiteral("lblBased"), c.dtpBasedDate), 0, 0);
    grid->addWidget(c.dtpBasedDate, 0, 1);
    grid->addWidget(c.dtpBasedTime, 0, 2);

    c.optAdd = named(new QRadioButton(frame), QStringLiteral("optAdd"));
    c.optSubtract = named(new QRadioButton(frame), QStringLiteral("optSubtract"));
    c.optAdd->setChecked(true);
    grid->addWidget(c.optAdd, 1, 1);
    grid->addWidget(c.optSubtract, 1, 2);

    auto* quantity = new QHBoxLayout;
    quantity->setSpacing(0);
    c.txtQty = named(new QLineEdit(frame), QStringLiteral("txtQty"));
    // Digits only: a letter or a minus sign typed or pasted is discarded.
    c.txtQty->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c.txtQty));
    c.txtQty->setMaxLength(10);
    c.txtQty->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.UpDown1 = named(new UpDown(frame), QStringLiteral("UpDown1"));
    c.UpDown1->setFixedSize(16, c.txtQty->sizeHint().height());
    quantity->addWidget(c.txtQty);
    quantity->addWidget(c.UpDown1);
    grid->addLayout(quantity, 2, 1);
    c.cbb = named(new QComboBox(frame), QStringLiteral("cbb"));
    // Each item carries the unit's own name; tips.dll gives the texts shown.
    for (const QString& unit : CalcViewModel::unitNames())
        c.cbb->addItem(unit, unit);
    grid->addWidget(c.cbb, 2, 2);

    c.dtpResultDate = datePicker(frame, QStringLiteral("dtpResultDate"));
    c.dtpResultTime = timePicker(frame, QStringLiteral("dtpResultTime"));
    // The result is computed, never typed.
    c.dtpResultDate->setCalendarPopup(false);
    for (QAbstractSpinBox* picker : { static_cast<QAbstractSpinBox*>(c.dtpResultDate),
             static_cast<QAbstractSpinBox*>(c.dtpResultTime) }) {
        picker->setReadOnly(true);
        picker->setButtonSymbols(QAbstractSpinBox::NoButtons);
    }
    grid->addWidget(label(frame, QStringLiteral("lblResult"), c.dtpResultDate), 3, 0);
    grid->addWidget(c.dtpResultDate, 3, 1);
    grid->addWidget(c.dtpResultTime, 3, 2);
    grid->setRowStretch(4, 1);
    return frame;
}

} // namespace

std::array<QLineEdit*, 15> CalcControls::resultBoxes() const
{
    std::array<QLineEdit*, 15> boxes {};
    std::copy(unitBoxes.begin(), unitBoxes.end(), boxes.begin());
    boxes[7] = txtE;
    std::copy(weekdayBoxes.begin(), weekdayBoxes.end(), boxes.begin() + 8);
    return boxes;
}

CalcControls createCalcControls(QWidget* window)
{
    CalcControls c;
    c.fra = named(new QGroupBox(window), QStringLiteral("fra"));
    auto* outer = new QGridLayout(c.fra);
    auto* span = new QGridLayout;
    addSpanInputs(c, span);
    outer->addLayout(span, 0, 0, 1, 2);
    outer->addWidget(createResultFrame(c), 1, 0);
    outer->addWidget(createShiftFrame(c), 1, 1);
    return c;
}
