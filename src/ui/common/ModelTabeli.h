#pragma once
// Model siatki nad widokiem tabeli `Tabela`: kolejność według indeksu tabeli,
// wiersze przepuszczone przez filtr tabeli (i opcjonalny filtr modelu), Null
// pokazywany jako puste pole, formaty kolumn ("#,###,##0.00 zł").
// Wszystkie siatki programu pokazują tabele przez ten model.

#include "common/Tabela.h"

#include <QAbstractTableModel>
#include <QHash>

namespace tks::ui {

// Tekst wartości pola według wzorca. Wzorce liczbowe: "0", "0.00", "#,##0.000",
// z dowolnym tekstem przed i po ("#,###,##0.00 zł"); przecinek we wzorcu
// włącza grupowanie tysięcy. Pola logiczne: wzorzec "Tak;Nie" (domyślny).
// Data: wzorzec w składni QDateTime ("dd.MM.yyyy", domyślny). Null: pusty tekst.
QString tekstPola(const QVariant& v, TypPola typ, const QString& wzorzec = {});

class ModelTabeli : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelTabeli(Tabela* tabela = nullptr, QObject* rodzic = nullptr);

    void ustawTabele(Tabela* tabela);
    Tabela* tabela() const { return tabela_; }

    // Kolumny pokazywane, w tej kolejności (nazwy kolumn tabeli); pusta lista = wszystkie.
    void ustawKolumny(const QStringList& nazwy);
    void ustawTytul(const QString& kolumna, const QString& tytul);
    void ustawFormat(const QString& kolumna, const QString& wzorzec);
    // Dodatkowy filtr modelu (tabela zostaje nietknięta); pusty = brak.
    void ustawFiltr(Tabela::Filtr f);

    // Ponowne odczytanie widoku tabeli po jej zmianie.
    void odswiez();

    // Wiersz tabeli pokazany w wierszu modelu; -1 poza zakresem.
    int wierszTabeli(int wierszModelu) const;
    // Wiersz modelu, w którym jest wiersz tabeli; -1, gdy go nie widać.
    int wierszModelu(int wierszTabeli) const;
    // Kolumna tabeli pokazana w kolumnie modelu.
    int kolumnaTabeli(int kolumnaModelu) const;
    int kolumnaModelu(const QString& nazwa) const;

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola = Qt::DisplayRole) const override;
    // Sortowanie siatki ustawia indeks tabeli (rosnąco bez rozróżniania
    // wielkości liter, malejąco).
    void sort(int kolumna, Qt::SortOrder porzadek = Qt::AscendingOrder) override;

private:
    Tabela* tabela_ = nullptr;
    QStringList nazwyKolumn_;
    QVector<int> kolumny_;
    QVector<int> wiersze_;
    QHash<QString, QString> tytuly_;
    QHash<QString, QString> formaty_;
    Tabela::Filtr filtr_;

    void ustalKolumny();
};

} // namespace tks::ui
