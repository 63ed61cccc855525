#pragma once
// Trasa bieżącego pociągu: punkty główne, elementy trasy, wykluczenia, stan
// wyboru ręcznego, warunki wyszukiwania i stany kontrolek, które czytają reguły.

#include "common/Tabela.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <vector>

namespace tks {

// Pusta tabela podglądu trasy z jej kolumnami (Lp wyliczane: pozycja w widoku od 1).
Tabela nowaTabelaPodgladu();

// Punkt główny trasy (stacja początkowa, pośrednia albo końcowa).
struct TGlownaStacja {
    std::uint8_t Rodzaj = 0;   // 1 początek, 2 pośrednia, 3 koniec
    std::int32_t LpStacji = -1;
    std::int32_t NrGrupy = 0;
    double OdlDoPunktu = 0;
    std::int32_t NrLinii = 0;
    double Postoj = 0;
    double Xkm = 0;
    double Ykm = 0;
};

inline constexpr std::uint8_t kPunktPoczatkowy = 1;
inline constexpr std::uint8_t kPunktPosredni = 2;
inline constexpr std::uint8_t kPunktKoncowy = 3;

// Element trasy: jeden przejechany odcinek.
struct TSciezka {
    std::int32_t LpDrogi = 0;
    std::int32_t LpSciezki = 0;
    std::int32_t NrGrupy = 0;
    std::int32_t LpOdcinka = 0;
    std::int32_t LpStOd = 0;
    std::int32_t LpStDo = 0;
    std::int32_t NrLinii = 0;
    double OdKm = 0;
    double DoKm = 0;
    std::uint8_t Znacznik = 0;
    std::int32_t Odleglosc = 0;
    double Stawka = 0;
    double Cena = 0;
    std::uint16_t Cechy = 0;
    std::uint8_t WgCennika = 0;
    std::int32_t Grupa = 0;
    QChar OznFK;          // pierwszy znak OznFK odcinka (pusty znak, gdy brak)
    QString Uwagi;        // do 150 znaków
    double XOd = 0;
    double XDo = 0;
    double YOd = 0;
    double YDo = 0;
};

// Kandydat ręcznego wyboru trasy.
struct TPunktWyboru {
    QString Nazwa;
    std::int32_t LpStacji = -1;
    std::int32_t LLiniiStycznych = 0;
    std::int32_t Widocznosc = 0;
    double Xkm = 0;
    double Ykm = 0;
};

// Stany kontrolek okna głównego, z których korzystają reguły (rdzeń nigdy
// nie czyta kontrolek; okno utrzymuje tę strukturę zgodną z nimi).
struct StanKontrolek {
    int kryterium = 0;                        // ComboBoxKryterium: indeks pozycji
    bool normalne = false;                    // RadioButtonNormalne "Normalnych"
    bool szerokie = true;                     // RadioButtonSzerokie "Szerokich"
    bool brakSieci = false;                   // CheckBoxBrakSieci
    bool nieczynne = true;                    // CheckBoxNieczynne (ukryty)
    bool podObcymZarzadem = true;             // CheckBoxPodObcymZarzadem
    bool nieWskazanyRuchPas = true;           // CheckBoxNieWskazanyRuchPas (ukryty, wyłączony) "Linie towarowe"
    bool nieWskazanyRuchPasWlaczony = false;
    bool nieWskazanyRuchTow = false;          // CheckBoxNieWskazanyRuchTow (ukryty, wyłączony) "Linie pasażerskie"
    bool nieWskazanyRuchTowWlaczony = false;
    bool zawRuchPas = true;                   // CheckBoxZawRuchPas "Brak stawki dla poc. pas."
    bool zawRuchPasWlaczony = true;
    bool zawRuchTow = false;                  // CheckBoxZawRuchTow "Brak stawki dla poc. tow."
    bool zawRuchTowWlaczony = true;
    bool dopasujDoRodzaju = true;             // CheckBoxDefault (ukryty) "Dopasuj do rodzaju poc."
    int idRodzajuStawki = 0;                  // klucz wyboru rodzaju pociągu
    int lpZakresuBr = -1;                     // klucz wyboru przedziału masy; -1 = brak wyboru
    QString vmaxTekst = QStringLiteral("100");// tekst pola "Vmax tab."
    bool wczytywaniePociagu = false;          // trwa wczytywanie pociągu
};

// Trasa bieżącego pociągu.
struct Trasa {
    std::vector<TGlownaStacja> GlowneStacje;
    std::vector<TSciezka> Sciezki;
    std::int32_t LicznikGrup = 0;
    std::vector<std::int32_t> ListaStacjiZabronionych;
    std::vector<std::int32_t> ListaOdcinkowZabronionych;
    std::int32_t TrybWyboru = 0;                  // 0 brak, 1 początek, 2 pośrednia, 3 koniec
    std::vector<std::int32_t> OdcinkiWyboru;      // wybór ręczny: odcinki linii przez punkt zaczepienia
    std::vector<TPunktWyboru> PunktyWyboru;       // wybór ręczny: kandydaci
    std::vector<std::int32_t> KolejkaStacji;      // kolejka wyszukiwania
    double dlugoscDoNaglowka = 1e100;             // zapamiętana długość trasy (opłaty za postoje)

    // Warunki wyszukiwania wyprowadzone z kontrolek.
    std::int32_t Kryterium = 0;
    std::uint16_t MaskaOgraniczen = 0;

    // Tabela podglądu trasy i nota ceny (przebudowywane przez WyznaczTrase).
    Tabela Podglad = nowaTabelaPodgladu();
    QString NotaCeny;
    QVariant SumCena;                             // "sum(cena)", Null przy braku wierszy
    QVariant SumDroga;                            // "sum(Dlugosc)"
    int PoziomPodgladu = 0;                       // poziom ostatniego WyznaczTrase
    bool StawkaIUwagiWidoczne = false;            // kolumny "Stawka" i "Uwagi" siatki podglądu

    // Przeliczanie całej trasy: odcinki drogi bez wyceny po każdym, jedna wycena na końcu
    // (wycena liczy wszystko od nowa, więc wynik jest ten sam, a czas nie rośnie
    // z kwadratem liczby punktów trasy).
    bool WycenaOdlozona = false;

    // Numer odcinka drogi (punktu, na którym się kończy), na którym ostatnie
    // przeliczenie całej trasy nie znalazło drogi; 0, gdy znalazło wszystkie.
    std::int32_t OdcinekBezDrogi = 0;
};

} // namespace tks
