#pragma once
// Polskie napisy własnych okien Qt (przyciski "Tak", "Nie", "Anuluj" ...).

namespace tks::ui {

// Wczytuje qtbase_pl.qm z folderu tłumaczeń Qt i instaluje je w aplikacji
// (raz). Zwraca false, gdy pliku nie ma - okna Qt mówią wtedy po angielsku.
bool ZaladujTlumaczeniaQt();

} // namespace tks::ui
