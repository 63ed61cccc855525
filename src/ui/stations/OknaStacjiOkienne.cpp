#include "OknaStacjiOkienne.h"

#include "TFrmListaStacji.h"
#include "TFrmStacje.h"

#include <QCursor>

namespace tks::ui {

OknaStacjiOkienne::~OknaStacjiOkienne()
{
    delete lista_.data();
}

QPoint OknaStacjiOkienne::punkt()
{
    const QPoint p = punkt_.value_or(QCursor::pos());
    punkt_.reset();
    return p;
}

int OknaStacjiOkienne::wyszukajStacje(const Siec& s, const std::vector<int>& lista)
{
    TFrmStacje okno(s, lista, rodzic_);
    okno.otworzPrzy(punkt());
    if (okno.exec() != QDialog::Accepted)
        return -1;
    return okno.wynik();
}

TFrmListaStacji* OknaStacjiOkienne::listaStacji()
{
    if (!lista_)
        lista_ = new TFrmListaStacji(NazwyWszystkichStacji(s_), rodzic_);
    return lista_;
}

int OknaStacjiOkienne::wybierzOznaczona(const QStringList& nazwy)
{
    TFrmListaStacji* okno = listaStacji();
    okno->ustawOznaczone(nazwy);
    return okno->pokaz(TFrmListaStacji::Lista::Oznaczone, punkt());
}

} // namespace tks::ui
