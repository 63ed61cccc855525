#pragma once
// Okno "Lista stacji" z trzema listami, z których widać jedną: wszystkie
// stacje, kandydaci wyboru ręcznego albo stacje oznaczone (narzędzie usuwania).

#include "stations/WyborStacji.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tks::ui {

class TFrmListaStacji : public QDialog {
    Q_OBJECT
public:
    enum class Lista { Stacje, Reczne, Oznaczone };
    static constexpr int kWysokoscListy = 300;

    // Utworzenie: lista wszystkich stacji (`wszystkie`, alfabetycznie) i jej
    // pierwsza zaznaczona pozycja za nazwami sprzed "A".
    explicit TFrmListaStacji(const QStringList& wszystkie, QWidget* rodzic = nullptr);

    void ustawReczne(const ListaKandydatow& l);
    void ustawOznaczone(const QStringList& nazwy);

    // Pokazuje tylko listę `lista` i ustawia okno przy punkcie (bez otwierania).
    void aktywuj(Lista lista, QPoint punkt);
    // Modalnie; numer wybranej pozycji widocznej listy albo -1 (anulowano).
    int pokaz(Lista lista, QPoint punkt);
    QListWidget* widocznaLista() const;

    QListWidget* ListBoxStacje = nullptr;
    QListWidget* ListBoxStacjeReczne = nullptr;
    QListWidget* ListBoxStacjeOznaczone = nullptr;
    QPushButton* BitBtn2 = nullptr;   // OK
    QPushButton* BitBtn1 = nullptr;   // Anuluj

private:
    Lista lista_ = Lista::Oznaczone;
};

} // namespace tks::ui
