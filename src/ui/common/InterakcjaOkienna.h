#pragma once
// Interakcja rdzenia z człowiekiem przez okna komunikatów i wyboru.

#include "common/Interakcja.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace tks::ui {

class InterakcjaOkienna : public Interakcja {
public:
    // `rodzic`: okno, nad którym pokazują się komunikaty (domyślnie aktywne okno).
    explicit InterakcjaOkienna(QWidget* rodzic = nullptr) : rodzic_(rodzic) {}
    void ustawRodzica(QWidget* r) { rodzic_ = r; }
    // Wybór spośród obiektów trafionych kliknięciem na mapie ("Wybór stacji"):
    // lista pokazywana przez mapę przy kursorze.
    void ustawWyborNaMapie(std::function<int(const QStringList&)> f) { wyborNaMapie_ = std::move(f); }

    void komunikat(const QString& tekst, const QString& tytul, Ikona ikona) override;
    Odpowiedz pytanie(const QString& tekst, const QString& tytul, Ikona ikona, Przyciski przyciski) override;
    int wybor(const QString& tytul, const QString& opis, const QStringList& pozycje) override;

private:
    QWidget* rodzic() const;
    QPointer<QWidget> rodzic_;
    std::function<int(const QStringList&)> wyborNaMapie_;
};

} // namespace tks::ui
