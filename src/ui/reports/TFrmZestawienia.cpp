#include "TFrmZestawienia.h"

#include "OknaRaportow.h"
#include "TFrmPreview.h"
#include "app/Droga.h"
#include "common/Liczby.h"
#include "reports/Arkusz.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tks::ui {

namespace {

inline const QString kFiltrArkuszy = QStringLiteral("Arkusze|*.xlsx");

QLineEdit* poleSumy(const char* nazwa)
{
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(170);
    return e;
}

QTableView* siatka(ModelTabeli* model, const char* nazwa)
{
    auto* g = new QTableView;
    g->setObjectName(QString::fromLatin1(nazwa));
    g->setModel(model);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->verticalHeader()->hide();
    g->setAlternatingRowColors(true);
    return g;
}

// Postęp długiej pracy z przyciskiem "Anuluj"; okno pojawia się po sekundzie.
std::function<bool(int, int)> postepWOknie(QProgressDialog& okno)
{
    okno.setWindowModality(Qt::WindowModal);
    okno.setMinimumDuration(1000);
    okno.setAutoClose(false);
    okno.setAutoReset(false);
    okno.setValue(0);
    return [&okno](int gotowe, int wszystkie) {
        if (okno.maximum() != wszystkie)
            okno.setMaximum(std::max(1, wszystkie));
        okno.setValue(gotowe);   // okno modalne: przetwarza zdarzenia, także "Anuluj"
        return !okno.wasCanceled();
    };
}

// Wiersze droższe na czerwonawym tle, tańsze na zielonkawym, bez odtworzonej trasy na szarym.
class ModelPrzeliczenia : public ModelTabeli {
public:
    using ModelTabeli::ModelTabeli;
    QVariant data(const QModelIndex& indeks, int rola) const override
    {
        if (rola == Qt::BackgroundRole && tabela()) {
            switch (zmianaCenyWiersza(*tabela(), wierszTabeli(indeks.row()))) {
            case ZmianaCeny::Drozej: return QColor(0xFF, 0xD8, 0xD0);
            case ZmianaCeny::Taniej: return QColor(0xD8, 0xF0, 0xD0);
            case ZmianaCeny::NieOdtworzono: return QColor(0xD8, 0xD8, 0xD8);
            case ZmianaCeny::BezZmian: break;
            }
        }
        return ModelTabeli::data(indeks, rola);
    }
};

} // namespace

// ---- okno wyników przeliczenia ----

TFrmPrzeliczenie::TFrmPrzeliczenie(SesjaPrzeliczenia& sesja, WynikiPrzeliczenia& wyniki, Interakcja& interakcja,
                                   QWidget* rodzic)
    : QDialog(rodzic), sesja_(sesja), wyniki_(wyniki), interakcja_(interakcja)
{
    setObjectName(QStringLiteral("FrmPrzeliczenie"));
    setWindowTitle(QStringLiteral("Przeliczenie pociągów na obecnej sieci"));
    tabela_ = tabelaPrzeliczenia(wyniki_);
    model_ = new ModelPrzeliczenia(&tabela_, this);
    for (const auto& [pole, tytul] : tytulyPrzeliczenia())
        model_->ustawTytul(pole, tytul);
    for (const char* p : {"DlugoscPrzed", "DlugoscTeraz"})
        model_->ustawFormat(QString::fromLatin1(p), QStringLiteral("#,##0.000 km"));
    for (const char* p : {"CenaPrzed", "CenaTeraz", "RoznicaCeny", "CenaRozkPrzed", "CenaRozkTeraz", "RoznicaCenyRozk"})
        model_->ustawFormat(QString::fromLatin1(p), QStringLiteral("#,###,##0.00 zł"));

    LabelPodsumowanie = new QLabel;
    LabelPodsumowanie->setObjectName(QStringLiteral("LabelPodsumowanie"));
    LabelPodsumowanie->setWordWrap(true);
    DBGrid1 = siatka(model_, "DBGrid1");
    BitBtnZapisz = new QPushButton(QStringLiteral("&Zapisz nowe ceny"));
    BitBtnZapisz->setObjectName(QStringLiteral("BitBtnZapisz"));
    BitBtnArkusz = new QPushButton(QStringLiteral("Zapisz do &arkusza (.xlsx)"));
    BitBtnArkusz->setObjectName(QStringLiteral("BitBtnArkusz"));
    BitBtnZamknij = new QPushButton(QStringLiteral("Zam&knij"));
    BitBtnZamknij->setObjectName(QStringLiteral("BitBtnZamknij"));
    BitBtnZamknij->setDefault(true);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(BitBtnZapisz);
    przyciski->addWidget(BitBtnArkusz);
    przyciski->addStretch(1);
    przyciski->addWidget(BitBtnZamknij);
    auto* u = new QVBoxLayout(this);
    u->addWidget(LabelPodsumowanie);
    u->addWidget(DBGrid1, 1);
    u->addLayout(przyciski);

    connect(BitBtnZapisz, &QPushButton::clicked, this, &TFrmPrzeliczenie::ZapiszNoweCeny);
    connect(BitBtnArkusz, &QPushButton::clicked, this, &TFrmPrzeliczenie::ZapiszDoArkusza);
    connect(BitBtnZamknij, &QPushButton::clicked, this, &QDialog::accept);
    wyborArkusza = [this](const QString& proponowana) {
        return wybierzPlikDoZapisu(this, proponowana, kFiltrArkuszy, QStringLiteral("xlsx"));
    };
    resize(1100, 560);
    odswiez();
}

