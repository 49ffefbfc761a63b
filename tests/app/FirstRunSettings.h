#pragma once
// The settings file a first start writes, byte for byte.
#include <QByteArray>

inline const QByteArray kFirstRunFile =
    "[Mots de passe]\r\nMDP_Administrateur=\r\nMDP_Enseignant=\r\n"
    "[Animation]\r\nAnimConfig=\r\n"
    "[Coordonnees]\r\nRNE=\r\nNOM_Ecole=\r\nVILLE_Ecole=\r\nMailEcole=\r\nAcademie=\r\n"
    "[Editeur code barres]\r\nNbreColCB=0\r\nEspaceInterCol=0\r\nEspaceInterLigne=0\r\nNbCouleur=\r\n"
    "[Pr\xEAt]\r\nPretDefautTexte=\r\n"
    "[Acc\xE8s Internet IE]\r\nAccesIE=False\r\n"
    "[AmazonPHPbool]\r\nAmazonPHPbool=1\r\n"
    "[Amazonbool]\r\nAmazonbool=1\r\n"
    "[ChasseLivrebool]\r\nChasseLivrebool=1\r\n"
    "[Rakutenbool]\r\nRakutenbool=1\r\n"
    "[Worldcatbool]\r\nWorldcatbool=1\r\n"
    "[Qvlbool]\r\nQvlbool=1\r\n"
    "[mollatbool]\r\nmollatbool=false\r\n"
    "[bookbutlerbool]\r\nbookbutlerbool=1\r\n"
    "[bookfinderbool]\r\nbookfinderbool=1\r\n"
    "[kleberbool]\r\nkleberbool=1\r\n"
    "[editstatbool]\r\neditstatbool=1\r\n"
    "[bnfbool]\r\nbnfbool=False\r\n"
    "[fnacbool]\r\nfnacbool=False\r\n"
    "[chapitrebool]\r\nchapitrebool=False\r\n"
    "[dialoguebool]\r\ndialoguebool=1\r\n"
    "[pricebool]\r\npricebool=False\r\n"
    "[decitrebool]\r\ndecitrebool=False\r\n"
    "[france_loisirsbool]\r\nfrance_loisirsbool=False\r\n"
    "[cinquieme]\r\ncinquieme=0\r\n"
    "[ValideBool]\r\nValideBool=False\r\n"
    "[ValideRetourBool]\r\nValideRetourBool=False\r\n"
    "[language]\r\nlanguage=francais.txt\r\n";
