#include "ui/editor/frmPubDetail.h"

#include "FormLoader.h"
#include "Vantric.h"
#include "components/TextLineFile.h"
#include "components/ui/InterfaceTexts.h"
#include "models/EventInput.h"
#include "models/EventListModel.h"
#include "platform/MessageBoxes.h"
#include "stores/EventWrite.h"
#include "stores/EventsFile.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/ContentFit.h"
#include "ui/common/ListStyle.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/common/TwipsPlacing.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>

namespace {

const QString section = QStringLiteral("frmPubDetail");
const QString formPath = QStringLiteral(":/forms/frmPubDetail.ini");
// Inner area beyond the "Close" button, to the right and below.
constexpr int marginTwips = 90;

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

frmPubDetail::frmPubDetail(Program& program, EventListModel& model, ReportList& list,
    std::function<void()> writeCountText, QWidget* parent)
    : QDialog(parent)
    , m_program(program)
    , m_model(model)
    , m_list(list)
    , m_writeCountText(std::move(writeCountText))
{
    setObjectName(QStringLiteral("frmPubDetail"));
    setWindowTitle(QStringLiteral("Event Detail"));
    // A fixed-size dialog: nothing to minimize or maximize, and no context-help button.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    Form_Load();
}

frmPubDetail::~frmPubDetail() = default;

void frmPubDetail::createControls()
{
    // Positions in twips, as the buttons' form data keeps them: {left, top, width, height}.
    const auto place = [](QWidget* control, const char* name, const QRect& twips) {
        TwipsPlacing::place(control, QString::fromLatin1(name), twips);
    };
    // Created in tab order; the texts come from tips.dll at load.
    place(lblEvent = new QLabel(this), "lblEvent", { 120, 120, 4935, 255 });
    place(txtEvent = new QLineEdit(this), "txtEvent", { 120, 375, 4935, 345 });
    place(lblType = new QLabel(this), "lblType", { 120, 840, 4935, 255 });
    place(optPas = new QRadioButton(this), "optPas", { 120, 1095, 1575, 300 });
    place(optFut = new QRadioButton(this), "optFut", { 1800, 1095, 1575, 300 });
    place(lblDate = new QLabel(this), "lblDate", { 120, 1515, 4935, 255 });
    place(dtpDate = new QDateEdit(this), "dtpDate", { 120, 1770, 2415, 345 });
    place(dtpTime = new QTimeEdit(this), "dtpTime", { 2640, 1770, 2415, 345 });
    lblEvent->setBuddy(txtEvent);
    lblDate->setBuddy(dtpDate);
    optPas->setChecked(true);

    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    dtpDate->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    dtpTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));

    const FormLoader::Result form = FormLoader::load(formPath, this);
    for (const QString& problem : form.problems)
        qWarning("frmPubDetail: %s", qUtf8Printable(problem));
    for (int index = 0; index < int(sbt.size()); ++index) {
        sbt[index] = findChild<Vantric*>(u"sbt(" % QString::number(index) % u')');
        if (sbt[index])
            connect(sbt[index], &Vantric::Click, this, [this, index] { sbt_Click(index); });
    }
    // The dialog sees every key first, as a focused button would take Enter for itself.
    for (QWidget* control : std::initializer_list<QWidget*> { txtEvent, optPas, optFut, dtpDate, dtpTime })
        control->installEventFilter(this);
    for (Vantric* button : sbt) {
        if (button)
            button->installEventFilter(this);
    }
}

void frmPubDetail::Form_Load()
{
    m_program.interfaceTexts().applyControlTexts(this, m_program.filePath(QStringLiteral("tips.dll")));
    AccessibleNames::nameUnnamedControls(*this);
    ContentFit::stretchToTexts(*this);
    setPickers(m_program.now());
    txtEvent->clear();
    optPas->setChecked(true);
    m_newMode = false;
    m_editedName.clear();
    fitToCloseButton();
}

void frmPubDetail::setUpNew()
{
    Form_Load();
    setNewMode();
    txtEvent->setFocus();
}

bool frmPubDetail::setUpModify(int row)
{
    if (row < 0 || row >= m_model.rowCount())
        return false;
    Form_Load();
    const EventListModel::Event& event = m_model.event(row);
    m_editedName = event.name;
    setWindowTitle(
        m_program.text(section, QStringLiteral("ModifyCaption")).replace(QStringLiteral("%1"), event.name));
    txtEvent->setText(event.name);
    // Option buttons are exclusive: checking one clears the other, unchecking does nothing.
    (event.type == u"Past" ? optPas : optFut)->setChecked(true);
    setPickers(event.moment);
    txtEvent->setFocus();
    return true;
}

int frmPubDetail::openNew()
{
    setUpNew();
    return exec();
}

int frmPubDetail::openModify(int row)
{
    if (!setUpModify(row))
        return Rejected;
    return exec();
}

bool frmPubDetail::isNewMode() const
{
    return m_newMode;
}