// Siatka jeszcze odświeża się przy zamykaniu okna: model nie może wskazywać
// tabeli, która już nie istnieje.
TFrmPrzeliczenie::~TFrmPrzeliczenie() { model_->ustawTabele(nullptr); }

void TFrmPrzeliczenie::odswiez()
{
    tabela_ = tabelaPrzeliczenia(wyniki_);
    model_->odswiez();
    DBGrid1->resizeColumnsToContents();
    if (DBGrid1->columnWidth(model_->columnCount() - 1) > 420)
        DBGrid1->setColumnWidth(model_->columnCount() - 1, 420);
    LabelPodsumowanie->setText(podsumowaniePrzeliczenia(wyniki_));
    int doZapisu = 0;
    for (const WynikPrzeliczenia& w : wyniki_.pociagi)
        doZapisu += w.odtworzona && w.zmieniony && !w.zapisany;
    BitBtnZapisz->setEnabled(doZapisu > 0);
}

void TFrmPrzeliczenie::ZapiszNoweCeny()
{
    int doZapisu = 0;
    for (const WynikPrzeliczenia& w : wyniki_.pociagi)
        doZapisu += w.odtworzona && w.zmieniony && !w.zapisany;
    if (doZapisu == 0)
        return;
    if (interakcja_.pytanie(QStringLiteral("Zapisać nowe ceny %1 pociągów? Pociągi bez odtworzonej trasy zostaną "
                                           "bez zmian.")
                                .arg(doZapisu),
                            QStringLiteral("Uwaga !"), Ikona::Pytanie, Przyciski::TakNie)
        != Odpowiedz::Tak)
        return;
    QProgressDialog okno(QStringLiteral("Zapisywanie pociągów..."), QStringLiteral("Anuluj"), 0, doZapisu, this);
    sesja_.zapiszZmienione(wyniki_, postepWOknie(okno));
    okno.close();
    zapisano_ = true;
    odswiez();
    if (wyniki_.bledyZapisu > 0)
        interakcja_.komunikat(QStringLiteral("Nie zapisano %1 pociągów; ich pliki zostały bez zmian. Przyczyny są "
                                             "w kolumnie \"Uwagi\".")
                                  .arg(wyniki_.bledyZapisu),
                              kTytulBlad, Ikona::Blad);
}

void TFrmPrzeliczenie::ZapiszDoArkusza()
{
    const QString plik = wyborArkusza ? wyborArkusza(QDir(sesja_.droga.katalogProgramu).filePath(
                                            QStringLiteral("Przeliczenie.xlsx")))
                                      : QString();
    if (plik.isEmpty())
        return;
    QString blad;
    if (!zapiszXlsx(plik, {arkuszPrzeliczenia(tabela_)}, blad))
        interakcja_.komunikat(blad, kTytulBlad, Ikona::Blad);
}

// ---- okno zestawień ----

