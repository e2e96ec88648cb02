// Takes the pictures of the editor in docs/screenshots: run with the output folder as argument.
// Not a test; built on demand (target editor_screenshots).
#include "tests/ui/editor/EditorFixture.h"

#include "ui/editor/frmPubDetail.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    EditorFixture f({ QStringLiteral("Birthday\t1975/09/21 00:00:00"),
        QStringLiteral("Wedding\t2010/01/01 12:00:00"), QStringLiteral("Launch\t2030/06/01 08:00:00") });
    f.openNew();
    QTest::qWait(200);
    bool ok = f.dialog->grab().save(out.filePath(QStringLiteral("editor-new.png")));
    f.dialog->close();

    f.openModify(QStringLiteral("Launch"));
    QTest::qWait(200);
    ok = f.dialog->grab().save(out.filePath(QStringLiteral("editor-modify.png"))) && ok;
    qInfo("%s and %s", qPrintable(f.dialog->windowTitle()), ok ? "saved" : "NOT saved");
    return ok ? 0 : 1;
}
