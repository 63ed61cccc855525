#pragma once
// Okna wyboru stacji dla operacji rdzenia: "Wybierz stację:" tworzone przy
// każdym wyborze, "Lista stacji" tworzona raz (lista wszystkich stacji jest
// długa). Okna otwierają się przy kursorze myszy albo w punkcie podanym przed
// wyborem (wybór z klawiatury otwiera je przy przycisku narzędzia).

#include "stations/WyborStacji.h"

#include <QPoint>
#include <QPointer>
#include <optional>

class QWidget;

namespace tks::ui {

class TFrmListaStacji;

class OknaStacjiOkienne : public OknaStacji {
public:
    OknaStacjiOkienne(const Siec& s, QWidget* rodzic) : s_(s), rodzic_(rodzic) {}
    ~OknaStacjiOkienne() override;

    int wyszukajStacje(const Siec& s, const std::vector<int>& lista) override;
    int wybierzOznaczona(const QStringList& nazwy) override;

    // Punkt otwarcia najbliższego okna (potem znów kursor myszy).
    void otworzPrzy(QPoint punkt) { punkt_ = punkt; }
    // Okno listy stacji (utworzone przy pierwszym użyciu).
    TFrmListaStacji* listaStacji();

private:
    QPoint punkt();

    const Siec& s_;
    QPointer<QWidget> rodzic_;
    QPointer<TFrmListaStacji> lista_;
    std::optional<QPoint> punkt_;
};

} // namespace tks::ui
