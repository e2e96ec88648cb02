#include "ui/reminders/frmPubReminders.h"

#include "FormLoader.h"
#include "Vantric.h"
#include "components/ui/InterfaceTexts.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "stores/DataFiles.h"
#include "stores/ReminderSettingsFile.h"
#include "stores/SettingsFile.h"
#include "ui/common/ContentFit.h"
#include "ui/common/Program.h"
#include "ui/common/ScreenFit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString formPath = QStringLiteral(":/forms/frmPubReminders.ini");
constexpr QSize designSize(5160, 3540);
// The right and bottom edges of the last button, "Cancel", in the form.
constexpr QPoint designLastEnd(3600 + 1320, 3000 + 375);

} // namespace

frmPubReminders::frmPubReminders(Program& program, Apply apply, QWidget* parent)
    : QDialog(parent)
    , m_program(program)
    , m_apply(std::move(apply))
{
    setObjectName(QStringLiteral("frmPubReminders"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    const double dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
    const double dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96.0;
    const auto place = [&](auto* control, const char* name, QRect twips) {
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(Twips::toPixels(twips.x(), dpiX), Twips::toPixels(twips.y(), dpiY),
            Twips::toPixels(twips.width(), dpiX), Twips::toPixels(twips.height(), dpiY));
        return control;
    };
    cbxDue = place(new QCheckBox(this), "cbxDue", { 240, 180, 4680, 300 });
    cbxAhead = place(new QCheckBox(this), "cbxAhead", { 240, 540, 2880, 300 });
    txtAheadDays = place(new QLineEdit(this), "txtAheadDays", { 3180, 510, 1020, 330 });
    lblAheadDays = place(new QLabel(this), "lblAheadDays", { 4290, 540, 630, 300 });
    cbxAnniversary = place(new QCheckBox(this), "cbxAnniversary", { 240, 900, 4680, 300 });
    cbxAnniversaryEve = place(new QCheckBox(this), "cbxAnniversaryEve", { 600, 1230, 4320, 300 });
    cbxRound = place(new QCheckBox(this), "cbxRound", { 240, 1590, 4680, 300 });
    lblRound = place(new QLabel(this), "lblRound", { 600, 1890, 4320, 990 });
    lblRound->setWordWrap(true);
    lblRound->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FormLoader::load(formPath, this);
    for (int index = 0; index < int(sbt.size()); ++index) {
        sbt[index] = findChild<Vantric*>(u"sbt(" % QString::number(index) % u')');
        if (sbt[index])
            connect(sbt[index], &Vantric::Click, this, [this, index] { sbt_Click(index); });
    }
    for (QCheckBox* box : { cbxAhead, cbxAnniversary })
        connect(box, &QCheckBox::toggled, this, &frmPubReminders::enableDependents);
    m_program.interfaceTexts().applyControlTexts(this, m_program.filePath(DataFileName::tips));
    // Longer texts stretch the controls; the dialog keeps its margins beyond the last button.
    ContentFit::stretchToTexts(*this);
    const QPoint lastEnd = sbt[1] ? sbt[1]->geometry().bottomRight() + QPoint(1, 1) : QPoint();
    const QPoint designEnd(
        Twips::toPixels(designLastEnd.x(), dpiX), Twips::toPixels(designLastEnd.y(), dpiY));
    ScreenFit::fixSize(*this,
        QSize(Twips::toPixels(designSize.width(), dpiX), Twips::toPixels(designSize.height(), dpiY))
            + QSize(std::max(0, lastEnd.x() - designEnd.x()), std::max(0, lastEnd.y() - designEnd.y())));
}

void frmPubReminders::open(const ReminderChoices& choices)
{
    cbxDue->setChecked(choices.due);
    cbxAhead->setChecked(choices.ahead);
    txtAheadDays->setText(ReminderSettingsFile::daysText(choices.aheadDays));
    cbxAnniversary->setChecked(choices.anniversaries);
    cbxAnniversaryEve->setChecked(choices.anniversaryEve);
    cbxRound->setChecked(choices.roundNumbers);
    enableDependents();
    cbxDue->setFocus();
    exec();
}

void frmPubReminders::enableDependents()
{
    txtAheadDays->setEnabled(cbxAhead->isChecked());
    cbxAnniversaryEve->setEnabled(cbxAnniversary->isChecked());
}

void frmPubReminders::sbt_Click(int index)
{
    if (index != 0) {
        reject();
        return;
    }
    const auto days = ReminderSettingsFile::parseDays(txtAheadDays->text());
    // The days matter only while ahead reminders are on; a box left empty then keeps the last ones.
    if (!days && cbxAhead->isChecked()) {
        m_program.boxes().show(
            this, m_program.message(QStringLiteral("REMINDER DAYS")), MessageBoxes::Icon::Warning);
        txtAheadDays->setFocus();
        txtAheadDays->selectAll();
        return;
    }
    const QString path = m_program.settingsFile().path();
    ReminderChoices choices = ReminderSettingsFile::read(path);
    choices.due = cbxDue->isChecked();
    choices.ahead = cbxAhead->isChecked();
    if (days)
        choices.aheadDays = *days;
    choices.anniversaries = cbxAnniversary->isChecked();
    choices.anniversaryEve = cbxAnniversaryEve->isChecked();
    choices.roundNumbers = cbxRound->isChecked();
    QString error;
    if (!ReminderSettingsFile::write(path, choices, &error)) {
        m_program.reportWriteFailure(this, path, error);
        return;
    }
    m_apply(choices);
    accept();
}
