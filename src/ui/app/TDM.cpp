#include "TDM.h"

#include "TFrmDroga.h"
#include "TFrmHelp.h"
#include "Wersja.h"
#include "app/CyklDrogi.h"
#include "trains/OknaPociaguOkienne.h"
#include "trains/TFrmWyborPociagu.h"
#include "reports/TFrmZestawienia.h"
#include "common/Daty.h"
#include "common/Podpowiedzi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tks::ui {

TDM::TDM(const Srodowisko& srodowisko, Interakcja* interakcja, QWidget* rodzic)
    : QWidget(rodzic), interakcja_(interakcja)
{
    setObjectName(QStringLiteral("DM"));
    setWindowTitle(QStringLiteral("Taksatura 2018"));

    LabelNazwa = new QLabel(QStringLiteral("TAKSATURA 2018"));
    LabelNazwa->setObjectName(QStringLiteral("LabelNazwa"));
    QFont f = LabelNazwa->font();
    f.setPointSizeF(f.pointSizeF() * 2.4);
    f.setBold(true);
    LabelNazwa->setFont(f);
    LabelOpis = new QLabel(QStringLiteral("Wyznaczanie tras pociągów i opłat\nza dostęp do infrastruktury kolejowej"));
    LabelOpis->setObjectName(QStringLiteral("LabelOpis"));
    QFont fo = LabelOpis->font();
    fo.setPointSizeF(fo.pointSizeF() * 1.15);
    LabelOpis->setFont(fo);
    LabelWersja = new QLabel;
    LabelWersja->setObjectName(QStringLiteral("LabelWersja"));
    LObowiazujeOd = new QLabel(QStringLiteral("Obowiązuje od: 02.09.2018"));
    LObowiazujeOd->setObjectName(QStringLiteral("LObowiazujeOd"));
    for (QLabel* l : {LabelNazwa, LabelOpis, LabelWersja, LObowiazujeOd})
        l->setAlignment(Qt::AlignHCenter);

    const auto przycisk = [](const QString& tekst, const char* nazwa) {
        auto* b = new QPushButton(tekst);
        b->setObjectName(QString::fromLatin1(nazwa));
        b->setMinimumSize(230, 36);
        return b;
    };
    BitBtn1 = przycisk(QStringLiteral("&Wyznaczanie trasy"), "BitBtn1");
    BitBtn3 = przycisk(QStringLiteral("&Instrukcja obsługi"), "BitBtn3");
    BitBtn2 = przycisk(QStringLiteral("&Zestawienia"), "BitBtn2");
    BitBtnUsun = przycisk(QStringLiteral("&Usuń pociąg z bazy"), "BitBtnUsun");
    // okna zestawień jeszcze nie istnieją
    connect(BitBtn1, &QPushButton::clicked, this, &TDM::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TDM::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TDM::BitBtn2Click);
    connect(BitBtnUsun, &QPushButton::clicked, this, &TDM::BitBtnUsunClick);

    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(36, 28, 36, 28);
    u->setSpacing(6);
    u->addWidget(LabelNazwa);
    u->addWidget(LabelOpis);
    u->addSpacing(10);
    auto* linia = new QFrame;
    linia->setFrameShape(QFrame::HLine);
    linia->setFrameShadow(QFrame::Sunken);
    u->addWidget(linia);
    u->addSpacing(10);
    auto* przyciski = new QGridLayout;
    przyciski->setHorizontalSpacing(14);
    przyciski->setVerticalSpacing(10);
    przyciski->addWidget(BitBtn1, 0, 0);
    przyciski->addWidget(BitBtn3, 0, 1);
    przyciski->addWidget(BitBtn2, 1, 0);
    przyciski->addWidget(BitBtnUsun, 1, 1);
    u->addLayout(przyciski);
    u->addSpacing(14);
    u->addWidget(LabelWersja);
    u->addWidget(LObowiazujeOd);

    // 1. podpowiedzi zostają 60 s
    UstawDlugiePodpowiedzi();
    // 2. wersja
    LabelWersja->setText(kWersja);
    // 3.-4. okres rozkładu jazdy i folder programu
    srodowisko_ = srodowisko;
    if (!srodowisko_.rozkladOd.isValid() || !srodowisko_.rozkladDo.isValid()) {
        srodowisko_.rozkladOd = poczatekRozkladu();
        srodowisko_.rozkladDo = koniecRozkladu();
    }
    // 5. kolor napisów
    for (QLabel* l : {LabelNazwa, LabelOpis, LabelWersja, LObowiazujeOd}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, kKolorNapisowStartu);
        l->setPalette(p);
    }
    // 6. przecinek dziesiętny
    UstawPolskieLiczby();

    setFixedSize(sizeHint());
}

TDM::~TDM() { zniszczOkna(); }

void TDM::utworzOkna()
{
    if (oknaUtworzone_)
        return;
    oknaUtworzone_ = true;
    // kolejne okna (kolory, wybory, lista pociągów, kalendarz, zestawienia)
    // dochodzą tu w kolejności tworzenia; na razie okno główne
    frmDroga_ = std::make_unique<TFrmDroga>(srodowisko_, interakcja_);
}

void TDM::zniszczOkna() { frmDroga_.reset(); }

void TDM::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!wysrodkowane_) {
        wysrodkowane_ = true;
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    if (!oknaUtworzone_)
        QTimer::singleShot(0, this, &TDM::utworzOkna);
}

void TDM::closeEvent(QCloseEvent* e)
{
    zniszczOkna();
    e->accept();
    QWidget::closeEvent(e);
    QCoreApplication::quit();
}

void TDM::BitBtn1Click()
{
    utworzOkna();
    BitBtn1->setCursor(Qt::WaitCursor);
    frmDroga_->pokazModalnie();
    BitBtn1->unsetCursor();
}

void TDM::BitBtn3Click()
{
    TFrmHelp okno(srodowisko_.katalogProgramu, this);
    okno.exec();
}

void TDM::BitBtn2Click()
{
    utworzOkna();
    PrzygotujZestawienia(frmDroga_->droga());
    BitBtn2->setCursor(Qt::WaitCursor);
    TFrmZestawienia okno(frmDroga_->droga(), this);
    BitBtn2->unsetCursor();
    okno.exec();
}

void TDM::BitBtnUsunClick()
{
    utworzOkna();
    BitBtnUsun->setCursor(Qt::WaitCursor);
    frmDroga_->oknaPociagu()->FrmWyborPociagu->usuwanie();
    BitBtnUsun->unsetCursor();
}

} // namespace tks::ui
