// The progress controls of an analysis window on Qt: a status label and two gauges that
// a computation on a worker thread sets at any rate, shown on the GUI thread at most
// once per screen refresh, the latest values always reaching the screen.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <memory>

#include "Postep.h"

class QLabel;
class QProgressBar;
class QTimer;
class TStanPostepuQt;

// The three controls as a computation sees them. A worker keeps the shared pointer for
// as long as it may call them: they outlive the window, which may close meanwhile.
class TKontrolkiPostepuQt {
public:
    TEtykietaPostepu* Etykieta() const;
    TWskaznikPostepu* Czesciowy() const;
    TWskaznikPostepu* Calkowity() const;

private:
    friend class TPostepQt;
    explicit TKontrolkiPostepuQt(std::shared_ptr<TStanPostepuQt> stan) : Stan(std::move(stan)) {}
    std::shared_ptr<TStanPostepuQt> Stan;
};

// Lives on the GUI thread beside the widgets it updates.
class TPostepQt : public QObject {
public:
    TPostepQt(QLabel* etykieta, QProgressBar* czesciowy, QProgressBar* calkowity, QObject* rodzic);
    ~TPostepQt() override;

    TKontrolkiPostepuQt Kontrolki() const { return TKontrolkiPostepuQt(Stan); }

    // Puts the latest text and positions on the widgets now (GUI thread).
    void PokazTeraz();
    // How many times the widgets were updated: the coalescing made visible to tests.
    int LiczbaPokazow() const { return Pokazy; }

protected:
    // The stage on show follows the language.
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    friend class TStanPostepuQt;
    // A computation changed something: show it now, or at the next screen refresh when
    // the last showing was too recent.
    void ZmianaZgloszona();


    std::shared_ptr<TStanPostepuQt> Stan;
    QPointer<QLabel> Etykieta;
    QString Etap; // the stage as the computation wrote it
    QPointer<QProgressBar> Czesciowy;
    QPointer<QProgressBar> Calkowity;
    QTimer* Zegar;
    QElapsedTimer OdOstatniego;
    int OkresMs;
    int Pokazy = 0;
};
