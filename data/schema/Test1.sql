-- The program's database, Test1.bib, and its empty template Reserve/Test1.bib.
--
-- Declared types carry the Jet types the layer reads back (TEXT(n), LONGTEXT, SMALLINT,
-- INTEGER, BIT, DATETIME, CURRENCY; the INTEGER PRIMARY KEY is the AutoNumber). Every text
-- compares and sorts by the JET collation, registered by the layer on each connection. The
-- CHECK constraints refuse what Jet refused: over-long texts, out-of-range numbers, texts in
-- number and date columns. Dates are day serials from 30/12/1899 (0 reads as that day).
-- AUTOINCREMENT: a number once given is never given again, even after the last row went.

CREATE TABLE Table1 (
  numlivre         INTEGER PRIMARY KEY AUTOINCREMENT,
  Titre            TEXT(80)  COLLATE JET CHECK (length(Titre) <= 80),
  Isbn13           TEXT(50)  COLLATE JET CHECK (length(Isbn13) <= 50),
  Isbn10           TEXT(20)  COLLATE JET CHECK (length(Isbn10) <= 20),
  Auteur           TEXT(50)  COLLATE JET CHECK (length(Auteur) <= 50),
  Editeur          TEXT(50)  COLLATE JET CHECK (length(Editeur) <= 50),
  Type             TEXT(50)  COLLATE JET CHECK (length(Type) <= 50),
  Genre            TEXT(50)  COLLATE JET CHECK (length(Genre) <= 50),
  Empruntable      BIT NOT NULL DEFAULT 1 CHECK (Empruntable IN (0, 1)),
  Resume           LONGTEXT  COLLATE JET,
  MaxExemplaire    BIT NOT NULL DEFAULT 0 CHECK (MaxExemplaire IN (0, 1)),
  NbrExemplaire    SMALLINT  CHECK (NbrExemplaire BETWEEN -32768 AND 32767),
  Images           TEXT(255) COLLATE JET CHECK (length(Images) <= 255),
  Pages            TEXT(20)  COLLATE JET CHECK (length(Pages) <= 20),
  Date_parution    TEXT(40)  COLLATE JET CHECK (length(Date_parution) <= 40),
  CodeBarres       TEXT(20)  COLLATE JET CHECK (length(CodeBarres) <= 20),
  IMP_CodeBarres   BIT NOT NULL DEFAULT 0 CHECK (IMP_CodeBarres IN (0, 1)),
  EmpNom           TEXT(20)  COLLATE JET CHECK (length(EmpNom) <= 20),
  EmpPrenom        TEXT(20)  COLLATE JET CHECK (length(EmpPrenom) <= 20),
  EmpClasse        TEXT(20)  COLLATE JET CHECK (length(EmpClasse) <= 20),
  NumEmprunteur    INTEGER NOT NULL DEFAULT 0 CHECK (NumEmprunteur BETWEEN -2147483648 AND 2147483647),
  DateEmprunt      DATETIME  CHECK (DateEmprunt BETWEEN -657434 AND 2958466),
  DateRetour       DATETIME  CHECK (DateRetour BETWEEN -657434 AND 2958466),
  Photo_rangement  TEXT(50)  COLLATE JET CHECK (length(Photo_rangement) <= 50),
  Descripteur      TEXT(255) COLLATE JET CHECK (length(Descripteur) <= 255),
  Proprio          TEXT(50)  COLLATE JET CHECK (length(Proprio) <= 50),
  Mot_Cle          TEXT(50)  COLLATE JET CHECK (length(Mot_Cle) <= 50),
  NbreFoisEmprunte TEXT(10)  COLLATE JET CHECK (length(NbreFoisEmprunte) <= 10),
  Lien_pedago      TEXT(255) COLLATE JET CHECK (length(Lien_pedago) <= 255),
  Prix_Client      CURRENCY  CHECK (Prix_Client BETWEEN -922337203685477.5808 AND 922337203685477.5807),
  LieuRangement    TEXT(50)  COLLATE JET CHECK (length(LieuRangement) <= 50),
  Langue           TEXT(255) COLLATE JET CHECK (length(Langue) <= 255),
  Emprunte         BIT NOT NULL DEFAULT 0 CHECK (Emprunte IN (0, 1))
);
-- The desk looks copies up by code, the renumbering and the reload by title, the loan
-- screens a borrower's copies.
CREATE INDEX Table1_Isbn13 ON Table1 (Isbn13);
CREATE INDEX Table1_Titre ON Table1 (Titre);
CREATE INDEX Table1_NumEmprunteur ON Table1 (NumEmprunteur);

