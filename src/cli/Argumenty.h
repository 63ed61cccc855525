#pragma once
// Argumenty wiersza poleceń: opcje w kolejności podania (kolejność operacji na
// trasie ma znaczenie) oraz argumenty pozycyjne.

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <stdexcept>

namespace tks::cli {

// Błąd wywołania albo danych wejściowych: kod wyjścia 2.
struct BladUzycia : std::runtime_error {
    explicit BladUzycia(const QString& s) : std::runtime_error(s.toStdString()) {}
};
// Operacja nie mogła być wykonana (plik, baza): kod wyjścia 1.
struct BladOperacji : std::runtime_error {
    explicit BladOperacji(const QString& s) : std::runtime_error(s.toStdString()) {}
};

struct Opcja {
    QString nazwa;   // bez "--"
    QString wartosc;
};

class Argumenty {
public:
    // `zWartoscia`: opcje przyjmujące wartość; `flagi`: opcje bez wartości.
    Argumenty(const QStringList& argumenty, const QStringList& zWartoscia, const QStringList& flagi = {});

    const QVector<Opcja>& opcje() const { return opcje_; }
    const QStringList& pozycyjne() const { return pozycyjne_; }
    std::optional<QString> wartosc(const QString& nazwa) const;   // ostatnie wystąpienie
    QString wartosc(const QString& nazwa, const QString& domyslna) const;
    bool flaga(const QString& nazwa) const;
    int liczba(const QString& nazwa, int domyslna) const;

private:
    QVector<Opcja> opcje_;
    QStringList pozycyjne_;
};

} // namespace tks::cli
