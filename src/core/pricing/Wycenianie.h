#pragma once
// Wycena trasy ze stawek odcinków (grupy rozliczeniowe, zaokrąglenia), zapis
// cen i długości w nagłówku pociągu oraz reakcje na wybór rodzaju pociągu,
// przedziału masy brutto i rozstawu torów.

namespace tks {

class Droga;
struct StanKontrolek;

// Wycenia trasę: stawki i ceny elementów, czas jazdy, grupy rozliczeniowe,
// sumy w d.wycena i pola nagłówka; pokazuje czas jazdy i średnią prędkość.
void ObliczMinParametry(Droga& d);

// Liczba dni kursowania z nagłówka (0 dla Null).
int liczbaDniKursowania(const Droga& d);

// Zapis cen z sum trasy do nagłówka: CenaPrzejazdu, CenaPostojow, CenaWyliczona,
// CenaRozkJazdy. Opłaty za postoje wchodzą tylko dla rodzaju 0, chyba że
// `postojeZawsze`.
void WpiszCenyDoNaglowka(Droga& d, bool postojeZawsze = false);
// Zeruje cztery ceny i długość w nagłówku (trasa bez elementów).
void ZerujCenyNaglowka(Droga& d);

// Zaznaczenia "Brak stawki dla poc. pas." i "Brak stawki dla poc. tow." dla
// rodzaju pociągu, gdy zaznaczone jest "Dopasuj do rodzaju poc.".
void DopasujOgraniczeniaDoRodzaju(StanKontrolek& k);

// Widoczność pola "Cena za postoje" (d.wycena.pokazCenePostojow) po wyborze
// rodzaju, przedziału albo rozstawu.
void AktualizujPoleCenyPostojow(Droga& d);

// Wybór rodzaju pociągu (klucz IdRodzajuStawki). Ustawia pierwszy przedział masy
// nowego rodzaju w d.kontrolki.lpZakresuBr, dopasowuje ograniczenia stawek,
// przelicza trasę (w wyborze ręcznym tylko wycenia). Okno potem odświeża listę
// przedziałów (przedzialyRodzaju), pola ograniczeń i mapę.
void ZmianaRodzajuStawki(Droga& d, int idRodzaju);

// Wybór przedziału masy brutto (klucz LpZakresuBr): wycena i ceny w nagłówku.
void ZmianaPrzedzialuMasy(Droga& d, int lpZakresuBr);

// Kliknięcie "Szerokich" albo "Normalnych" (okno już ustawiło oba pola w
// d.kontrolki): przeliczenie trasy (poza wczytywaniem pociągu) i ceny w nagłówku.
void ZmianaRozstawu(Droga& d);

} // namespace tks
