#include "TFrmNaglowek.h"

#include "OznaczenieCeny.h"
#include "app/Droga.h"
#include "common/TekstPola.h"
#include "common/Ekran.h"
#include "common/ModelTabeli.h"
#include "pricing/Przedzialy.h"
#include "trains/EdytorNaglowka.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tks::ui {
namespace {

const QString kFormatZl = QStringLiteral("#,###,##0.00 zł");
const QString kFormatKm = QStringLiteral("#,###,##0.000 km");

template <class T>
T* nazwany(T* w, const char* nazwa)
{
    w->setObjectName(QString::fromLatin1(nazwa));
    return w;
}

QLineEdit* poleOdczytu(const char* nazwa, bool doPrawej = true)
{
    auto* e = nazwany(new QLineEdit, nazwa);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    if (doPrawej)
        e->setAlignment(Qt::AlignRight);
    tloPola(e, QPalette::Button);
    return e;
}


// Pusty tekst pola to Null w wierszu.
QVariant wartoscTekstu(const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); }

} // namespace

TFrmNaglowek::TFrmNaglowek(Droga& d, QWidget* rodzic) : QDialog(rodzic), d_(d)
{
    setObjectName(QStringLiteral("FrmNaglowek"));
    setWindowTitle(kTytulEdytoraNaglowka);
    setModal(true);

    DBEditNrPociagu = nazwany(new QLineEdit, "DBEditNrPociagu");
    DBEditNrPociagu->setMaxLength(25);
    DBEditNazwaPociagu = nazwany(new QLineEdit, "DBEditNazwaPociagu");
    DBEditNazwaPociagu->setMaxLength(50);
    EditRodzaj = poleOdczytu("EditRodzaj", false);
    DBMemoOpis = nazwany(new QPlainTextEdit, "DBMemoOpis");
    DBMemoOpis->setLineWrapMode(QPlainTextEdit::NoWrap);
    DBMemoOpis->setTabChangesFocus(true);
    DBMemoOpis->setFixedHeight(64);

    DBEditCena = poleOdczytu("DBEditCena");
    DBEditWycenaPelna = poleOdczytu("DBEditWycenaPelna", false);
    DBEditDlugosc = poleOdczytu("DBEditDlugosc");
    DBEditDlugoscWycen = poleOdczytu("DBEditDlugoscWycen");
    DBEditLDniKurs = poleOdczytu("DBEditLDniKurs");
    DBEditCenaRozkJazdy = poleOdczytu("DBEditCenaRozkJazdy");
    DBMemoKursuje = nazwany(new QPlainTextEdit, "DBMemoKursuje");
    DBMemoKursuje->setReadOnly(true);
    DBMemoKursuje->setLineWrapMode(QPlainTextEdit::NoWrap);
    DBMemoKursuje->setFocusPolicy(Qt::ClickFocus);
    DBMemoKursuje->setFixedHeight(84);
    tloPola(DBMemoKursuje, QPalette::Button);

    BitBtnTerminy = nazwany(new QPushButton(QStringLiteral("&Terminy kursowania")), "BitBtnTerminy");
    BitBtnOK = nazwany(new QPushButton(kPrzyciskZapiszPociag), "BitBtnOK");
    BitBtnOK->setDefault(true);
    BitBtnAnuluj = nazwany(new QPushButton(QStringLiteral("&Anuluj")), "BitBtnAnuluj");

    // dane pociągu
    auto* gora = new QGridLayout;
    gora->setHorizontalSpacing(8);
    gora->setVerticalSpacing(5);
    const auto wiersz = [](QGridLayout* g, int w, int k, const QString& tekst, QWidget* pole, int szer = 1) {
        auto* l = new QLabel(tekst);
        l->setBuddy(pole);
        g->addWidget(l, w, k, Qt::AlignLeft | Qt::AlignVCenter);
        g->addWidget(pole, w, k + 1, 1, szer);
    };
    wiersz(gora, 0, 0, QStringLiteral("&Numer pociągu"), DBEditNrPociagu);
    wiersz(gora, 1, 0, QStringLiteral("Na&zwa pociągu"), DBEditNazwaPociagu, 3);
    wiersz(gora, 2, 0, QStringLiteral("Rodzaj pociągu"), EditRodzaj, 3);
    auto* lOpis = new QLabel(QStringLiteral("&Opis"));
    lOpis->setBuddy(DBMemoOpis);
    gora->addWidget(lOpis, 3, 0, Qt::AlignLeft | Qt::AlignTop);
    gora->addWidget(DBMemoOpis, 3, 1, 1, 3);
    gora->setColumnStretch(3, 1);
    DBEditNrPociagu->setMinimumWidth(150);

    // wartości wyliczone
    auto* ramka = nazwany(new QGroupBox, "GroupBoxWyliczone");
    auto* g = new QGridLayout(ramka);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(5);
    wiersz(g, 0, 0, QStringLiteral("Cena trasy"), DBEditCena);
    wiersz(g, 0, 2, QStringLiteral("Trasa w całości objęta wyceną:"), DBEditWycenaPelna);
    wiersz(g, 1, 0, QStringLiteral("Całkowita długość trasy "), DBEditDlugosc);
    wiersz(g, 1, 2, QStringLiteral("Długość trasy \npodlegająca wycenie"), DBEditDlugoscWycen);
    wiersz(g, 2, 0, QStringLiteral("Liczba dni kursowania"), DBEditLDniKurs);
    wiersz(g, 2, 2, QStringLiteral("Cena całego rozkładu jazdy"), DBEditCenaRozkJazdy);
    auto* lKursuje = new QLabel(QStringLiteral("Terminy kursowania"));
    g->addWidget(lKursuje, 3, 0, Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(DBMemoKursuje, 3, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    DBEditWycenaPelna->setMaximumWidth(60);
    for (QLineEdit* e : {DBEditCena, DBEditDlugosc, DBEditDlugoscWycen, DBEditLDniKurs, DBEditCenaRozkJazdy})
        e->setMinimumWidth(120);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(BitBtnTerminy);
    przyciski->addStretch(1);
    przyciski->addWidget(BitBtnOK);
    przyciski->addWidget(BitBtnAnuluj);

    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(12, 12, 12, 10);
    u->addLayout(gora);
    u->addWidget(ramka);
    u->addLayout(przyciski);

    connect(DBEditNrPociagu, &QLineEdit::textEdited, this, &TFrmNaglowek::NrPociaguZmiana);
    connect(DBEditNazwaPociagu, &QLineEdit::textEdited, this, [this](const QString& t) {
        d_.pociag.ustaw(QStringLiteral("NazwaPociagu"), wartoscTekstu(t));
    });
    connect(DBMemoOpis, &QPlainTextEdit::textChanged, this, [this] {
        ustawPaski(DBMemoOpis);
        if (wypelnianie_)
            return;
        QString t = doWiersza(DBMemoOpis->toPlainText());
        if (t.size() > 255) {   // pole Opis ma 255 znaków
            const int kursor = DBMemoOpis->textCursor().position();
            t.truncate(255);
            if (t.endsWith(QLatin1Char('\r')))
                t.chop(1);
            wypelnianie_ = true;
            DBMemoOpis->setPlainText(doPola(t));
            QTextCursor c = DBMemoOpis->textCursor();
            c.setPosition(std::min(kursor, int(DBMemoOpis->toPlainText().size())));
            DBMemoOpis->setTextCursor(c);
            wypelnianie_ = false;
        }
        d_.pociag.ustaw(QStringLiteral("Opis"), wartoscTekstu(t));
    });
    connect(DBMemoKursuje, &QPlainTextEdit::textChanged, this, [this] { ustawPaski(DBMemoKursuje); });
    connect(BitBtnOK, &QPushButton::clicked, this, &TFrmNaglowek::BitBtnOKClick);
    connect(BitBtnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtnTerminy, &QPushButton::clicked, this, &TFrmNaglowek::BitBtnTerminyClick);

    ustawRozmiarWEkranie(this, sizeHint().expandedTo(QSize(640, 0)));
}

bool TFrmNaglowek::pokaz(bool edycja)
{
    trybEdycji = edycja;
    const int wynik = exec();
    trybEdycji = false;
    return wynik == QDialog::Accepted;
}

void TFrmNaglowek::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    BitBtnOK->setText(trybEdycji ? kPrzyciskOK : kPrzyciskZapiszPociag);
    BitBtnTerminy->setEnabled(bool(terminyKursowania));
    odswiez();
    DBEditNrPociagu->setFocus(Qt::OtherFocusReason);
}

void TFrmNaglowek::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    ustawPaski(DBMemoOpis);
    ustawPaski(DBMemoKursuje);
}

