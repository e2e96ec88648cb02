#include "app/CommandLine.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(QtOptions)

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QtOptions>("qt");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("text"); // the whole text for an error, else empty

        const auto still = QtOptions::StillThere;
        const auto removed = QtOptions::Removed;
        using A = CommandLine::Action;
        QTest::newRow("nothing") << u""_s << removed << A::Run << QString() << QString();
        QTest::newRow("folder") << u"--data-dir /d"_s << removed << A::Run << u"/d"_s << QString();
        QTest::newRow("folder with =") << u"--data-dir=/d"_s << removed << A::Run << u"/d"_s << QString();
        QTest::newRow("single-dash words")
            << u"-list -data-dir /d"_s << removed << A::List << u"/d"_s << QString();
        QTest::newRow("Qt options without a window")
            << u"-platform offscreen -style Fusion -reverse -qwindowgeometry 10x10 --list"_s << still
            << A::List << QString() << QString();
        QTest::newRow("Qt options before the version")
            << u"-style=Fusion -v"_s << still << A::ShowVersion << QString() << QString();
        QTest::newRow("help wins over list")
            << u"--list -h"_s << removed << A::ShowHelp << QString() << QString();
        QTest::newRow("unknown option")
            << u"--bogus"_s << still << A::Error << QString()
            << u"krn: Unknown option 'bogus'.\nTry 'krn --help' for more information.\n"_s;
        QTest::newRow("letters are no bundle")
            << u"-lv"_s << removed << A::Error << QString()
            << u"krn: Unknown option 'lv'.\nTry 'krn --help' for more information.\n"_s;
        QTest::newRow("Qt option that Qt did not take")
            << u"-style Fusion"_s << removed << A::Error << QString()
            << u"krn: Unknown option 'style'.\nTry 'krn --help' for more information.\n"_s;
        QTest::newRow("missing folder")
            << u"--data-dir"_s << removed << A::Error << QString()
            << u"krn: Missing value after '--data-dir'.\nTry 'krn --help' for more information.\n"_s;
        QTest::newRow("stray argument")
            << u"events.krn"_s << removed << A::Error << QString()
            << u"krn: unexpected argument 'events.krn'\nTry 'krn --help' for more information.\n"_s;
    }

    void parse()
    {
        QFETCH(QString, arguments);
        QFETCH(QtOptions, qt);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, folder);
        QFETCH(QString, text);
        const QStringList words = QString(u"krn "_s + arguments).split(u' ', Qt::SkipEmptyParts);
        const CommandLine line = parseCommandLine(words, qt);
        QCOMPARE(line.action, action);
        QCOMPARE(line.dataFolder, folder);
        if (action == CommandLine::Action::Error)
            QCOMPARE(line.text, text);
        // Which application object main makes: none of Qt's options may count against that.
        const bool qtOptionsOnly = qt == QtOptions::Removed && arguments.startsWith(u"-style"_s);
        QCOMPARE(needsNoWindow(words), action != CommandLine::Action::Run && !qtOptionsOnly);
    }

    void helpNamesEveryOption()
    {
        const QString help = parseCommandLine({ u"krn"_s, u"--help"_s }, QtOptions::Removed).text;
        for (const char* option :
            { "--data-dir <folder>", "--list", "-h, --help", "-v, --version", "-style" })
            QVERIFY2(help.contains(QLatin1String(option)), option);
        QVERIFY(help.startsWith(u"Usage: krn [options]"_s));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
