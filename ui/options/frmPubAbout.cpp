#include "ui/options/frmPubAbout.h"

#include "FormLoader.h"
#include "Vantric.h"
#include "components/ProfileShell.h"
#include "components/ui/InterfaceTexts.h"
#include "stores/AboutInfo.h"
#include "ui/common/Program.h"
#include "ui/common/TwipsPlacing.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

const QString formPath = QStringLiteral(":/forms/frmPubAbout.ini");
// Inner area beyond the frame, to the right and below.
constexpr int marginTwips = 90;

QFont labelFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

frmPubAbout::frmPubAbout(Program& program, QWidget* parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmPubAbout"));
    setWindowTitle(QStringLiteral("About Kronvel"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
}

frmPubAbout::~frmPubAbout() = default;

void frmPubAbout::createControls()
{
    const auto place = [](QWidget* control, const char* name, const QRect& twips) {
        TwipsPlacing::place(control, QString::fromLatin1(name), twips);
    };
    place(fra = new QFrame(this), "fra", { 90, 90, 5760, 2160 });
    fra->setFrameShape(QFrame::StyledPanel);
    fra->setFrameShadow(QFrame::Sunken);

    const auto logo = [this](const QString& path) {
        auto* picture = new QLabel(this);
        picture->setPixmap(QPixmap(path));
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
        return picture;
    };
    place(imgProdLogo = logo(QStringLiteral(":/forms/about/prodlogo.png")), "imgProdLogo",
        { 270, 270, 720, 720 });
    place(Label1 = new QLabel(this), "Label1", { 1170, 270, 4500, 240 });
    place(Label2 = new QLabel(this), "Label2", { 1170, 540, 4500, 240 });
    place(Label3 = new QLabel(this), "Label3", { 1170, 810, 4500, 480 });
    for (QLabel* label : { Label1, Label2, Label3 })
        label->setFont(labelFont());
    QFont name = labelFont();
    name.setBold(true);
    Label1->setFont(name);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Line1 = new QFrame(this), "Line1", { 270, 1380, 5400, 30 });
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(imgCompLogo = logo(QStringLiteral(":/forms/about/complogo.png")), "imgCompLogo",
        { 270, 1590, 480, 480 });

    const FormLoader::Result form = FormLoader::load(formPath, this);
    for (const QString& problem : form.problems)
        qWarning("frmPubAbout: %s", qUtf8Printable(problem));
    sbtClose = findChild<Vantric*>(QStringLiteral("sbtClose"));
    sbtMailer = findChild<Vantric*>(QStringLiteral("sbtMailer"));
    sbtWeb = findChild<Vantric*>(QStringLiteral("sbtWeb"));
    if (sbtClose)
        connect(sbtClose, &Vantric::Click, this, &frmPubAbout::sbtClose_Click);
    if (sbtMailer)
        connect(sbtMailer, &Vantric::Click, this, &frmPubAbout::sbtMailer_Click);
    if (sbtWeb)
        connect(sbtWeb, &Vantric::Click, this, &frmPubAbout::sbtWeb_Click);
}

void frmPubAbout::open()
{
    if (!isVisible())
        Form_Load();
    show();
    raise();
    activateWindow();
}

void frmPubAbout::Form_Load()
{
    m_program.interfaceTexts().applyControlTexts(this, m_program.filePath(QStringLiteral("tips.dll")));
    // The name and version are the program's own, whatever the text files say.
    Label1->setText(AboutInfo::productName.toString());
    Label2->setText(AboutInfo::versionText.toString());
    Form_Resize();
}

void frmPubAbout::Form_Resize()
{
    TwipsPlacing::fitAround(*this, fra->geometry(), marginTwips);
}

void frmPubAbout::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

bool frmPubAbout::eventFilter(QObject* watched, QEvent* event)
{
    // A logo is clicked when the left button goes up over it.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* picture = qobject_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && picture
            && picture->rect().contains(mouse->position().toPoint())) {
            if (watched == imgProdLogo)
                imgProdLogo_Click();
            else if (watched == imgCompLogo)
                imgCompLogo_Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

namespace {

void openLink(Program& program, AboutInfo::Link link)
{
    const QString target = AboutInfo::address(program.folder(), link);
    if (!target.isEmpty())
        program.profileShell().openAddress(target, AboutInfo::showMaximized);
}

} // namespace

void frmPubAbout::imgProdLogo_Click()
{
    openLink(m_program, AboutInfo::Link::ProductPage);
}

void frmPubAbout::imgCompLogo_Click()
{
    openLink(m_program, AboutInfo::Link::PublisherPage);
}

void frmPubAbout::sbtClose_Click()
{
    close();
}

void frmPubAbout::sbtMailer_Click()
{
    openLink(m_program, AboutInfo::Link::SupportMail);
}

void frmPubAbout::sbtWeb_Click()
{
    openLink(m_program, AboutInfo::Link::PublisherPage);
}