TFrmZestawienia::TFrmZestawienia(Droga& d, QWidget* rodzic) : QDialog(rodzic), d_(d)
{
    setObjectName(QStringLiteral("FrmZestawienia"));
    setWindowTitle(kTytulZestawien);

    MainMenu1 = new QMenuBar(this);
    Drukujzestawienie1 = MainMenu1->addAction(QStringLiteral("&Drukuj zestawienie"));
    Drukujzestawienie1->setObjectName(QStringLiteral("Drukujzestawienie1"));

    Label1 = new QLabel(QStringLiteral("Wykaz pociągow"));
    model_ = new ModelTabeli(&z_.lista, this);
    QStringList kolumny;
    for (const KolumnaZestawienia& k : kolumnyZestawienia()) {
        kolumny << k.pole;
        model_->ustawTytul(k.pole, k.tytul);
    }
    model_->ustawKolumny(kolumny);
    model_->ustawFormat(QStringLiteral("Dlugosc"), QStringLiteral("#,##0.000"));
    model_->ustawFormat(QStringLiteral("CenaWyliczona"), QStringLiteral("#,###,##0.00 zł"));
    model_->ustawFormat(QStringLiteral("CenaRozkJazdy"), QStringLiteral("#,###,##0.00 zł"));
    DBGrid1 = siatka(model_, "DBGrid1");
    Label1->setBuddy(DBGrid1);
    for (int i = 0; i < kolumnyZestawienia().size(); ++i)
        DBGrid1->setColumnHidden(i, kolumnyZestawienia()[i].ukryta);

    GroupBox1 = new QGroupBox(QStringLiteral("Rodzaj pociągu"));
    CheckBoxWszystkie = new QCheckBox(QStringLiteral("&Wszystkie rodzaje"));
    CheckBoxWszystkie->setObjectName(QStringLiteral("CheckBoxWszystkie"));
    CheckBoxWszystkie->setChecked(true);
    DBLookupComboBoxRodzaj = new QComboBox;
    DBLookupComboBoxRodzaj->setObjectName(QStringLiteral("DBLookupComboBoxRodzaj"));
    DBLookupComboBoxRodzaj->setEnabled(false);
    DBLookupComboBoxRodzaj->setMinimumWidth(180);
    {
        auto* g = new QHBoxLayout(GroupBox1);
        g->addWidget(CheckBoxWszystkie);
        g->addWidget(DBLookupComboBoxRodzaj, 1);
    }

    DBEditSumaCen = poleSumy("DBEditSumaCen");
    DBEditSumaCenRozk = poleSumy("DBEditSumaCenRozk");
    DBEditLiczbaPoc = poleSumy("DBEditLiczbaPoc");
    auto* sumy = new QGridLayout;
    const auto suma = [sumy](int wiersz, const QString& podpis, QLineEdit* pole) {
        auto* l = new QLabel(podpis);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sumy->addWidget(l, wiersz, 0);
        sumy->addWidget(pole, wiersz, 1);
    };
    suma(0, kSumaCen, DBEditSumaCen);
    suma(1, kSumaCenRozk, DBEditSumaCenRozk);
    suma(2, kLiczbaPoc, DBEditLiczbaPoc);

    BitBtnSchowek = new QPushButton(QStringLiteral("Zapisz wykaz do &schowka"));
    BitBtnSchowek->setObjectName(QStringLiteral("BitBtnSchowek"));
    BitBtnArkusz = new QPushButton(QStringLiteral("Zapisz do &arkusza (.xlsx)"));
    BitBtnArkusz->setObjectName(QStringLiteral("BitBtnArkusz"));
    BitBtnPrzelicz = new QPushButton(QStringLiteral("&Przelicz wszystkie na obecnej sieci"));
    BitBtnPrzelicz->setObjectName(QStringLiteral("BitBtnPrzelicz"));
    BitBtnZamknij = new QPushButton(QStringLiteral("Zam&knij"));
    BitBtnZamknij->setObjectName(QStringLiteral("BitBtnZamknij"));

    auto* przyciski = new QVBoxLayout;
    przyciski->addWidget(BitBtnSchowek);
    przyciski->addWidget(BitBtnArkusz);
    przyciski->addWidget(BitBtnPrzelicz);
    przyciski->addStretch(1);
    przyciski->addWidget(BitBtnZamknij);

    auto* dol = new QHBoxLayout;
    auto* lewa = new QVBoxLayout;
    lewa->addWidget(GroupBox1);
    lewa->addLayout(sumy);
    dol->addLayout(lewa, 1);
    dol->addSpacing(20);
    dol->addLayout(przyciski);

    // siatka na całą szerokość bez dwóch lewych marginesów i 5 px; przyciski 15 px od prawej krawędzi
    auto* u = new QVBoxLayout(this);
    u->setMenuBar(MainMenu1);
    u->setContentsMargins(8, 4, 15, 8);
    u->addWidget(Label1);
    u->addWidget(DBGrid1, 1);
    u->addLayout(dol);

    connect(CheckBoxWszystkie, &QCheckBox::toggled, this, &TFrmZestawienia::FiltrZmieniony);
    connect(DBLookupComboBoxRodzaj, &QComboBox::currentIndexChanged, this, &TFrmZestawienia::FiltrZmieniony);
    connect(BitBtnSchowek, &QPushButton::clicked, this, &TFrmZestawienia::ZapiszDoSchowka);
    connect(BitBtnArkusz, &QPushButton::clicked, this, &TFrmZestawienia::ZapiszDoArkusza);
    connect(BitBtnPrzelicz, &QPushButton::clicked, this, &TFrmZestawienia::PrzeliczWszystkie);
    connect(BitBtnZamknij, &QPushButton::clicked, this, &QDialog::accept);
    connect(Drukujzestawienie1, &QAction::triggered, this, [this] { DrukujZestawienie(); });

    wyborArkusza = [this](const QString& proponowana) {
        return wybierzPlikDoZapisu(this, proponowana, kFiltrArkuszy, QStringLiteral("xlsx"));
    };
    pokazPrzeliczenie = [this](SesjaPrzeliczenia& s, WynikiPrzeliczenia& w) {
        TFrmPrzeliczenie okno(s, w, d_.interakcja, this);
        okno.exec();
    };

    resize(945, 600);
    pokazSumy();
}

