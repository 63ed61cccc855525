#pragma once
// Tabele pociągu: kolumny, typy i kolejność, tak jak są zapisywane w plikach
// folderu "Pociagi".

#include "common/Tabela.h"

namespace tks {

Tabela nowaTabelaNaglowka();          // Naglowek (z wyliczanymi CzasMinStr, CzasMaxStr)
Tabela nowaTabelaPociagStacje();      // PociagStacje
Tabela nowaTabelaGlowneStacje();      // GlowneStacje
Tabela nowaTabelaOdcinkiZabronione(); // OdcinkiZabronione
Tabela nowaTabelaStacjeZabronione();  // StacjeZabronione
Tabela nowaTabelaKalendarz();         // Kalendarz
Tabela nowaTabelaTrasa();             // Trasa
Tabela nowaTabelaListaPociagow();     // ListaPociagow

// Minuty jako "hh:nn" (CzasMinStr, CzasMaxStr); pusty tekst dla Null.
QString czasJakoTekst(const QVariant& minuty);

// Tabela wczytana z pliku przełożona na kolumny wzoru (nazwa, typy, kolejność,
// wyliczanie wzoru): brakująca kolumna daje Null, nadmiarowa jest pomijana,
// tekst dłuższy od rozmiaru kolumny jest przycinany. Inna nazwa tabeli albo
// kolumna innego typu: nullopt i opis w `blad`.
std::optional<Tabela> dopasujDoWzoru(const Tabela& wczytana, const Tabela& wzor, QString& blad);

} // namespace tks
