#pragma once
// Okno "Wybór pociągu" po stronie rdzenia: lista zapisanych pociągów,
// sortowanie i warunki filtru, wybór pociągu do wczytania, usuwanie.

#include "FiltrTabeli.h"

namespace tks {

class Droga;

inline const QString kTytulListyPociagow = QStringLiteral("Wybór pociągu");

// Kolumny siatki listy z tytułami (IdPociagu - kolumna ukryta).
struct KolumnaListy {
    QString nazwa;
    QString tytul;
};
const QVector<KolumnaListy>& kolumnyListyPociagow();

struct StanListyPociagow {
    WarunkiFiltru filtr;
    int wybraneId = 0;
};

// Pokazanie okna: lista otwarta (z pliku, gdy zamknięta), nic nie wybrano,
// bez warunków, kolejność IdPociagu rosnąco. false, gdy listy nie da się otworzyć.
bool PokazanieListyPociagow(Droga& d, StanListyPociagow& s);
// Zamknięcie okna (w każdy sposób): filtr listy wyłączony.
void ZamkniecieListyPociagow(Droga& d, StanListyPociagow& s);

// "Wybierz" dla wiersza tabeli listy (-1: brak bieżącego wiersza). true: okno
// zamyka się z OK (wybraneId ustawione, powiększenie mapy wraca do 1x);
// false: komunikat "Nie wybrano żadnego pociągu" i okno zostaje.
bool WybierzPociagZListy(Droga& d, StanListyPociagow& s, int wiersz);
// "Usuń pociag" dla wiersza tabeli listy (-1: nic się nie dzieje). Pliki
// pociągu znikają bezpowrotnie, więc najpierw pytanie "Czy usunąć pociąg nr …
// (relacja …)?" (Tak/Nie, domyślnie Nie); "Nie" niczego nie zmienia. Warunki
// filtru i porządek listy zostają po usunięciu.
bool UsunPociagZListy(Droga& d, StanListyPociagow& s, int wiersz);
// Tekst pytania przed usunięciem pociągu z listy.
QString pytanieOUsuniecie(const QString& nrPociagu, const QString& relacja);

} // namespace tks