CREATE TABLE Emprunteurs (
  NumEmprunteur      INTEGER PRIMARY KEY AUTOINCREMENT,
  EmpNom             TEXT(20) COLLATE JET CHECK (length(EmpNom) <= 20),
  EmpPrenom          TEXT(20) COLLATE JET CHECK (length(EmpPrenom) <= 20),
  Classe             TEXT(20) COLLATE JET CHECK (length(Classe) <= 20),
  NumINE             TEXT(15) COLLATE JET CHECK (length(NumINE) <= 15),
  -- No default: an insertion leaves the loan counters unset, read as 0.
  NbrEmpruntsTotal   INTEGER CHECK (NbrEmpruntsTotal BETWEEN -2147483648 AND 2147483647),
  NbrEmpruntsEnCours INTEGER CHECK (NbrEmpruntsEnCours BETWEEN -2147483648 AND 2147483647),
  NimImage           TEXT(50) COLLATE JET CHECK (length(NimImage) <= 50),
  Etablissement      TEXT(50) COLLATE JET CHECK (length(Etablissement) <= 50),
  Mail               TEXT(50) COLLATE JET CHECK (length(Mail) <= 50),
  Niveau             TEXT(10) COLLATE JET CHECK (length(Niveau) <= 10),
  NumINE_EAN13       TEXT(15) COLLATE JET CHECK (length(NumINE_EAN13) <= 15),
  RNE                TEXT(15) COLLATE JET CHECK (length(RNE) <= 15),
  NumRNE             TEXT(20) COLLATE JET CHECK (length(NumRNE) <= 20),
  NbrEmpruntsMax     INTEGER CHECK (NbrEmpruntsMax BETWEEN -2147483648 AND 2147483647),
  Sexe               TEXT(10) COLLATE JET CHECK (length(Sexe) <= 10)
);
CREATE INDEX Emprunteurs_Nom ON Emprunteurs (EmpNom, EmpPrenom);
CREATE INDEX Emprunteurs_Classe ON Emprunteurs (Classe);

CREATE TABLE Inventaire (
  "N°"                INTEGER PRIMARY KEY AUTOINCREMENT,
  Type                TEXT(50)  COLLATE JET CHECK (length(Type) <= 50),
  Genre               TEXT(255) COLLATE JET CHECK (length(Genre) <= 255),
  Nom                 TEXT(255) COLLATE JET CHECK (length(Nom) <= 255),
  Nombre              TEXT(255) COLLATE JET CHECK (length(Nombre) <= 255),
  Lieu                TEXT(255) COLLATE JET CHECK (length(Lieu) <= 255),
  FichierPhoto        TEXT(255) COLLATE JET CHECK (length(FichierPhoto) <= 255),
  Empruntable         BIT NOT NULL DEFAULT 0 CHECK (Empruntable IN (0, 1)),
  CodeBarre           TEXT(255) COLLATE JET CHECK (length(CodeBarre) <= 255),
  Remarques           TEXT(255) COLLATE JET CHECK (length(Remarques) <= 255),
  DateEmprunt         DATETIME  CHECK (DateEmprunt BETWEEN -657434 AND 2958466),
  DateRetourEnvisagee DATETIME  CHECK (DateRetourEnvisagee BETWEEN -657434 AND 2958466),
  Emprunteur          TEXT(255) COLLATE JET CHECK (length(Emprunteur) <= 255),
  DateCreation        DATETIME  CHECK (DateCreation BETWEEN -657434 AND 2958466),
  Prix                TEXT(255) COLLATE JET CHECK (length(Prix) <= 255),
  Proprietaire        TEXT(255) COLLATE JET CHECK (length(Proprietaire) <= 255),
  Entretien           TEXT(255) COLLATE JET CHECK (length(Entretien) <= 255),
  Descripteurs        TEXT(255) COLLATE JET CHECK (length(Descripteurs) <= 255)
);

-- The school directory; delivered empty.
CREATE TABLE identification (
  NUMERO TEXT(255) COLLATE JET CHECK (length(NUMERO) <= 255),
  Nom    TEXT(255) COLLATE JET CHECK (length(Nom) <= 255),
  Ville  TEXT(255) COLLATE JET CHECK (length(Ville) <= 255),
  F5     TEXT(255) COLLATE JET CHECK (length(F5) <= 255)
);
CREATE INDEX identification_NUMERO ON identification (NUMERO);
