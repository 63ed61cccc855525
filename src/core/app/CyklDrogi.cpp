#include "CyklDrogi.h"

#include "Droga.h"
#include "Ustawienia.h"
#include "network/PlikSieci.h"
#include "pricing/Przedzialy.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"

namespace tks {

bool TworzDroge(Droga& d, const QString& plikSieci)
{
    d.wycena.sumaPostojow = 0;
    d.pierwszePokazanie = true;
    d.plikListyPociagow = d.katalogProgramu + QStringLiteral("Pociagi/ListaPociagow.cds");
    return aktywacja(d, plikSieci);
}

bool aktywacja(Droga& d, const QString& plikSieci)
{
    // 1. stan bieżący
    d.kontrolki.wczytywaniePociagu = false;
    d.pociag.ZmianyPociagu = false;
    d.trasa.TrybWyboru = 0;
    d.trasa.ListaStacjiZabronionych.clear();
    d.trasa.ListaOdcinkowZabronionych.clear();

    // 4. sieć z pliku; 6. i 8. indeks stacji według nazw i środek domyślny razem z nią
    d.siec.Stacje.clear();
    QString blad;
    d.siecWczytana = WczytajSiecZWartosciamiPochodnymi(d.siec, plikSieci, blad, &d.interakcja);
    if (!d.siecWczytana) {
        d.siec = Siec{};
        d.interakcja.komunikat(blad, QStringLiteral("Błąd"), Ikona::Blad);
    }

    if (d.siecWczytana) {
        // 5. przedziały masy bieżącego rodzaju, wybrany pierwszy
        if (wierszRodzaju(d.siec, d.kontrolki.idRodzajuStawki) < 0)
            d.kontrolki.idRodzajuStawki = pierwszyRodzaj(d.siec);
        d.kontrolki.lpZakresuBr = -1;
        d.kontrolki.lpZakresuBr = pierwszyPrzedzial(d.siec, d.kontrolki.idRodzajuStawki);
    } else {
        d.kontrolki.lpZakresuBr = -1;
    }

    // 7. kryterium "najkrótsza" i warunki
    d.kontrolki.kryterium = 0;
    UstalWarunki(d);

    // 9. powiększenie 1x, tolerancja kliknięcia
    d.widok.zoom = kPowiekszenie1x;
    d.widok.tolerancjaKlikniecia = 20;

    // 10. kolory i opcje; ograniczenia z pliku ustawień działają jak kliknięcie
    // pól ograniczeń, więc maska ograniczeń jest wyznaczana od nowa
    WczytajKolory(d);
    UstalWarunki(d);
    // 11. powiększenie i środek
    WczytajUstawienia(d);

    // 12. pusta trasa
    d.trasa.GlowneStacje.clear();
    d.trasa.Sciezki.clear();
    d.trasa.LicznikGrup = 0;
    d.trasa.dlugoscDoNaglowka = 1e100;
    return d.siecWczytana;
}

void PokazanieDrogi(Droga& d)
{
    if (d.pierwszePokazanie) {
        UtworzTabelePociagu(d);
        TworzNowyPociag(d);
        d.pierwszePokazanie = false;
    } else {
        TworzNowyPociag(d);
        KasujDroge(d);
    }
}

void PrzygotujZestawienia(Droga& d)
{
    if (!d.pierwszePokazanie)
        return;
    UtworzTabelePociagu(d);
    d.pierwszePokazanie = false;
}

QString tekstPytaniaOZapis(const Droga& d)
{
    if (d.pociag.NowyPociag)
        return QStringLiteral("Czy zapisać zmiany dla nowego pociągu ?");
    return QStringLiteral("Czy zapisać zmiany dla pociągu nr ") + d.pociag.pole(QStringLiteral("NrPociagu")).toString()
           + QStringLiteral(" ?");
}

bool trzebaPytacOZapis(const Droga& d) { return d.pociag.ZmianyPociagu && !d.trasa.GlowneStacje.empty(); }

bool PytanieOZapis(Droga& d, const std::function<bool()>& zapisz)
{
    if (!trzebaPytacOZapis(d))
        return true;
    switch (d.interakcja.pytanie(tekstPytaniaOZapis(d), QStringLiteral("Uwaga !"), Ikona::Ostrzezenie,
                                 Przyciski::TakNieAnuluj)) {
    case Odpowiedz::Tak:
        return zapisz && zapisz();
    case Odpowiedz::Nie:
        return true;
    default:
        return false;
    }
}

bool ZamykanieDrogi(Droga& d, const std::function<bool()>& zapisz)
{
    if (!PytanieOZapis(d, zapisz))
        return false;
    ZapiszUstawienia(d);
    d.wycena.sumaPostojow = 0;
    return true;
}

} // namespace tks