TFrmZestawienia::~TFrmZestawienia() { model_->ustawTabele(nullptr); }

void TFrmZestawienia::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFrmZestawienia::FormShow()
{
    // lista rodzajów stawek z sieci; wybrany rodzaj okna głównego
    {
        const QSignalBlocker b(DBLookupComboBoxRodzaj);
        DBLookupComboBoxRodzaj->clear();
        const Tabela& r = d_.siec.RodzajeStawekTab;
        for (int w = 0; w < r.liczbaWierszy(); ++w)
            DBLookupComboBoxRodzaj->addItem(r.tekst(w, QStringLiteral("Nazwa")),
                                            r.calkowita(w, QStringLiteral("IdRodzajuStawki")));
        const int i = DBLookupComboBoxRodzaj->findData(d_.kontrolki.idRodzajuStawki);
        DBLookupComboBoxRodzaj->setCurrentIndex(i >= 0 ? i : 0);
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ZbudujZestawienie(d_, z_);
    QGuiApplication::restoreOverrideCursor();
    FiltrZmieniony();
    DBGrid1->resizeColumnsToContents();
}

void TFrmZestawienia::FiltrZmieniony()
{
    const bool wszystkie = CheckBoxWszystkie->isChecked();
    DBLookupComboBoxRodzaj->setEnabled(!wszystkie);
    const QVariant id = DBLookupComboBoxRodzaj->currentData();
    FiltrujZestawienie(z_, d_.siec, wszystkie, id.isValid() ? id.toInt() : 0);
    model_->odswiez();
    pokazSumy();
}

void TFrmZestawienia::pokazSumy()
{
    DBEditSumaCen->setText(formatujZl(z_.SumaCen));
    DBEditSumaCenRozk->setText(formatujZl(z_.SumaCenRozk));
    DBEditLiczbaPoc->setText(QString::number(z_.LiczbaPoc));
    // "Drukuj zestawienie" tylko przy niepustej liście
    Drukujzestawienie1->setEnabled(drukZestawieniaDostepny(z_));
}

void TFrmZestawienia::ZapiszDoSchowka() { QGuiApplication::clipboard()->setText(tekstZestawienia(z_)); }

TFrmPreview* TFrmZestawienia::DrukujZestawienie()
{
    if (!drukZestawieniaDostepny(z_))
        return nullptr;
    auto raport = std::make_shared<const Raport>(RaportZestawienia(z_));
    auto* okno = new TFrmPreview(std::move(raport), d_.interakcja,
                                 QDir(d_.katalogProgramu).filePath(QStringLiteral("Zestawienie.pdf")), this);
    okno->pokaz();
    return okno;
}

void TFrmZestawienia::ZapiszDoArkusza()
{
    const QString plik =
        wyborArkusza ? wyborArkusza(QDir(d_.katalogProgramu).filePath(QStringLiteral("Zestawienie.xlsx"))) : QString();
    if (plik.isEmpty())
        return;
    QString blad;
    if (!zapiszXlsx(plik, {arkuszZestawienia(z_)}, blad))
        d_.interakcja.komunikat(blad, kTytulBlad, Ikona::Blad);
}

void TFrmZestawienia::PrzeliczWszystkie()
{
    // osobna kopia sieci i stanu: pociąg otwarty w oknie głównym zostaje nietknięty
    SesjaPrzeliczenia sesja(d_);
    WynikiPrzeliczenia wyniki;
    QString blad;
    bool udane = false;
    {
        QProgressDialog okno(QStringLiteral("Przeliczanie pociągów na obecnej sieci..."), QStringLiteral("Anuluj"), 0,
                             std::max(1, z_.lista.liczbaWierszy()), this);
        udane = sesja.przelicz(wyniki, false, postepWOknie(okno), blad);
        okno.close();
    }
    if (!udane) {
        d_.interakcja.komunikat(blad, kTytulBlad, Ikona::Blad);
        return;
    }
    if (pokazPrzeliczenie)
        pokazPrzeliczenie(sesja, wyniki);
    if (wyniki.zapisane > 0)
        FormShow();   // nowe ceny na liście
}

} // namespace tks::ui