void TFrmNaglowek::odswiez()
{
    const Pociag& p = d_.pociag;
    const auto pole = [&](const char* k) { return p.pole(QString::fromLatin1(k)); };
    wypelnianie_ = true;
    DBEditNrPociagu->setText(pole("NrPociagu").toString());
    DBEditNazwaPociagu->setText(pole("NazwaPociagu").toString());
    const int wr = wierszRodzaju(d_.siec, d_.kontrolki.idRodzajuStawki);
    EditRodzaj->setText(wr >= 0 ? d_.siec.RodzajeStawekTab.tekst(wr, QStringLiteral("Nazwa")) : QString());
    const QString opis = doPola(pole("Opis").toString());
    if (DBMemoOpis->toPlainText() != opis)
        DBMemoOpis->setPlainText(opis);
    DBEditCena->setText(tekstPola(pole("CenaWyliczona"), TypPola::Rzeczywista, kFormatZl));
    DBEditWycenaPelna->setText(tekstPola(pole("WycenaPelna"), TypPola::Logiczna));
    DBEditDlugosc->setText(tekstPola(pole("Dlugosc"), TypPola::Rzeczywista, kFormatKm));
    DBEditDlugoscWycen->setText(tekstPola(pole("DlugoscWycen"), TypPola::Rzeczywista, kFormatKm));
    DBEditLDniKurs->setText(tekstPola(pole("LDniKurs"), TypPola::Calkowita));
    DBEditCenaRozkJazdy->setText(tekstPola(pole("CenaRozkJazdy"), TypPola::Rzeczywista, kFormatZl));
    const QString kursuje = doPola(pole("Kursuje").toString());
    if (DBMemoKursuje->toPlainText() != kursuje)
        DBMemoKursuje->setPlainText(kursuje);
    wypelnianie_ = false;
    oznaczCene();
    ustawPaski(DBMemoOpis);
    ustawPaski(DBMemoKursuje);
}

