// Reads an analysis file on a worker thread, so that a large one never stops the windows:
// the file is read, parsed and checked there, and what came of it is handed to the GUI
// thread, which opens the window.
#pragma once

#include <QString>

#include <memory>

#include "JsonSymulacji.h"
#include "WatekQt.h"

class TWatekOdczytuAnalizy : public TWatek {
    Q_OBJECT

public:
    // What reading plik gave: the analysis, or why there is none.
    struct TOdczyt {
        QString Plik;
        std::shared_ptr<TAnaliza> Analiza; // null on an error
        TBladAnalizy Blad;
    };

    // Created on the GUI thread and not yet started: connect to Wczytano, then start().
    explicit TWatekOdczytuAnalizy(QString plik);

signals:
    // Queued to the receiver's thread; a receiver that has gone by then never sees it.
    void Wczytano(TWatekOdczytuAnalizy::TOdczyt odczyt);

protected:
    void Wykonaj() override;

private:
    const QString Plik;
};
