// A limit on the size of the files this process writes, for tests of what a writer does
// when the disk takes no more.
#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, a file this process writes ends at bajty bytes: a write past that is cut
// short or fails as on a full disk, instead of raising the signal that would end the
// process. Pipes and terminals are not files and take everything.
class TLimitPliku {
public:
    explicit TLimitPliku(rlim_t bajty) : Sygnal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &Poprzedni);
        rlimit limit = Poprzedni;
        limit.rlim_cur = bajty;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TLimitPliku()
    {
        setrlimit(RLIMIT_FSIZE, &Poprzedni);
        std::signal(SIGXFSZ, Sygnal);
    }
    TLimitPliku(const TLimitPliku&) = delete;
    TLimitPliku& operator=(const TLimitPliku&) = delete;

private:
    void (*Sygnal)(int);
    rlimit Poprzedni {};
};
