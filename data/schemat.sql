-- Schemat bazy sieci kolejowej (przykładowej). Przenośny między SQLite i PostgreSQL:
-- tylko typy i literały wspólne obu (TRUE/FALSE, daty 'YYYY-MM-DD').
-- Nazwy tabel i kolumn są tymi, których oczekuje program wczytujący sieć.

CREATE TABLE ZakresyBr (
  IdZakresuBr      SMALLINT PRIMARY KEY,
  IdRodzajuStawki  SMALLINT NOT NULL,
  LpZakresuBr      SMALLINT NOT NULL,
  ZakresOd         DOUBLE PRECISION,
  BrDoObl          INTEGER,
  ZakresDo         DOUBLE PRECISION,
  Opis             VARCHAR(255)
);

CREATE TABLE Zarzadcy (
  Id     INTEGER PRIMARY KEY,
  Nazwa  VARCHAR(150)
);

CREATE TABLE RodzajeStawek (
  IdRodzajuStawki  SMALLINT PRIMARY KEY,
  Nazwa            VARCHAR(50),
  Skrot            VARCHAR(2),
  NazwaPolaWBazie  VARCHAR(4),
  LZakrBR          INTEGER
);

-- Kontur kraju: surowe współrzędne (Xkm koduje długość, Ykm szerokość geograficzną).
CREATE TABLE KonturPolski (
  LpGrupy  INTEGER NOT NULL,
  Lp       INTEGER NOT NULL,
  Xkm      DOUBLE PRECISION,
  Ykm      DOUBLE PRECISION
);

CREATE TABLE zaklady (
  KodZakladu    INTEGER PRIMARY KEY,
  NazwaZakladu  VARCHAR(50),
  Kolor         INTEGER
);

CREATE TABLE KonturyIZ (
  KodZakladu  INTEGER NOT NULL,
  Lp          INTEGER NOT NULL,
  X           DOUBLE PRECISION,
  Y           DOUBLE PRECISION
);

CREATE TABLE Wojewodztwa (
  IdWojewodztwa  INTEGER PRIMARY KEY,
  Nazwa          VARCHAR(50),
  Kolor          INTEGER
);

CREATE TABLE KonturyWoj (
  IdWojewodztwa  INTEGER NOT NULL,
  LpPkt          INTEGER NOT NULL,
  Xkm            DOUBLE PRECISION,
  Ykm            DOUBLE PRECISION
);

CREATE TABLE StacjeDoProgramu (
  LpStacji          INTEGER PRIMARY KEY,
  IdObEksp          INTEGER NOT NULL,
  OznaczenieStacji  VARCHAR(5),
  NazwaStacji       VARCHAR(80),
  Xkm               DOUBLE PRECISION,
  Ykm               DOUBLE PRECISION,
  Widocznosc        INTEGER,
  Stawka            DOUBLE PRECISION
);

CREATE TABLE OdcinkiDoProgramu (
  LpOdcinka           INTEGER PRIMARY KEY,
  lp                  INTEGER,
  LpStA               INTEGER NOT NULL,
  LpStB               INTEGER NOT NULL,
  IdObA               INTEGER,
  IdObB               INTEGER,
  Odleglosc           INTEGER,
  MetrOsiA            INTEGER,
  MetrOsiB            INTEGER,
  NrLinii             INTEGER,
  KodZarzadu          INTEGER,
  OznFK               VARCHAR(2),
  IdWojewodztwa       INTEGER,
  Klasa               INTEGER,
  KatCenSP            INTEGER,
  KatCenST            INTEGER,
  OdcDoPominiecia     BOOLEAN,
  Szerokotorowa       BOOLEAN,
  BrakSieci           BOOLEAN,
  Nieczynna           BOOLEAN,
  NieWskazanyRuchPas  BOOLEAN,
  NieWskazanyRuchTow  BOOLEAN,
  ZawRuchPas          BOOLEAN,
  ZawRuchTow          BOOLEAN,
  ZawRuchCalk         BOOLEAN,
  VP1                 SMALLINT,
  VP2                 SMALLINT,
  VT1                 SMALLINT,
  VT2                 SMALLINT,
  VOgr1               INTEGER,
  VOgr2               INTEGER
);

-- Cennik: stawka w złotych za pociągokilometr dla kategorii odcinka i rodzaju
-- (Skrot rodzaju stawki); kolejne przedziały masy to kolejne stawki rosnąco.
CREATE TABLE Cennik (
  Kategoria  INTEGER NOT NULL,
  Rodzaj     VARCHAR(2) NOT NULL,
  Stawka     NUMERIC(10,4)
);

CREATE TABLE Swieta (
  Data  DATE NOT NULL
);
