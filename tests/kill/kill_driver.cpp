// The process that the kill test kills: makes the scenario's writes from firstStep on, for
// ever, and says on standard output when each write begins ("B n") and ends ("E n").
#include "KillScenario.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <unistd.h>

namespace {

// Straight to the pipe, unbuffered: what the killer reads is what happened.
void say(char what, int step)
{
    char line[32];
    const int length = std::snprintf(line, sizeof line, "%c %d\n", what, step);
    if (::write(STDOUT_FILENO, line, size_t(length)) != length)
        _exit(3);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: kill_driver FOLDER FIRST-STEP\n");
        return 1;
    }
    const QString folder = arguments.at(1);
    int step = arguments.at(2).toInt();
    StoreState state = KillScenario::stateAfter(step - 1);
    for (;; ++step) {
        say('B', step);
        QString error;
        if (!KillScenario::write(folder, step, state, &error)) {
            std::fprintf(stderr, "step %d failed: %s\n", step, qPrintable(error));
            say('F', step);
            return 2;
        }
        say('E', step);
        KillScenario::apply(state, step);
    }
}
