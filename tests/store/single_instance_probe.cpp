// A stand-in for the program's start: takes part in the single-instance rule
// exactly as the program does and reports on stdout what happened.
//   first copy:  prints "first", then "activated" for each request; quits
//                after a minute at the latest
//   later copy:  prints "activation sent" or "activation failed", exits 0
#include "trop/ui/shell/single_instance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    trop::SingleInstance instance;
    if (!instance.tryToBecomeFirst()) {
        say(instance.activateRunningCopy() ? "activation sent" : "activation failed");
        return 0;
    }
    QObject::connect(&instance, &trop::SingleInstance::activationRequested, [] { say("activated"); });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    say("first");
    return app.exec();
}
