#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

// `lamelix-outils exporte-tableau FICHIER`: the key loaded as "Charger" loads it, written as a
// three-column table on standard output. 0 written, 1 the key did not load, 2 usage.
int CommandeExporteTableau(const std::vector<std::string> &arguments, std::ostream &sortie,
                           std::ostream &erreurs);

// `lamelix-outils importe-tableau TABLE.csv -o CLE.cle`: the key file of a table, written in
// place through a temporary file. 0 written, 1 the table has bad rows (each reported
// `TABLE.csv:LIGNE: erreur: ...`), 2 usage, unreadable table or unwritable key.
int CommandeImporteTableau(const std::vector<std::string> &arguments, std::ostream &erreurs);

} // namespace lamelix
