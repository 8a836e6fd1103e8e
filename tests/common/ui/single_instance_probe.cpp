// Stands in for a program in the one-copy tests: says on standard output
// whether it became the first copy; the first copy then says so each time a
// later one asks it to come forward, and runs until it is killed.
#include "single_instance.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void say(const char* line)
{
    std::puts(line);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: single_instance_probe <title>\n", stderr);
        return 2;
    }

    common::SingleInstance singleInstance(QString::fromLocal8Bit(argv[1]));
    if (!singleInstance.isFirstCopy()) {
        say("later copy");
        say(singleInstance.bringFirstCopyToFront() ? "first copy reached" : "first copy not reached");
        return 0;
    }
    say("first copy");
    QObject::connect(&singleInstance, &common::SingleInstance::comeForwardRequested,
                     [] { say("asked to come forward"); });
    return QCoreApplication::exec();
}
