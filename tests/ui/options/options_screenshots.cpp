// Takes the pictures of the options dialog and the about box in docs/screenshots: run with
// the output folder as argument. Not a test; built on demand (target options_screenshots).
#include "tests/ui/options/OptionsFixture.h"

#include "ui/options/frmPubAbout.h"
#include "ui/options/frmPubOptions.h"

#include <QApplication>
#include <QDir>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    OptionsFixture f;
    f.open();
    QTest::qWait(200);
    bool ok = f.dialog->grab().save(out.filePath(QStringLiteral("options.png")));
    f.dialog->close();

    frmPubAbout about(*f.program, &f.mainWindow);
    about.open();
    QTest::qWait(200);
    ok = about.grab().save(out.filePath(QStringLiteral("about.png"))) && ok;
    qInfo("%s", ok ? "saved" : "NOT saved");
    return ok ? 0 : 1;
}
