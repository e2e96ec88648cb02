#include "ui/options/frmPubOptions.h"

#include "FormLoader.h"
#include "Vantric.h"
#include "components/ProfileShell.h"
#include "components/ui/InterfaceTexts.h"
#include "models/ColourValue.h"
#include "models/DigitsValidator.h"
#include "models/OptionsCheck.h"
#include "models/OptionsPreview.h"
#include "models/OptionsValues.h"
#include "platform/MessageBoxes.h"
#include "stores/SettingValues.h"
#include "stores/SettingsFile.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/ContentFit.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/common/TwipsPlacing.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTimer>

namespace {

const QString formPath = QStringLiteral(":/forms/frmPubOptions.ini");
// Inner area beyond the "Close" button, to the right and below.
constexpr int marginTwips = 90;
constexpr int firstSwatch = 3;
// The counters show 0 to 99 decimals.
constexpr int precisionDigits = 2;

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) % u'(' % QString::number(index) % u')';
}

// The text a label shows: "&&" is one ampersand, a single "&" marks the access key.
QString shownText(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace

frmPubOptions::frmPubOptions(Program& program, std::function<void()> applyToMainWindow, QWidget* parent)
    : QDialog(parent)
    , m_program(program)
    , m_applyToMainWindow(std::move(applyToMainWindow))
{
    setObjectName(QStringLiteral("frmPubOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    createButtons();
}

frmPubOptions::~frmPubOptions() = default;

void frmPubOptions::createControls()
{
    // Positions in twips, as the buttons' form data keeps them: {left, top, width, height}.
    const auto place = TwipsPlacing::place;
    // Frames first, so that every control drawn over them is above them. Created in tab order.
    place(fra[0] = new QGroupBox(this), indexed("fra", 0), { 120, 120, 4500, 2760 });
    place(fra[1] = new QGroupBox(this), indexed("fra", 1), { 120, 3000, 4500, 2460 });
    place(fra[2] = new QGroupBox(this), indexed("fra", 2), { 4740, 120, 4950, 5340 });

    // Precision: Years to Days in the first column, Hours to Seconds in the second.
    for (int box = 0; box < OptionsValues::precisionCount; ++box) {
        const int column = box < 4 ? 0 : 1;
        const int top = 480 + 420 * (box < 4 ? box : box - 4);
        place(lbl[box] = new QLabel(this), indexed("lbl", box), { 360 + 2220 * column, top + 45, 1200, 255 });
        place(txt[box] = new QLineEdit(this), indexed("txt", box), { 1620 + 2220 * column, top, 720, 330 });
        txt[box]->setValidator(new DigitsValidator(precisionDigits, txt[box]));
        lbl[box]->setBuddy(txt[box]);
    }
    place(lbl[7] = new QLabel(this), indexed("lbl", 7), { 360, 2325, 4140, 255 });
    place(txt[7] = new QLineEdit(this), indexed("txt", 7), { 2400, 2280, 540, 330 });
    txt[7]->setValidator(new DigitsValidator(0, txt[7]));
    lbl[7]->setBuddy(txt[7]);
    for (int box = 0; box <= OptionsValues::refreshBox; ++box) {
        txt[box]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txt[box]->installEventFilter(this);
    }

    // Workday: Sunday to Wednesday, then Thursday to Saturday.
    for (int day = 0; day < int(cbx.size()); ++day) {
        const int column = day < 4 ? 0 : 1;
        const int top = 3420 + 480 * (day < 4 ? day : day - 4);
        place(cbx[day] = new QCheckBox(this), indexed("cbx", day), { 360 + 2220 * column, top, 1500, 300 });
    }

    // Listing: font, the five swatches each inside its frame box, and the preview.
    place(lbl[8] = new QLabel(this), indexed("lbl", 8), { 4920, 525, 1140, 255 });
    place(cbb[0] = new QComboBox(this), indexed("cbb", 0), { 6120, 480, 3390, 345 });
    place(lbl[9] = new QLabel(this), indexed("lbl", 9), { 4920, 975, 1140, 255 });
    place(cbb[1] = new QComboBox(this), indexed("cbb", 1), { 6120, 930, 900, 345 });
    for (int index = 0; index < int(cbb.size()); ++index) {
        // A typed name or size is taken as it is; the list never grows from typing.
        cbb[index]->setEditable(true);
        cbb[index]->setInsertPolicy(QComboBox::NoInsert);
        lbl[8 + index]->setBuddy(cbb[index]);
        connect(cbb[index], &QComboBox::activated, this, [this, index] { cbb_Click(index); });
    }
    for (int size = 8; size <= 16; ++size)
        cbb[1]->addItem(QString::number(size));
    for (int swatch = 0; swatch < OptionsValues::swatchCount; ++swatch) {
        const int top = 1440 + 330 * swatch;
        QLineEdit* frame = txt[8 + swatch] = new QLineEdit(this);
        place(frame, indexed("txt", 8 + swatch), { 4920, top, 260, 260 });
        frame->setReadOnly(true);
        frame->setFocusPolicy(Qt::NoFocus);
        frame->setContextMenuPolicy(Qt::NoContextMenu);
        place(lbl[10 + swatch] = new QLabel(this), indexed("lbl", 10 + swatch), { 5310, top, 4200, 255 });
    }
    place(lbl[15] = new QLabel(this), indexed("lbl", 15), { 4920, 3180, 4590, 255 });
    place(lsv = new ReportList(this), QStringLiteral("lsv"), { 4920, 3450, 4590, 1860 });
    m_preview = new QStandardItemModel(0, 2, this);
    lsv->setModel(m_preview);
    lsv->setSelectionMode(QAbstractItemView::NoSelection);
    lsv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsv->setColumnWidth(0, TwipsPlacing::across(*this, 2520));
    lbl[15]->setBuddy(lsv);
}

void frmPubOptions::createButtons()
{
    const FormLoader::Result form = FormLoader::load(formPath, this);
    for (const QString& problem : form.problems)
        qWarning("frmPubOptions: %s", qUtf8Printable(problem));
    for (int index = 0; index < int(sbt.size()); ++index) {
        sbt[index] = findChild<Vantric*>(indexed("sbt", index));
        if (sbt[index])
            connect(sbt[index], &Vantric::Click, this, [this, index] { sbt_Click(index); });
    }
    // The swatches come in tab order after the font size, before the preview and the commands.
    QWidget* previous = cbb[1];
    for (int index : { 3, 4, 5, 6, 7 }) {
        if (sbt[index]) {
            setTabOrder(previous, sbt[index]);
            previous = sbt[index];
        }
    }
    setTabOrder(previous, lsv);
}

void frmPubOptions::setUp()
{
    // Each opening is a fresh load: a workday the settings spell neither "Y" nor "N" is clear.
    for (QCheckBox* day : cbx)
        day->setChecked(false);
    Form_Load();
    if (txt[0])
        txt[0]->setFocus();
}

int frmPubOptions::openModal()
{
    setUp();
    return exec();
}

void frmPubOptions::Form_Load()
{
    m_program.interfaceTexts().applyControlTexts(this, m_program.filePath(QStringLiteral("tips.dll")));
    AccessibleNames::nameUnnamedControls(*this);
    ContentFit::stretchToTexts(*this);
    fillFontList();
    fillPreview();
    OptionsValues values = shownValues();
    m_opened = m_program.settings();
    loadOptions(values, m_opened);
    showValues(values);
    // The preview takes the font and colours as the controls now show them.
    lsv->applyFontAndColours(cbb[0]->currentText(), SettingValues::parseFontSize(cbb[1]->currentText()),
        std::nullopt, std::nullopt);
    stylePreviewColours();
    placeRefreshBox();
    Form_Resize();
}

void frmPubOptions::fillFontList()
{
    cbb[0]->clear();
    cbb[0]->addItems(QFontDatabase::families());
}

void frmPubOptions::fillPreview()
{
    m_preview->removeRows(0, m_preview->rowCount());
    for (const PreviewRow& row : OptionsPreview::rows) {
        m_preview->appendRow(
            { new QStandardItem(row.type.toString()), new QStandardItem(row.value.toString()) });
    }
}

void frmPubOptions::stylePreviewColours()
{
    // System colours come from the desktop's scheme, as in the lists themselves.
    const QPalette desktop = QApplication::palette(lsv);
    const auto swatchColour = [&](int swatch) -> std::optional<QColor> {
        const Vantric* button = sbt[size_t(firstSwatch + swatch)];
        if (!button)
            return std::nullopt;
        return ColourValue::resolve(qint32(button->BackColor()), desktop);
    };
    lsv->applyFontAndColours(QString(), std::nullopt, swatchColour(OptionsPreview::backSwatch),
        swatchColour(OptionsPreview::textSwatch));
    for (int row = 0; row < int(OptionsPreview::rows.size()); ++row) {
        const int swatch = OptionsPreview::rows[size_t(row)].swatch;
        const auto colour = swatch >= 0 ? swatchColour(swatch) : std::nullopt;
        if (!colour)
            continue;
        for (int column = 0; column < m_preview->columnCount(); ++column)
            m_preview->item(row, column)->setForeground(*colour);
    }
    lsv->viewport()->update();
}

void frmPubOptions::placeRefreshBox()
{
    // The box covers the "XX" of its label and the blanks before it, whatever the label says.
    const QString shown = shownText(lbl[7]->text());
    const qsizetype mark = shown.indexOf(u"XX");
    if (mark < 0)
        return;
    const QString before = shown.left(mark);
    const QString prefix = before.trimmed() + u' ';
    const QFontMetrics metrics = lbl[7]->fontMetrics();
    const int left = lbl[7]->x() + metrics.horizontalAdvance(prefix);
    const int right = lbl[7]->x() + metrics.horizontalAdvance(shown.left(mark + 2));
    const int width = std::max(right - left, TwipsPlacing::across(*this, 360));
    const int centre = lbl[7]->geometry().center().y();
    txt[7]->setGeometry(left, centre - txt[7]->height() / 2, width, txt[7]->height());
}

void frmPubOptions::showValues(const OptionsValues& values)
{
    for (int box = 0; box <= OptionsValues::refreshBox; ++box)
        txt[box]->setText(values.numbers[size_t(box)]);
    for (int day = 0; day < int(cbx.size()); ++day)
        cbx[day]->setChecked(values.workdays[size_t(day)]);
    const int font = cbb[0]->findText(values.fontName, Qt::MatchFixedString);
    if (font >= 0)
        cbb[0]->setCurrentIndex(font);
    cbb[0]->setEditText(values.fontName);
    const int size = cbb[1]->findText(values.fontSize, Qt::MatchFixedString);
    if (size >= 0)
        cbb[1]->setCurrentIndex(size);
    cbb[1]->setEditText(values.fontSize);
    for (int swatch = 0; swatch < OptionsValues::swatchCount; ++swatch) {
        if (Vantric* button = sbt[size_t(firstSwatch + swatch)])
            button->SetBackColor(Orvane::OleColor(values.colours[size_t(swatch)]));
    }
}

OptionsValues frmPubOptions::shownValues() const
{
    OptionsValues values;
    for (int box = 0; box <= OptionsValues::refreshBox; ++box)
        values.numbers[size_t(box)] = txt[box]->text();
    for (int day = 0; day < int(cbx.size()); ++day)
        values.workdays[size_t(day)] = cbx[day]->isChecked();
    values.fontName = cbb[0]->currentText();
    values.fontSize = cbb[1]->currentText();
    for (int swatch = 0; swatch < OptionsValues::swatchCount; ++swatch) {
        if (const Vantric* button = sbt[size_t(firstSwatch + swatch)])
            values.colours[size_t(swatch)] = qint32(button->BackColor());
    }
    return values;
}

void frmPubOptions::cbb_Click(int index)
{
    // Only the chosen property changes: an empty name or size leaves the other as it is.
    if (index == 0)
        lsv->applyFontAndColours(cbb[0]->currentText(), std::nullopt, std::nullopt, std::nullopt);
    else
        lsv->applyFontAndColours(
            QString(), SettingValues::parseFontSize(cbb[index]->currentText()), std::nullopt, std::nullopt);
}

void frmPubOptions::txt_GotFocus(int index)
{
    // After the click that gave the focus has placed the cursor.
    QLineEdit* box = txt[size_t(index)];
    QTimer::singleShot(0, box, [box] { box->selectAll(); });
}

void frmPubOptions::sbt_Click(int index)
{
    switch (index) {
    case 0:
        save();
        break;
    case 1:
        restore();
        break;
    case 2:
        reject();
        break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        chooseSwatchColour(index);
        break;
    default:
        break;
    }
}

void frmPubOptions::save()
{
    const OptionsValues values = shownValues();
    const OptionsCheck check = checkOptions(values);
    if (check.problem != OptionsProblem::None) {
        m_program.boxes().show(this,
            optionsMessage(check, [this](const QString& key) { return m_program.message(key); }),
            MessageBoxes::Icon::Information);
        if (check.box >= 0)
            txt[size_t(check.box)]->setFocus();
        return;
    }
    const SettingsFile file = m_program.settingsFile();
    QString error;
    if (!saveOptions(values, file, &error, &m_opened))
        m_program.reportWriteFailure(this, file.path(), error);
    // The main window follows the file, whatever part of it was written.
    applyAndHandOver();
}

void frmPubOptions::restore()
{
    const SettingsFile file = m_program.settingsFile();
    QString error;
    if (!file.writeDefaults(&error))
        m_program.reportWriteFailure(this, file.path(), error);
    m_program.settings() = file.read();
    Form_Load();
    if (m_applyToMainWindow)
        m_applyToMainWindow();
}

void frmPubOptions::applyAndHandOver()
{
    m_program.settings() = m_program.settingsFile().read();
    if (m_applyToMainWindow)
        m_applyToMainWindow();
}

void frmPubOptions::chooseSwatchColour(int index)
{
    Vantric* swatch = sbt[size_t(index)];
    if (!swatch)
        return;
    // The chooser opens at the swatch's colour; a system colour as the desktop shows it now.
    const QColor shown = ColourValue::resolve(qint32(swatch->BackColor()), QApplication::palette(lsv))
                             .value_or(QColor(Qt::white));
    const qint32 initial = shown.red() | (shown.green() << 8) | (shown.blue() << 16);
    const qint32 chosen = m_program.profileShell().chooseColor(this, initial);
    if (chosen == -1)
        return;
    swatch->SetBackColor(Orvane::OleColor(chosen));
    stylePreviewColours();
}

bool frmPubOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int box = 0; box <= OptionsValues::refreshBox; ++box) {
            if (watched == txt[size_t(box)])
                txt_GotFocus(box);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPubOptions::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmPubOptions::Form_Resize()
{
    const Vantric* close = sbt[2];
    if (!close)
        return;
    TwipsPlacing::fitAround(*this, close->geometry(), marginTwips);
}
