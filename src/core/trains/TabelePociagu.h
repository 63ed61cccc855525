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

} // namespace tks
