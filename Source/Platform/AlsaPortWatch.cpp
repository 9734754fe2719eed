#include "Platform/AlsaPortWatch.h"

#if JUCE_LINUX

#include <juce_events/juce_events.h>

#include <alsa/asoundlib.h>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

struct AlsaPortWatch::Sequencer
{
    snd_seq_t* handle = nullptr;
    std::vector<pollfd> fds;
};

AlsaPortWatch::AlsaPortWatch(std::function<void()> callback, const juce::File& deviceFolder)
    : juce::Thread("MidiPortWatch"), onChange(std::move(callback)), folder(deviceFolder)
{
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
    {
        wakePipe[0] = wakePipe[1] = -1;
        return;
    }

    // The folder is watched first, so that a sequencer device appearing while
    // the sequencer is tried is not missed.
    const bool folderWatched = openFolderWatch();
    if (openSequencer())
        closeFolderWatch();
    else if (! folderWatched)
        return;

    watching = true;
    startThread();
}

AlsaPortWatch::~AlsaPortWatch()
{
    if (isThreadRunning())
    {
        signalThreadShouldExit();
        const char byte = 0;
        [[maybe_unused]] const auto done = ::write(wakePipe[1], &byte, 1);
        stopThread(2000);
    }
    closeSequencer();
    closeFolderWatch();
    for (const int fd : wakePipe)
        if (fd >= 0)
            ::close(fd);
}

bool AlsaPortWatch::openSequencer()
{
    // Without the device node the library would only report an error.
    struct stat node;
    if (::stat(folder.getChildFile("seq").getFullPathName().toRawUTF8(), &node) != 0 || ! S_ISCHR(node.st_mode))
        return false;

    snd_seq_t* handle = nullptr;
    if (snd_seq_open(&handle, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0 || handle == nullptr)
        return false;

    juce::String name = "MIDI port watch";
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        name = app->getApplicationName() + " port watch";
    snd_seq_set_client_name(handle, name.toRawUTF8());

    // A port that only receives, cannot be subscribed to by others and is not
    // listed as a MIDI output (no subscription capability).
    const int port = snd_seq_create_simple_port(handle, "announcements", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                SND_SEQ_PORT_TYPE_APPLICATION);
    if (port < 0 || snd_seq_connect_from(handle, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0)
    {
        snd_seq_close(handle);
        return false;
    }

    auto seq = std::make_unique<Sequencer>();
    seq->handle = handle;
    const int count = snd_seq_poll_descriptors_count(handle, POLLIN);
    seq->fds.resize((size_t) juce::jmax(0, count));
    if (count > 0)
        snd_seq_poll_descriptors(handle, seq->fds.data(), (unsigned int) count, POLLIN);

    sequencer = std::move(seq);
    sequencerOpen = true;
    return true;
}

void AlsaPortWatch::closeSequencer()
{
    if (sequencer != nullptr)
        snd_seq_close(sequencer->handle);
    sequencer.reset();
    sequencerOpen = false;
}

bool AlsaPortWatch::openFolderWatch()
{
    if (inotifyFd < 0)
        inotifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotifyFd < 0)
        return false;
    addFolderWatches();
    return parentWatch >= 0 || folderWatch >= 0;
}

void AlsaPortWatch::closeFolderWatch()
{
    if (inotifyFd >= 0)
        ::close(inotifyFd);
    inotifyFd = -1;
    parentWatch = folderWatch = -1;
}

void AlsaPortWatch::addFolderWatches()
{
    constexpr auto events = IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM;
    if (parentWatch < 0)
        parentWatch = ::inotify_add_watch(inotifyFd, folder.getParentDirectory().getFullPathName().toRawUTF8(), events);
    if (folderWatch < 0 && folder.isDirectory())
        folderWatch = ::inotify_add_watch(inotifyFd, folder.getFullPathName().toRawUTF8(), events);
}

bool AlsaPortWatch::readFolderEvents()
{
    bool changed = false;
    alignas(inotify_event) char buffer[4096];
    for (;;)
    {
        const auto n = ::read(inotifyFd, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;

        for (auto* p = buffer; p < buffer + n;)
        {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            const juce::String name = event->len > 0 ? juce::String::fromUTF8(event->name) : juce::String();
            if (event->wd == folderWatch && (event->mask & IN_IGNORED) != 0)
                folderWatch = -1; // the folder went away
            else if (event->wd == folderWatch && name == "seq")
                changed = true;
            else if (event->wd == parentWatch && name == folder.getFileName())
                changed = true;
            p += sizeof(inotify_event) + event->len;
        }
    }

    if (changed)
        addFolderWatches();
    return changed;
}

bool AlsaPortWatch::readSequencerEvents()
{
    bool changed = false;
    for (;;)
    {
        snd_seq_event_t* event = nullptr;
        const int result = snd_seq_event_input(sequencer->handle, &event);
        if (result == -ENOSPC)
        {
            changed = true; // events were lost: look again anyway
            continue;
        }
        if (result < 0 || event == nullptr)
            break;

        // Clients coming and going alone change no port list (the framework
        // opens a client of its own to list the ports).
        switch (event->type)
        {
            case SND_SEQ_EVENT_PORT_START:
            case SND_SEQ_EVENT_PORT_EXIT:
            case SND_SEQ_EVENT_PORT_CHANGE: changed = true; break;
            default: break;
        }
    }
    return changed;
}

void AlsaPortWatch::run()
{
    while (! threadShouldExit())
    {
        std::vector<pollfd> fds { { wakePipe[0], POLLIN, 0 } };
        if (sequencer != nullptr)
            fds.insert(fds.end(), sequencer->fds.begin(), sequencer->fds.end());
        else if (inotifyFd >= 0)
            fds.push_back({ inotifyFd, POLLIN, 0 });

        if (::poll(fds.data(), (nfds_t) fds.size(), -1) < 0)
        {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents != 0)
            break;

        bool changed = false;
        if (sequencer != nullptr)
        {
            bool failed = false;
            for (size_t i = 1; i < fds.size(); ++i)
                failed = failed || (fds[i].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;

            if (failed)
            {
                // The sequencer went away (its driver was unloaded): watch the
                // folders for it to come back.
                closeSequencer();
                openFolderWatch();
                changed = true;
            }
            else
            {
                changed = readSequencerEvents();
            }
        }
        else if (inotifyFd >= 0 && readFolderEvents())
        {
            changed = true;
            if (openSequencer())
                closeFolderWatch();
        }

        if (changed && onChange)
            onChange();
    }
}
#endif
