// The test service: listens on 127.0.0.1 on a port the system picks,
// prints that port as its first line, and serves until terminated or until
// its standard input closes (the test that started it is gone).

#include "httpserver.h"
#include "testservice.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestService service;
    HttpServer server([&service](const HttpRequest& request) { return service.handle(request); });
    if (!server.listen()) {
        std::fprintf(stderr, "testservice: cannot listen on 127.0.0.1\n");
        return 1;
    }
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);

    QSocketNotifier stdinWatch(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinWatch, &QSocketNotifier::activated, &app, [&stdinWatch] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            stdinWatch.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    return app.exec();
}
