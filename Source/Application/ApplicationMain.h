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

    // Makes the framework take this process for the application. It must be
    // so before the first window system call: only then does the framework
    // install its handlers of the window system's errors, without which a
    // harmless one (a window gone while it is asked about) ends the process.
    // run() does it; a host that opens the framework's GUI before run() (the
    // test build with a simulated amplifier) calls it first.
    static void registerApplication();
};
