#pragma once
// Lista wyboru "Wybór stacji": okno bez ramki przy kursorze na mapie, gdy
// kliknięcie trafiło kilka stacji albo linii. Kliknięcie pozycji = OK,
// puszczenie klawisza Esc = rezygnacja.

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

namespace tks::ui {

class TFrmDrogaWybor : public QDialog {
    Q_OBJECT
public:
    explicit TFrmDrogaWybor(QWidget* rodzic = nullptr);

    // Wypełnia listę (posortowaną) i zaznacza pierwszą pozycję.
    void ustawPozycje(const QStringList& pozycje);
    // Rozmiar listy według tekstów: najszerszy tekst i suma wysokości pozycji.
    int najszerszyTekst() const;
    int wysokoscTekstow() const;
    // Zaznaczony tekst (pusty, gdy brak).
    QString wybranyTekst() const;

    // Pokazuje listę modalnie przy kursorze (piksele obszaru mapy `mapa`);
    // zwraca indeks w `pozycje` pozycji o wybranym tekście albo -1 przy rezygnacji.
    static int wybierz(QWidget* mapa, QPoint kursor, const QStringList& pozycje);

    QLabel* Label1 = nullptr;        // "Proszę wybrać :"
    QListWidget* ListBox1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};

} // namespace tks::ui
