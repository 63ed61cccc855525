#pragma once
// Bieżący pociąg: jego tabele i stan (identyfikator, nowy/wczytany, zmiany).

#include "TabelePociagu.h"

namespace tks {

struct Pociag {
    Tabela Naglowek = nowaTabelaNaglowka();
    Tabela PociagStacje = nowaTabelaPociagStacje();
    Tabela GlowneStacje = nowaTabelaGlowneStacje();
    Tabela OdcinkiZabronione = nowaTabelaOdcinkiZabronione();
    Tabela StacjeZabronione = nowaTabelaStacjeZabronione();
    Tabela Kalendarz = nowaTabelaKalendarz();
    Tabela Trasa = nowaTabelaTrasa();
    Tabela ListaPociagow = nowaTabelaListaPociagow();

    int IdBiezacegoPociagu = 0;
    bool NowyPociag = true;
    bool ZmianyPociagu = false;
    // Tabele utworzone (pierwsze pokazanie okna głównego albo zestawienia).
    bool tabeleUtworzone = false;
    // Lista pociągów wczytana z pliku (otwierana przy pierwszym użyciu).
    bool listaOtwarta = false;

    // Wiersz nagłówka. Zapis pola przy braku wiersza nic nie robi.
    bool maNaglowek() const { return Naglowek.liczbaWierszy() > 0; }
    QVariant pole(const QString& kolumna) const { return Naglowek.wartosc(0, kolumna); }
    void ustaw(const QString& kolumna, const QVariant& v)
    {
        if (!maNaglowek())
            return;
        if (Naglowek.wartosc(0, kolumna) != v || Naglowek.wartosc(0, kolumna).isValid() != v.isValid())
            naglowekZmieniony_ = true;
        Naglowek.ustaw(0, kolumna, v);
    }
    // Zatwierdzenie wiersza nagłówka: zatwierdzenie ze zmianami oznacza pociąg jako zmieniony.
    void zatwierdz()
    {
        if (naglowekZmieniony_)
            ZmianyPociagu = true;
        naglowekZmieniony_ = false;
    }
    void zapomnijZmianyNaglowka() { naglowekZmieniony_ = false; }

private:
    bool naglowekZmieniony_ = false;
};

} // namespace tks
