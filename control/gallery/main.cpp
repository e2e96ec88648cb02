#include "GalleryWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Write the shown window to <file> and quit."), QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    GalleryWindow window;
    window.show();
    if (parser.isSet(screenshot)) {
        const QString path = parser.value(screenshot);
        QTimer::singleShot(500, &window, [&window, path] {
            const bool saved = window.grab().save(path);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
