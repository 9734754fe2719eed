#pragma once

// Set while a command runs: its confirmations and file dialogs run modal
// loops, in which a shortcut or a button could start the same command again.
// `entered` is false when the flag was already set; the flag is then left to
// the outer run.
struct ReentrancyGuard
{
    explicit ReentrancyGuard(bool& f) : flag(f), entered(! f) { flag = true; }
    ~ReentrancyGuard()
    {
        if (entered)
            flag = false;
    }
    ReentrancyGuard(const ReentrancyGuard&) = delete;
    ReentrancyGuard& operator=(const ReentrancyGuard&) = delete;

    bool& flag;
    const bool entered;
};
