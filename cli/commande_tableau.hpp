#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils exporte-tableau FICHIER`: the key loaded as "Charger" loads it, written as a
// three-column table (or with `--format lpxk` as an LPXK document) on standard output. 0 written, 1
// the key did not load.
int CommandeExporteTableau(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

// `lamelix-outils importe-tableau TABLE.csv -o CLE.cle`: the key file of a table or of an LPXK
// document (told by its content), written in
// place through a temporary file. 0 written, 1 the table has bad rows (each reported
// `TABLE.csv:LIGNE: erreur: ...`), 2 an unwritable key.
int CommandeImporteTableau(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
