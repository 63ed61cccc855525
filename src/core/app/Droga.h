#pragma once
// Stan okna głównego programu po stronie rdzenia: sieć, warunki i trasa,
// wycena, kalendarz, bieżący pociąg, widok mapy. Operacje poszczególnych
// podsystemów (routing/, pricing/, calendar/, trains/, map/, reports/) działają
// na tym obiekcie; okna i CLI tylko je wywołują.

#include "calendar/Kalendarz.h"
#include "common/Interakcja.h"
#include "map/Kolory.h"
#include "map/Widok.h"
#include "network/Siec.h"
#include "pricing/Wycena.h"
#include "routing/Trasa.h"
#include "trains/Pociag.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace tks {

class Droga {
public:
    // `katalogProgramu`: folder z "Pociagi" i plikiem ustawień (z separatorem na końcu
    // albo bez - jest dopisywany).
    Droga(Interakcja& interakcja, const QString& katalogProgramu);

    Interakcja& interakcja;
    QString katalogProgramu;        // zawsze z separatorem na końcu
    QString plikUstawien;           // domyślnie katalogProgramu + "taksatura.ini"
    QString plikListyPociagow;      // katalogProgramu + "Pociagi/ListaPociagow.cds", przy utworzeniu okna

    Siec siec;
    bool siecWczytana = false;
    StanKontrolek kontrolki;
    Trasa trasa;
    Wycena wycena;
    Kalendarz kalendarz;
    Pociag pociag;
    Widok widok;
    Kolory kolory;

    QStringList dziennik;           // ukryty dziennik czasów obliczeń
    bool pierwszePokazanie = true;

    // Okres rozkładu jazdy.
    QDate rozkladOd;
    QDate rozkladDo;
};

} // namespace tks
