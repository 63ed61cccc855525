#include "SzerokosciKolumn.h"

#include "PlikUstawien.h"

#include <algorithm>

namespace tks {

namespace {
const QString kSekcja = QStringLiteral("Kolumny");
QString klucz(const QString& okno, const QString& kolumna) { return okno + QLatin1Char('.') + kolumna; }
} // namespace

QHash<QString, int> WczytajSzerokosciKolumn(const QString& plikUstawien, const QString& okno,
                                            const QStringList& kolumny)
{
    QHash<QString, int> w;
    if (plikUstawien.isEmpty())
        return w;
    const PlikUstawien p(plikUstawien);
    for (const QString& k : kolumny) {
        const int s = p.calkowita(kSekcja, klucz(okno, k), 0);
        if (s >= kMinSzerokoscKolumny && s <= kMaxSzerokoscKolumny)
            w.insert(k, s);
    }
    return w;
}

bool ZapiszSzerokosciKolumn(const QString& plikUstawien, const QString& okno, const QHash<QString, int>& szerokosci,
                            QString& blad)
{
    if (plikUstawien.isEmpty() || szerokosci.isEmpty())
        return true;
    PlikUstawien p(plikUstawien);
    for (auto i = szerokosci.cbegin(); i != szerokosci.cend(); ++i)
        p.zapiszCalkowita(kSekcja, klucz(okno, i.key()),
                          std::clamp(i.value(), kMinSzerokoscKolumny, kMaxSzerokoscKolumny));
    return p.zapisz(blad);
}

} // namespace tks
