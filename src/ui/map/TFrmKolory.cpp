#include "TFrmKolory.h"

#include "app/Droga.h"
#include "map/Kolory.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QVBoxLayout>

namespace tks::ui {

namespace {

constexpr std::int32_t kGranatowy = 0x800000;

// Pozycja listy obszarów: próbka koloru i "   nazwa   " od x = 30, na
// granatowym tle, gdy wybrana.
class RysowanieObszaru : public QStyledItemDelegate {
public:
    RysowanieObszaru(std::vector<TPodzial>& obszary, QObject* rodzic) : QStyledItemDelegate(rodzic), obszary_(obszary) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override
    {
        const QRect r = opcje.rect;
        const bool wybrana = opcje.state & (QStyle::State_Selected | QStyle::State_HasFocus);
        p->save();
        p->fillRect(r, wybrana ? kolorZBgr(kGranatowy) : opcje.palette.base().color());
        const int i = indeks.row();
        if (i >= 0 && std::size_t(i) < obszary_.size()) {
            p->setPen(Qt::black);
            p->setBrush(kolorZBgr(obszary_[std::size_t(i)].Kolor));
            p->drawRect(QRect(QPoint(r.left() + 1, r.top() + 1), QPoint(r.left() + 20, r.bottom() - 1)));
        }
        p->setPen(wybrana ? Qt::white : opcje.palette.text().color());
        p->drawText(r.adjusted(30, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, indeks.data().toString());
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(opcje, indeks);
        s.setWidth(s.width() + 30);
        s.setHeight(std::max(s.height(), 18));
        return s;
    }

private:
    std::vector<TPodzial>& obszary_;
};

// Lista obszarów z rysowanymi pozycjami; pole pokazuje pozycję tak jak lista.
class ListaObszarow : public QComboBox {
public:
    ListaObszarow(std::vector<TPodzial>& obszary, QWidget* rodzic) : QComboBox(rodzic), obszary_(obszary)
    {
        setItemDelegate(new RysowanieObszaru(obszary, this));
        for (const TPodzial& o : obszary)
            addItem(TekstPozycjiObszaru(o.Nazwa.tekst()));
        setMinimumWidth(260);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // pole listy jak pozycja: próbka koloru, potem nazwa od x = 30
        QStylePainter p(this);
        QStyleOptionComboBox opcje;
        initStyleOption(&opcje);
        const QString tekst = opcje.currentText;
        opcje.currentText.clear();
        opcje.currentIcon = QIcon();
        p.drawComplexControl(QStyle::CC_ComboBox, opcje);
        p.drawControl(QStyle::CE_ComboBoxLabel, opcje);
        const QRect pole = style()->subControlRect(QStyle::CC_ComboBox, &opcje, QStyle::SC_ComboBoxEditField, this);
        const int i = currentIndex();
        if (i >= 0 && std::size_t(i) < obszary_.size()) {
            p.setPen(Qt::black);
            p.setBrush(kolorZBgr(obszary_[std::size_t(i)].Kolor));
            p.drawRect(QRect(QPoint(pole.left() + 1, pole.top() + 2), QPoint(pole.left() + 20, pole.bottom() - 2)));
        }
        p.setPen(palette().text().color());
        p.drawText(pole.adjusted(30, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, tekst);
    }

private:
    std::vector<TPodzial>& obszary_;
};

} // namespace

ProbkaKoloru::ProbkaKoloru(QWidget* rodzic) : QToolButton(rodzic)
{
    setFixedSize(44, 22);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ProbkaKoloru::ustawKolor(std::int32_t bgr)
{
    kolor_ = bgr;
    update();
}

void ProbkaKoloru::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(hasFocus() ? palette().highlight().color() : QColor(Qt::black));
    p.setBrush(kolorZBgr(kolor_));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

TFrmKolory::TFrmKolory(Droga& d, std::function<void()> zmianaObszaru, QWidget* rodzic)
    : QDialog(rodzic), d_(d), zmianaObszaru_(std::move(zmianaObszaru))
{
    setObjectName(QStringLiteral("FrmKolory"));
    setWindowTitle(kTytulOknaKolorow);
    const StanOknaKolorow s = WczytajOknoKolorow(d);

    auto* glowny = new QVBoxLayout(this);
    auto* siatka = new QGridLayout;
    siatka->setHorizontalSpacing(8);
    siatka->setVerticalSpacing(6);
    // dwie kolumny próbek: kolory sieci po lewej, kolory trasy po prawej
    for (int i = 0; i < kLiczbaKolorow; ++i) {
        const PoleKoloru& pk = kPolaKolorow[std::size_t(i)];
        auto* probka = new ProbkaKoloru(this);
        probka->setObjectName(QString::fromLatin1(pk.kontrolka));
        probka->ustawKolor(s.kolory[std::size_t(i)]);
        QString podpis = QString::fromUtf8(pk.podpis);
        podpis.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        auto* etykieta = new QLabel(podpis, this);
        etykieta->setBuddy(probka);
        if (podpis.isEmpty())
            probka->setToolTip(QStringLiteral("Kolor tła mapy"));
        probki[std::size_t(i)] = probka;
        podpisy[std::size_t(i)] = etykieta;
        const int kolumna = i < 7 ? 0 : 2;
        const int wiersz = i < 7 ? i : i - 7;
        siatka->addWidget(probka, wiersz, kolumna);
        siatka->addWidget(etykieta, wiersz, kolumna + 1);
        connect(probka, &QToolButton::clicked, this, [this, i] { wybierzKolorProbki(i); });
    }
    siatka->setColumnMinimumWidth(1, 220);
    glowny->addLayout(siatka);

    auto* obszary = new QGridLayout;
    auto* lWoj = new QLabel(QStringLiteral("Kolor województwa"), this);
    ComboBoxKoloryWoj = new ListaObszarow(d.siec.Wojewodztwa, this);
    ComboBoxKoloryWoj->setObjectName(QStringLiteral("ComboBoxKoloryWoj"));
    lWoj->setBuddy(ComboBoxKoloryWoj);
    obszary->addWidget(lWoj, 0, 0);
    obszary->addWidget(ComboBoxKoloryWoj, 1, 0);
    LabelKoloryIZ = new QLabel(QStringLiteral("Kolor zakładu"), this);
    ComboBoxKoloryIZ = new ListaObszarow(d.siec.Zaklady, this);
    ComboBoxKoloryIZ->setObjectName(QStringLiteral("ComboBoxKoloryIZ"));
    obszary->addWidget(LabelKoloryIZ, 0, 1);
    obszary->addWidget(ComboBoxKoloryIZ, 1, 1);
    LabelKoloryIZ->hide();
    ComboBoxKoloryIZ->hide();
    glowny->addLayout(obszary);
    connect(ComboBoxKoloryWoj, &QComboBox::activated, this, [this](int i) { wybierzKolorObszaru(true, i); });
    connect(ComboBoxKoloryIZ, &QComboBox::activated, this, [this](int i) { wybierzKolorObszaru(false, i); });

    auto* opcje = new QHBoxLayout;
    const auto grupa = [this](const char* nazwa, const QString& tytul, const QStringList& pozycje,
                              std::array<QRadioButton*, 2>& przyciski) {
        auto* g = new QGroupBox(tytul, this);
        g->setObjectName(QString::fromLatin1(nazwa));
        auto* l = new QVBoxLayout(g);
        auto* bg = new QButtonGroup(g);
        for (int i = 0; i < 2; ++i) {
            przyciski[std::size_t(i)] = new QRadioButton(pozycje[i], g);
            bg->addButton(przyciski[std::size_t(i)], i);
            l->addWidget(przyciski[std::size_t(i)]);
        }
        return g;
    };
    RGDrukarka = grupa("RGDrukarka", QStringLiteral("Rodzaj wydruku"), kRodzajeWydruku, drukarka);
    drukarka[std::size_t(s.rodzajWydruku)]->setChecked(true);
    drukarka[0]->setText(QStringLiteral("&") + kRodzajeWydruku[0]);
    drukarka[1]->setText(QStringLiteral("K&olorowy"));
    RadioGroupPodzial = grupa("RadioGroupPodzial", QStringLiteral("Podział terytorialny"), kPodzialyTerytorialne, podzial);
    podzial[std::size_t(s.podzial)]->setChecked(true);
    RadioGroupPodzial->hide();
    opcje->addWidget(RGDrukarka);
    opcje->addWidget(RadioGroupPodzial);
    auto* pola = new QVBoxLayout;
    CheckBoxNumerowanie = new QCheckBox(QStringLiteral("&Numerowanie stacji głównych i pośrednich"), this);
    CheckBoxNumerowanie->setObjectName(QStringLiteral("CheckBoxNumerowanie"));
    CheckBoxNumerowanie->setChecked(s.numerowanie);
    CheckBoxPasekSkali = new QCheckBox(QStringLiteral("&Pasek skali na mapie"), this);
    CheckBoxPasekSkali->setObjectName(QStringLiteral("CheckBoxPasekSkali"));
    CheckBoxPasekSkali->setChecked(s.pasekSkali);
    pola->addWidget(CheckBoxNumerowanie);
    pola->addWidget(CheckBoxPasekSkali);
    pola->addStretch();
    opcje->addLayout(pola, 1);
    glowny->addLayout(opcje);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    ButtonZapisz = new QPushButton(QStringLiteral("&Zapisz"), this);
    ButtonZapisz->setObjectName(QStringLiteral("ButtonZapisz"));
    ButtonZapisz->setDefault(true);
    ButtonAnuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    ButtonAnuluj->setObjectName(QStringLiteral("ButtonAnuluj"));
    przyciski->addWidget(ButtonZapisz);
    przyciski->addWidget(ButtonAnuluj);
    glowny->addLayout(przyciski);
    connect(ButtonZapisz, &QPushButton::clicked, this, &TFrmKolory::Zapisz);
    connect(ButtonAnuluj, &QPushButton::clicked, this, &QDialog::reject);

    wyborKoloru = [this](const QColor& start) -> std::optional<QColor> {
        const QColor k = QColorDialog::getColor(start, this, QStringLiteral("Kolor"));
        if (!k.isValid())
            return std::nullopt;
        return k;
    };
}

StanOknaKolorow TFrmKolory::stan() const
{
    StanOknaKolorow s;
    for (int i = 0; i < kLiczbaKolorow; ++i)
        s.kolory[std::size_t(i)] = probki[std::size_t(i)]->kolor();
    s.rodzajWydruku = drukarka[1]->isChecked() ? 1 : 0;
    s.numerowanie = CheckBoxNumerowanie->isChecked();
    s.podzial = podzial[0]->isChecked() ? 0 : 1;
    s.pasekSkali = CheckBoxPasekSkali->isChecked();
    return s;
}

void TFrmKolory::wybierzKolorProbki(int i)
{
    ProbkaKoloru* p = probki[std::size_t(i)];
    if (const auto k = wyborKoloru ? wyborKoloru(kolorZBgr(p->kolor())) : std::nullopt)
        p->ustawKolor(bgrZKoloru(*k));
}

void TFrmKolory::wybierzKolorObszaru(bool wojewodztwa, int indeks)
{
    std::vector<TPodzial>& obszary = wojewodztwa ? d_.siec.Wojewodztwa : d_.siec.Zaklady;
    if (indeks < 0 || std::size_t(indeks) >= obszary.size())
        return;
    TPodzial& o = obszary[std::size_t(indeks)];
    const auto k = wyborKoloru ? wyborKoloru(kolorZBgr(o.Kolor)) : std::nullopt;
    if (!k)
        return;
    // kolor od razu w rekordzie obszaru: mapa pokazuje go przed zapisem
    o.Kolor = bgrZKoloru(*k);
    (wojewodztwa ? ComboBoxKoloryWoj : ComboBoxKoloryIZ)->update();
    if (zmianaObszaru_)
        zmianaObszaru_();
}

void TFrmKolory::Zapisz()
{
    QString blad;
    if (!ZapiszOknoKolorow(d_, stan(), blad)) {
        d_.interakcja.komunikat(blad, QStringLiteral("Błąd"), Ikona::Blad);
        return;
    }
    accept();
}

} // namespace tks::ui
