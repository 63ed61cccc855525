#pragma once
// Mapa w oknie głównym: połączenie obszaru mapy z oknem (stan panelu po
// rysowaniu, pola nagłówka po kliknięciu, lista wyboru przy kursorze).

namespace tks {
struct StanPaneluMapy;
}

namespace tks::ui {

class TFrmDroga;

// Łączy sygnały obszaru mapy okna z oknem; przy oknach dialogowych lista
// "Wybór stacji" pokazuje się przy kursorze na mapie.
void PolaczMape(TFrmDroga& w);

// Stan panelu wyliczony przy rysowaniu mapy: przyciski punktów trasy, pole
// "Vmax tab." i czas jazdy, podpis okna, pozycje menu.
void ZastosujStanPaneluMapy(TFrmDroga& w, const StanPaneluMapy& s);

// Po puszczeniu przycisku myszy na mapie: pola nagłówka (opróżnione, gdy
// zmienił się początek, koniec albo długość, i pokazane z zatwierdzonego
// nagłówka) oraz czas jazdy.
void PokazPoKliknieciu(TFrmDroga& w, bool wyczyscPola);

} // namespace tks::ui
