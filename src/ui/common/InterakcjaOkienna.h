#pragma once
// Interakcja rdzenia z człowiekiem przez okna komunikatów i wyboru.

#include "common/Interakcja.h"

#include <QPointer>
#include <QWidget>

namespace tks::ui {

class InterakcjaOkienna : public Interakcja {
public:
    // `rodzic`: okno, nad którym pokazują się komunikaty (domyślnie aktywne okno).
    explicit InterakcjaOkienna(QWidget* rodzic = nullptr) : rodzic_(rodzic) {}
    void ustawRodzica(QWidget* r) { rodzic_ = r; }

    void komunikat(const QString& tekst, const QString& tytul, Ikona ikona) override;
    Odpowiedz pytanie(const QString& tekst, const QString& tytul, Ikona ikona, Przyciski przyciski) override;
    int wybor(const QString& tytul, const QString& opis, const QStringList& pozycje) override;

private:
    QWidget* rodzic() const;
    QPointer<QWidget> rodzic_;
};

} // namespace tks::ui