void frmPubDetail::setNewMode()
{
    m_newMode = true;
    m_editedName.clear();
    setWindowTitle(m_program.text(section, QStringLiteral("NewCaption")));
}

void frmPubDetail::sbt_Click(int index)
{
    if (index == 2) {
        m_list.setFocus();
        reject();
        return;
    }
    if (!validate() || !save())
        return;
    if (index == 1) {
        m_list.setFocus();
        accept();
        return;
    }
    // "Save && Add": ready for the next new event, whatever the mode was.
    txtEvent->clear();
    optPas->setChecked(true);
    setPickers(m_program.now());
    setNewMode();
    txtEvent->setFocus();
}

bool frmPubDetail::validate()
{
    const EventInput input { cleanEventName(txtEvent->text()), optPas->isChecked(), enteredMoment() };
    EventProblem problem = checkEventInput(input, m_program.now(), m_model, editedRow());
    if (problem == EventProblem::None && takenInFile(input.name))
        problem = EventProblem::EventExists;
    if (problem == EventProblem::None)
        return true;
    QString text;
    QWidget* focus = txtEvent;
    switch (problem) {
    case EventProblem::NeedEvent:
        text = m_program.message(QStringLiteral("NEED EVENT"));
        break;
    case EventProblem::FutureTime:
        text = m_program.message(QStringLiteral("FUTURE TIME"));
        focus = dtpDate;
        break;
    case EventProblem::PastTime:
        text = m_program.message(QStringLiteral("PAST TIME"));
        focus = dtpDate;
        break;
    case EventProblem::EventExists:
        text = u'\'' % input.name % u"' " % m_program.message(QStringLiteral("EVENT EXIST"));
        break;
    case EventProblem::None:
        break;
    }
    m_program.boxes().show(this, text, MessageBoxes::Icon::Information);
    focus->setFocus();
    return false;
}

bool frmPubDetail::takenInFile(const QString& name) const
{
    // A line written outside Kronvel a moment ago is in the file before it is in the list.
    const QString key = name.trimmed().toCaseFolded();
    if (!m_editedName.isEmpty() && m_editedName.trimmed().toCaseFolded() == key)
        return false; // a changed event keeps its own name
    // Read without the kept lines: what the list follows must not see this read as its own.
    const EventsFile file(m_program.folder(), m_program.textLines(), m_program.fileSystem());
    const auto read = file.read(m_program.now());
    if (!read)
        return false;
    for (const EventRecord& event : read->events) {
        if (event.name.trimmed().toCaseFolded() == key)
            return true;
    }
    return false;
}

bool frmPubDetail::save()
{
    const QString name = cleanEventName(txtEvent->text());
    const Moment moment = enteredMoment();
    const int oldRow = editedRow();
    const EventListModel::Event* old = oldRow >= 0 ? &m_model.event(oldRow) : nullptr;
    const EventsFile file = m_program.eventsFile();
    const EventWriteResult written = writeEvent(file, old ? &old->name : nullptr, name, moment.toText());
    if (!written.error.isEmpty())
        m_program.reportWriteFailure(this, file.path(), written.error);
    // The list follows the file: an event whose line could not be written is not listed.
    if (!written.newLineWritten)
        return false;
    if (old && written.oldLineRemoved)
        m_model.removeEvent(oldRow);
    const QString type = optPas->isChecked() ? QStringLiteral("Past") : QStringLiteral("Future");
    const int row = m_model.addEvent({ name, type, moment });
    m_list.selectNoRows();
    m_list.setCurrentRow(row);
    m_list.setSelected(row, true);
    m_model.refreshRow(row, m_program.now());
    ApplyListStyle(m_list, m_model, m_program.settings());
    if (m_writeCountText)
        m_writeCountText();
    return true;
}

void frmPubDetail::setPickers(const Moment& moment)
{
    dtpDate->setDate(QDate(moment.year(), moment.month(), moment.day()));
    dtpTime->setTime(QTime(moment.hour(), moment.minute(), moment.second()));
}

Moment frmPubDetail::enteredMoment() const
{
    const QDate date = dtpDate->date();
    const QTime time = dtpTime->time();
    // The pickers' ranges lie inside the calendar's, so this always has a value.
    return Moment::fromCivil(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second())
        .value_or(m_program.now());
}

int frmPubDetail::editedRow() const
{
    if (isNewMode())
        return -1;
    // -1 when the event went outside Kronvel meanwhile: the change is then saved as new.
    if (!m_editedName.isEmpty())
        return m_model.findName(m_editedName);
    // Captioned for a change from outside: the list's selected row is the one changed.
    return m_list.currentRow();
}

bool frmPubDetail::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
        sbt_Click(1);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmPubDetail::keyPressEvent(QKeyEvent* event)
{
    // Enter anywhere in the dialog saves and closes.
    if (isEnter(event)) {
        event->accept();
        sbt_Click(1);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmPubDetail::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitToCloseButton();
}

void frmPubDetail::fitToCloseButton()
{
    if (!sbt[2])
        return;
    TwipsPlacing::fitAround(*this, sbt[2]->geometry(), marginTwips);
}