void TFrmNaglowek::oznaczCene()
{
    // cena niepełna: pola ceny i "objęta wyceną" w kolorze podpowiedzi
    const QPalette::ColorRole tlo = cenaNiepelna(d_.pociag) ? QPalette::ToolTipBase : QPalette::Button;
    tloPola(DBEditCena, tlo);
    tloPola(DBEditWycenaPelna, tlo);
}

void TFrmNaglowek::NrPociaguZmiana(const QString& tekst)
{
    const QString t = filtrujNumerPociagu(tekst);
    if (t != tekst) {
        DBEditNrPociagu->setText(t);
        DBEditNrPociagu->setCursorPosition(int(t.size()));
    }
    d_.pociag.ustaw(QStringLiteral("NrPociagu"), wartoscTekstu(t));
}

void TFrmNaglowek::ustawPaski(QPlainTextEdit* pole)
{
    const QFontMetrics fm(pole->font());
    const QStringList linie = pole->toPlainText().split(QLatin1Char('\n'));
    int szer = 0;
    for (const QString& l : linie)
        szer = std::max(szer, fm.horizontalAdvance(l));
    const int wys = pole->toPlainText().isEmpty() ? 0 : int(linie.size()) * fm.lineSpacing();
    const PaskiPrzewijania p = paskiPola(szer, wys, pole->width(), pole->height());
    pole->setHorizontalScrollBarPolicy(p.poziomy ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    pole->setVerticalScrollBarPolicy(p.pionowy ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TFrmNaglowek::BitBtnOKClick()
{
    if (trybEdycji || SprawdzNaglowekDoZapisu(d_))
        accept();
}

void TFrmNaglowek::BitBtnTerminyClick()
{
    if (!terminyKursowania)
        return;
    terminyKursowania();
    odswiez();
}

void TFrmNaglowek::done(int wynik)
{
    // wpisy zostają w wierszu nagłówka także po "Anuluj"
    d_.pociag.zatwierdz();
    QDialog::done(wynik);
}

} // namespace tks::ui
