#pragma once

// What the entry point does: a second launch hands its command line to the
// running instance and exits; without a graphical display one line says so
// and the process exits with 1; otherwise the log and the routing of the
// ALSA library's errors into it are installed and the framework runs the
// application.
class ApplicationMain
{
public:
    static int run(int argc, char* argv[]);
};
