#include "TFrmPorownanieTras.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tks::ui {

TFrmPorownanieTras::TFrmPorownanieTras(std::vector<TrasaKryterium> trasy, int obecne, QWidget* rodzic)
    : QDialog(rodzic), trasy_(std::move(trasy))
{
    setObjectName(QStringLiteral("FrmPorownanieTras"));
    setWindowTitle(QStringLiteral("Porównanie tras"));
    auto* uklad = new QVBoxLayout(this);

    const QStringList wiersze = wierszePorownania();
    Tabela = new QTableWidget(int(wiersze.size()) + 1, int(trasy_.size()), this);
    Tabela->setObjectName(QStringLiteral("Tabela"));
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionMode(QAbstractItemView::NoSelection);
    Tabela->setWordWrap(true);
    QStringList naglowkiWierszy = wiersze;
    naglowkiWierszy << QString();
    Tabela->setVerticalHeaderLabels(naglowkiWierszy);

    QStringList uwagi;
    for (int c = 0; c < int(trasy_.size()); ++c) {
        const TrasaKryterium& t = trasy_[std::size_t(c)];
        QString naglowek = nazwaKryteriumPorownania(t.kryterium);
        if (t.kryterium == obecne)
            naglowek += QStringLiteral("\n(obecna trasa)");
        Tabela->setHorizontalHeaderItem(c, new QTableWidgetItem(naglowek));
        const QStringList komorki = komorkiPorownania(t);
        for (int w = 0; w < komorki.size(); ++w) {
            auto* k = new QTableWidgetItem(komorki[w]);
            k->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tabela->setItem(w, c, k);
        }
        auto* uzyj = new QPushButton(QStringLiteral("Użyj tej trasy"), Tabela);
        uzyj->setObjectName(QStringLiteral("Uzyj%1").arg(t.kryterium));
        const bool naLiscie = kryteriumNaLiscie(t.kryterium);
        uzyj->setEnabled(naLiscie && t.kryterium != obecne && !t.sciezki.empty());
        if (!naLiscie)
            uzyj->setToolTip(QStringLiteral("Tej trasy nie można wybrać: lista „Kryterium wyboru trasy” "
                                            "nie ma kryterium czasu jazdy."));
        const int kryterium = t.kryterium;
        connect(uzyj, &QPushButton::clicked, this, [this, kryterium] {
            wybrane_ = kryterium;
            accept();
        });
        Tabela->setCellWidget(int(wiersze.size()), c, uzyj);
        przyciskiUzyj.push_back(uzyj);
        for (const auto& z : t.komunikaty)
            uwagi << nazwaKryteriumPorownania(t.kryterium) + QStringLiteral(": ") + QString(z.tekst).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    // wiersze stałej wysokości (linie: trzy wiersze tekstu), cała tabela widoczna bez przewijania
    Tabela->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QHeaderView* pion = Tabela->verticalHeader();
    pion->setSectionResizeMode(QHeaderView::Fixed);
    const int wiersz = fontMetrics().height() + 10;
    pion->setDefaultSectionSize(wiersz);
    const int nrLinii = int(wiersze.indexOf(QStringLiteral("Linie")));
    if (nrLinii >= 0)
        pion->resizeSection(nrLinii, 3 * fontMetrics().height() + 10);
    if (!przyciskiUzyj.empty())
        pion->resizeSection(int(wiersze.size()), przyciskiUzyj.front()->sizeHint().height() + 8);
    int wysokosc = Tabela->horizontalHeader()->sizeHint().height() + 2 * Tabela->frameWidth();
    for (int w = 0; w < Tabela->rowCount(); ++w)
        wysokosc += pion->sectionSize(w);
    Tabela->setMinimumHeight(wysokosc);
    Tabela->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    uklad->addWidget(Tabela, 1);

    uwagi.prepend(QStringLiteral("Trasa „najszybsza” jest tylko do porównania: lista „Kryterium wyboru trasy” "
                                 "nie ma tego kryterium. Wybiera ona odcinki według prędkości rozkładowych linii; "
                                 "czas jazdy z symulacji przejazdu (rozpędzanie, hamowanie, ograniczenia) może "
                                 "wyjść dłuższy niż na innej trasie."));
    LabelUwagi = new QLabel(uwagi.join(QLatin1Char('\n')), this);
    LabelUwagi->setObjectName(QStringLiteral("LabelUwagi"));
    LabelUwagi->setWordWrap(true);
    uklad->addWidget(LabelUwagi);

    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Close, this);
    przyciski->button(QDialogButtonBox::Close)->setText(QStringLiteral("Zamknij"));
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    uklad->addWidget(przyciski);
    resize(820, sizeHint().height());
}

} // namespace tks::ui
