// The base of the worker threads: Wykonaj runs on the worker, and the one-byte
// terminated flag, set by the GUI thread, is lent to the channel library.
#pragma once

#include <QThread>

#include <atomic>
#include <cstdint>

// A worker, created on the GUI thread and then started; it deletes itself on the GUI
// thread once Wykonaj has returned, so whoever keeps a pointer holds a QPointer.
class TWatek : public QThread {
public:
    // Asks the worker to stop: sets the terminated flag. Never waits.
    void Zakoncz();
    // At program exit only, when no event loop runs any more: tells every worker that is
    // still alive to stop and waits until each has returned, so none outlives the program.
    static void ZakonczWszystkieICzekaj();
    bool Zakonczony() const;
    // Address of the terminated flag for the libraries, which read it with an atomic load.
    std::uint8_t* FlagaZakonczenia() { return &Flaga; }

protected:
    TWatek();
    ~TWatek() override;
    // The work, on the worker thread. It hands every change of a control to the GUI
    // thread (queued), never touching a widget itself.
    virtual void Wykonaj() = 0;

private:
    void run() final;

    alignas(std::atomic_ref<std::uint8_t>::required_alignment) std::uint8_t Flaga = 0;
};
